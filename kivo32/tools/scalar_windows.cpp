// The scalar, calibration and logger-ID windows as the answers of the session's requests.
#include "kivo32/tools/scalar_windows.h"

#include <charconv>
#include <string>

#include "kivo32/session/setting_requests.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/tools/set_logger_ids_dlg.h"
#include "kivo32/tools/set_scalars_dlg.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"

namespace {

QWidget* MainWindow() {
    platform::Application* application = platform::Application::Instance();
    return application != nullptr ? application->GetMainWindow() : nullptr;
}

float ScalarOf(const std::string& text) {
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The shortest text that reads back as `value`.
std::string TextOf(float value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

int RunSetScalars(SetScalarsRequest& request) {
    CSetScalarsDlg dialog(ScalarOf(request.a), ScalarOf(request.v), ScalarOf(request.r),
                          request.logger.loggerId, request.logger.firmware, MainWindow());
    const int result = dialog.DoModal();
    if (result == IDOK) {
        request.a = TextOf(dialog.a);
        request.v = TextOf(dialog.v);
        request.r = TextOf(dialog.r);
    }
    return result;
}

}  // namespace

void RegisterScalarWindows(const ScalarWindowLinks& links) {
    platform::RegisterDialogRunner<SetScalarsRequest>(RunSetScalars);
    platform::RegisterDialogRunner<CalAmpScalarRequest>([links](CalAmpScalarRequest& request) {
        CCalAmpScalarDlg dialog(request, links, MainWindow());
        return dialog.DoModal();
    });
    platform::RegisterDialogRunner<CalVoltTempScalarRequest>([links](CalVoltTempScalarRequest& request) {
        CCalVoltTempScalarDlg dialog(request, links, MainWindow());
        return dialog.DoModal();
    });
    platform::RegisterDialogRunner<SetLoggerIdsRequest>([links](SetLoggerIdsRequest& request) {
        CSetLoggerIDsDlg dialog(request.loggerId, request.model, request.loggerTitle, request.firmware,
                                request.typeCode, request.ask, links.cancelCommand, MainWindow());
        const int result = dialog.DoModal();
        if (result == IDOK) {
            request.loggerId = dialog.loggerId;
            request.model = dialog.model;
        }
        return result;
    });
}
