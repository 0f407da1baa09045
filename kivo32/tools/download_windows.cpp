// The download progress window and the recovery question, as the program's answers.
#include "kivo32/tools/download_windows.h"

#include <QApplication>
#include <memory>
#include <utility>

#include "kivo32/session/download_progress_link.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/tools/data_recovery_dlg.h"
#include "kivo32/tools/download_dialog.h"
#include "platform/base/dialog_request.h"
#include "platform/ui/application.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/main_frame.h"
#include "shared/logger/data_recovery_prompt.h"

namespace {

// Over the download's progress window when it is the active one, else the main window.
QWidget* RecoveryParent() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    platform::Application* application = platform::Application::Instance();
    return application != nullptr ? application->GetMainWindow() : nullptr;
}

int RunDataRecovery(DataRecoveryRequest& request) {
    platform::CurrentDesktopServices().Beep();
    CDataRecoveryDlg dialog(request.portLost, RecoveryParent());
    dialog.SetMessage(request.recordsReceived, request.extraText);
    dialog.DoModal();
    return dialog.GetChoice();
}

}  // namespace

void RegisterDownloadWindows(CSessionOwner& sessions, std::function<void()> cancelCommand) {
    sessions.SetDownloadWindowOpener(
        [cancel = std::move(cancelCommand)](std::shared_ptr<CDownloadProgressLink> link) {
            ShowDownloadDialog(std::move(link), cancel);
        });
    platform::RegisterDialogRunner<DataRecoveryRequest>(RunDataRecovery);
}
