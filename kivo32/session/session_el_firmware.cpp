// The program's session: the firmware update window's transfer. The window stays on the user-interface
// thread; the file goes to the logger here, the only thread that touches the link, and a module image is
// followed through the module's installation before the result goes back to the window.
#include <string>

#include "kivo32/session/firmware_requests.h"
#include "kivo32/session/module_installation.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/message.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"

namespace {

// The logger's transfer result for a link gone, and the result of an installation that failed.
constexpr int kLinkLost = 3;
constexpr int kInstallationFailed = 5;
// The module is asked for its status words this often.
constexpr std::uint32_t kInstallationPollMs = 5000;

constexpr const char* kInstallationNotice =
    "\r\nThe Wi-Fi module is receiving and installing the firmware update, and may take several minutes to "
    "complete. KIVO is waiting for it to resume operations.\r\n\r\nDO NOT UNPLUG THE LOGGER DURING THIS "
    "PROCESS";

}  // namespace

void CSessionEL::OnFirmwareUpdate(const FirmwareTransferRequest& request) {
    const CommandScope scope(*this);
    int result = kLinkLost;
    int installation = 0;
    if (logger_ && request.counters != nullptr) {
        logger_->SetTransferCounters(request.counters);
        if (request.moduleImage) {
            PostConnectionStatus("Sending firmware to logger...");
            result = logger_->ParseNameTag(request.path, 1);
        } else {
            result = logger_->SendFirmwareFile(request.path);
        }
        // No transfer runs any more: the window's Cancel need not ask before it ends the window.
        request.counters->total.store(0);
        logger_->SetTransferCounters(nullptr);
        if (GetConnection() == nullptr || GetConnection()->IsLinkLost()) {
            result = kLinkLost;
        } else if (result == 0 && request.moduleImage) {
            Trace("VC: CFirmwareUpdateDlg::OnBnClickedOk(): Sending WiFly firmware.\n");
            installation = WaitForModuleInstallation();
            if (installation == kLinkLost) {
                result = kLinkLost;
            } else if (installation == 0) {
                // The check that follows knows the module was updated.
                owner_.SetRepeatVersionCheck(true);
            }
        } else if (result == 0) {
            Trace("VC: CFirmwareUpdateDlg::OnBnClickedOk(): Sending logger firmware.\n");
        }
    }
    if (request.replyTo != nullptr) {
        request.replyTo->PostMessage(platform::Message(
            WM_FIRMWARE_RESULT, static_cast<std::uintptr_t>(result), nullptr, installation));
    }
}

int CSessionEL::WaitForModuleInstallation() {
    PostToMainWindow(platform::Message(WM_MODULE_UPDATE_NOTICE, 1,
                                       platform::MakePayload(std::string(kInstallationNotice))));
    PostConnectionStatus("Waiting...");
    const LinkClock& clock = GetConnection()->Clock();
    const std::uint32_t start = clock.Now();
    // Whatever the module said before the image went is of no interest.
    std::string reply;
    logger_->GetInterfaceText(reply);
    CInstallationProgress progress;
    int result = kInstallationFailed;
    while (!IsAborted() && !StopRequested()) {
        WaitLinkTime(kInstallationPollMs);
        if (GetConnection()->IsLinkLost()) {
            result = kLinkLost;
            break;
        }
        const std::int64_t elapsed = (clock.Now() - start) / 1000;
        if (progress.TimedOut(elapsed)) {
            break;
        }
        logger_->GetInterfaceText(reply);
        const InstallationReply read = progress.Read(reply, elapsed);
        for (const std::string& line : read.statusLines) {
            PostConnectionStatus(line);
        }
        if (read.outcome != InstallationOutcome::kGoingOn) {
            result = read.outcome == InstallationOutcome::kComplete ? 0 : kInstallationFailed;
            break;
        }
    }
    PostToMainWindow(platform::Message(WM_MODULE_UPDATE_NOTICE, 0));
    GetConnection()->SetStatusText({});
    return result;
}
