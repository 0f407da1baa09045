// The download's questions put to the user through the program's UI broker.
#include "shared/logger/user_download_policy.h"

#include "platform/base/dialog_request.h"
#include "shared/common/message_box.h"
#include "shared/common/open_with_desktop_request.h"
#include "shared/logger/data_recovery_prompt.h"

DownloadPolicy UserDownloadPolicy() {
    DownloadPolicy policy;
    policy.recover = AskDataRecovery;
    policy.tell = [](const DownloadNotice& notice) {
        if (notice.textId != 0) {
            ShowMessageBoxId(notice.textId, notice.style, true);
        } else {
            ShowMessageBox(notice.text, notice.style, true);
        }
    };
    policy.showReport = [](const std::filesystem::path& path) {
        OpenWithDesktopRequest open{.path = path.string()};
        platform::RunDialogRequest(open);
    };
    return policy;
}
