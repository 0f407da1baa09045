// The firmware update command: the window filled with what the session read of the logger and its Wi-Fi
// module, its transfer handed to the session, and the program's part after the update.
#include <chrono>
#include <memory>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/session/logger_version_reading.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/tools/firmware_update_dlg.h"
#include "kivo32/update/version_check.h"
#include "platform/ui/main_frame.h"
#include "shared/common/user_data_folder.h"
#include "shared/datafile/model_names.h"

namespace {

// How long the window waits for the session to read the logger's versions.
constexpr std::chrono::milliseconds kVersionReadWait{30000};

}  // namespace

void CKivoApp::OpenFirmwareUpdate() {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        ChooseConnectionKind(ID_LOGGER_FIRMWARE_UPDATE);
        return;
    }
    // The reading must not see the abort of the command before (a window cancelled last time).
    Set(Flag::Abort, false);
    auto reading = std::make_shared<CLoggerVersionReading>();
    reading->readModule = true;
    session->Post(platform::Message(WM_SESSION_READ_VERSIONS, 0, platform::MakePayload(reading)));
    if (!WaitForSession([&reading] { return reading->done.load(); }, kVersionReadWait) ||
        reading->typeCode == kNoLogger) {
        return;
    }
    std::filesystem::path userDataFolder;
    GetUserDataFolder(userDataFolder);
    CFirmwareUpdateDlg::Links links;
    links.firmwareFolder = userDataFolder / "Firmware";
    links.modulePattern = [this](FirmwareFileKind kind) {
        return version_check_.GetDeviceFWTemplate(kind == FirmwareFileKind::kMif ? "WiFly2" : "WiFly1");
    };
    links.startTransfer = [this](FirmwareTransferRequest request) {
        CSessionEL* running = sessions_->GetActiveSession();
        if (running == nullptr) {
            return false;
        }
        Set(Flag::Abort, false);
        running->Post(
            platform::Message(WM_SESSION_FIRMWARE_UPDATE, 0, platform::MakePayload(std::move(request))));
        return true;
    };
    links.setPresetPath = [this](const std::string& path) { registry_.firmwareFile = path; };
    links.linkKind = [this] { return GetLinkKind(); };
    links.cancelCommand = [this] { CancelCommand(); };
    links.postCommand = [this](unsigned command) {
        if (platform::MessageTarget* main = GetAppMainWnd()) {
            main->PostMessage(platform::Message(WM_COMMAND, command));
        }
    };
    links.reconnect = [this] { LoggerReconnect(); };
    links.endSession = [this] { Disconnect(0, true); };
    links.stopModuleCheck = [this] { SetCheckWiFly(false); };
    links.checkVersionAgain = [this] { SetCheckVersionAgain(true); };
    links.holdWaitCursor = [this](bool hold) { HoldWaitCursor(hold); };
    links.now = [] {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    CFirmwareUpdateDlg dialog(*this, std::move(links), GetMainWindow());
    dialog.SetInfo(registry_.firmwareFile, reading->firmwareText, GetLoggerTypeName(reading->typeCode),
                   reading->moduleFirmware.value_or(std::string()), reading->moduleName);
    dialog.DoModal();
}
