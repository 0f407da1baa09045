// The program's session: the Wi-Fi handler: the settings of a network logger's Wi-Fi module, and the
// update of the module's own firmware, which the module fetches over FTP on the logger's command.
#include <string>
#include <string_view>

#include "kivo32/session/network_dialog_values.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/settings_ids.h"
#include "shared/logger/wifi_settings.h"
#include "shared/setup/setup_codes.h"

namespace {

// The field of the text-setting command that names the image file.
constexpr int kImageNameField = 31;
// The module polls: every 5 s, for at most 90 s from the update command; after a completed update the
// module needs 20 s to recover.
constexpr std::uint32_t kPollMs = 5000;
constexpr std::uint32_t kUpdateLimitMs = 90000;
constexpr std::uint32_t kRecoveryMs = 20000;
constexpr const char* kUpdateComplete = "WIFI=FTPCOMPLETE";

// The dialog's module-update steps: opened for the update, the update completed, it did not.
constexpr int kDialogUpdateAsked = 1;
constexpr int kDialogUpdateDone = 4;
constexpr int kDialogUpdateNotDone = 5;

// The module image for the module's version text.
std::string ModuleImageName(const std::string& moduleFirmware) {
    return moduleFirmware.find("4.00.1") != std::string::npos ? "wifly3-441.mif" : "wifly3-441.img";
}

bool EndsUpdate(std::string_view line) {
    return line == kUpdateComplete || line == "WIFI=FTPERROR" || line == "WIFI=FTPTIMEOUT";
}

}  // namespace

SetWiFiInfoRequest CSessionEL::WiFiRequest(const WiFiSettings& settings, int state) {
    SetWiFiInfoRequest request{
        .logger = NamingOfLogger(),
        .settings = settings,
        .state = state,
        .settingsChanged = false,
        .scan = [this](std::shared_ptr<platform::MessageTarget> replyTo) {
            Post(platform::Message(WM_SESSION_SCAN_WIFI, 0, platform::MakePayload(std::move(replyTo))));
        }};
    request.settings.password = WiFiSettings::kUnchanged;
    return request;
}

bool CSessionEL::TakeWhileAsking(platform::Message& message) {
    // Only in the wait for the dialog's answer, never inside the scan's own command.
    if (message.id == WM_SESSION_SCAN_WIFI && IsDialogOpen() && !scanning_) {
        ScanWiFiFor(message);
        return true;
    }
    if (IsDialogOpen() && (TakeCalibrationRequest(message) || TakeLoggerWindowQuestion(message))) {
        return true;
    }
    return CSession::TakeWhileAsking(message);
}

void CSessionEL::ScanWiFiFor(const platform::Message& message) {
    const auto* replyTo = platform::PayloadAs<std::shared_ptr<platform::MessageTarget>>(message);
    if (replyTo == nullptr || *replyTo == nullptr) {
        return;
    }
    scanning_ = true;
    std::string reply;
    const bool read = logger_ && logger_->ReadWiFiStatus(reply) != 0;
    scanning_ = false;
    (*replyTo)->PostMessage(
        platform::Message(WM_WIFI_SCAN_REPLY, read ? 1 : 0, platform::MakePayload(std::move(reply))));
}

bool CSessionEL::WriteWiFiAnswer(const SetWiFiInfoRequest& answer, WiFiSettings& settings) {
    settings.ssid = answer.settings.ssid;
    TakeNetworkValues(answer.settings, settings);
    settings.password = answer.settings.password;
    settings.externalAntenna = answer.settings.externalAntenna;
    settings.accessPoint = answer.settings.accessPoint;
    PostStatusString(STATUS_TEXT, IDS_WRITING_NETWORK);
    if (logger_->WriteWiFiSettings(settings)) {
        return true;
    }
    ShowNetworkWriteFailure();
    return false;
}

void CSessionEL::ShowNetworkWriteFailure() const {
    if (!IsAborted()) {
        PostStatusString(STATUS_TEXT, IDS_NETWORK_SETTINGS_FAILED);
        ShowMessageBoxId(IDS_NETWORK_SETTINGS_FAILED, MB_OK, true);
    }
}

