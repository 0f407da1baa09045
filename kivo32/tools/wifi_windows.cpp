// The Wi-Fi settings dialog and the pass-phrase dialog as the answers to the session's requests.
#include "kivo32/tools/wifi_windows.h"

#include <QApplication>

#include "kivo32/session/setting_requests.h"
#include "kivo32/tools/set_wifi_info_dlg.h"
#include "kivo32/tools/wifi_password_dlg.h"
#include "platform/base/dialog_request.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"
#include "shared/link/link_ids.h"

namespace {

QWidget* MainWindow() {
    platform::Application* application = platform::Application::Instance();
    return application != nullptr ? application->GetMainWindow() : nullptr;
}

}  // namespace

void RegisterWiFiWindows(WiFiWindowsContext context) {
    platform::RegisterDialogRunner<SetWiFiInfoRequest>([context](SetWiFiInfoRequest& request) {
        WiFiDialogHooks hooks{.scan = request.scan,
                              .showHelp = context.showHelp,
                              .offeredModuleVersion = context.offeredModuleVersion
                                                          ? context.offeredModuleVersion()
                                                          : std::string(),
                              .stopModuleChecks = context.stopModuleChecks};
        CSetWiFiInfoDlg dialog(request.logger.loggerId, request.logger.firmware, request.settings,
                               request.state, std::move(hooks), MainWindow());
        const int result = dialog.DoModal();
        if (result == IDOK) {
            request.settings = dialog.values;
            request.settingsChanged = dialog.changed;
        }
        return result;
    });
    platform::RegisterDialogRunner<WebPasswordRequest>([](WebPasswordRequest& request) {
        CWiFiPasswordDlg dialog(request.title, request.prompt, 0, request.limit, true, MainWindow());
        const int result = dialog.DoModal();
        if (result == IDOK) {
            request.password = dialog.password;
        }
        return result;
    });
}