void CSessionEL::OnSetWiFiInfo() {
    const CommandScope scope(*this);
    if (!logger_ || GetLoggerType() < kModelQuarvenRS) {
        ShowMessageBoxId(IDS_NOT_SUPPORTED, MB_OK, true);
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_READING_NETWORK);
    WiFiSettings settings;
    if (!logger_->ReadWiFiSettings(settings)) {
        ShowMessageBoxId(IDS_NETWORK_SETTINGS_UNREADABLE, MB_OK, true);
        return;
    }
    const bool update = owner_.TakeModuleUpdateRequest();
    SetWiFiInfoRequest request = WiFiRequest(settings, update ? kDialogUpdateAsked : 0);
    PostBlankStatus();
    Trace("VC: CSessionEL::OnSetWiFiInfo(): Launching CSetWiFiInfoDlg dialog.\n");
    if (RunDialog(request) != IDOK) {
        return;
    }
    if ((!update || request.settingsChanged) && !WriteWiFiAnswer(request, settings)) {
        return;
    }
    if (!update) {
        RestartLogger();
        return;
    }
    UpdateWiFiModule(settings);
}

void CSessionEL::UpdateWiFiModule(WiFiSettings settings) {
    const std::string image = ModuleImageName(settings.moduleFirmware);
    Trace("VC: CSessionEL::OnSetWiFiInfo(): Updating WiFly using FTP. strModuleFW=" + image + "\n");
    const LinkClock& clock = GetConnection()->Clock();
    const std::uint32_t start = clock.Now();
    // A module that did not take the command fetches nothing: there is nothing to wait for.
    if (!logger_->SendTextSetting("L!WFTPH", image, kImageNameField, false)) {
        ShowNetworkWriteFailure();
        return;
    }
    PostToMainWindow(platform::Message(WM_MODULE_UPDATE_NOTICE, 1,
                                       platform::MakePayload(LoadText(IDS_MODULE_UPDATE_NOTICE))));
    DoWaitCursor(1);
    PostConnectionStatus(LoadText(IDS_MODULE_UPDATING));

    std::string lastLine;
    WaitLinkTime(kPollMs);
    while (!IsAborted() && !StopRequested() && clock.Now() - start <= kUpdateLimitMs) {
        std::string pending;
        logger_->GetInterfaceText(pending);
        // Each line in turn; only the last one tells how the update went.
        for (std::size_t from = 0; from <= pending.size();) {
            std::size_t end = pending.find('\n', from);
            end = end == std::string::npos ? pending.size() : end;
            lastLine = pending.substr(from, end - from);
            if (!lastLine.empty() && lastLine.back() == '\r') {
                lastLine.pop_back();
            }
            const bool empty = lastLine == "(null)" || lastLine == "<EMPTY>";
            PostStatus(STATUS_TEXT, empty ? std::string() : lastLine);
            from = end + 1;
        }
        if (EndsUpdate(lastLine)) {
            break;
        }
        WaitLinkTime(kPollMs);
    }
    const bool completed = lastLine == kUpdateComplete;
    if (completed && !IsAborted()) {
        PostConnectionStatus("Waiting 20 seconds for module to recover.");
        Trace(
            "VC: CSessionEL::OnSetWiFiInfo(): Done waiting for FTP to complete. Waiting a few seconds for "
            "module to recover.\n");
        WaitLinkTime(kRecoveryMs);
    }
    PostToMainWindow(platform::Message(WM_MODULE_UPDATE_NOTICE, 0));
    DoWaitCursor(-1);
    GetConnection()->SetStatusText({});
    if (IsAborted()) {
        return;
    }
    Trace(
        "VC: CSessionEL::OnSetWiFiInfo(): Done waiting for FTP to complete. Launching CSetWiFiInfoDlg "
        "dialog to finish process.\n");
    SetWiFiInfoRequest request = WiFiRequest(settings, completed ? kDialogUpdateDone : kDialogUpdateNotDone);
    if (RunDialog(request) == IDOK) {
        WriteWiFiAnswer(request, settings);
    }
    Trace("VC: CSessionEL::OnSetWiFiInfo(): Initiating another version check.\n");
    owner_.SetRepeatVersionCheck(true);
    PostToMainWindow(platform::Message(WM_COMMAND, ID_SESSION_VERSION_CHECK));
}

void CSessionEL::PostConnectionStatus(std::string text) {
    GetConnection()->SetStatusText(text);
    PostStatus(STATUS_TEXT, std::move(text));
}
