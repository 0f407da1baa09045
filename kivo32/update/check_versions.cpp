// CheckVersions: the program check, the device checks, the module's way of update, and the result dialog
// with its downloads.
#include "kivo32/update/check_versions.h"

#include <cstdlib>
#include <system_error>

#include "kivo32/update/update_ids.h"
#include "kivo32/update/update_requests.h"
#include "kivo32/update/version_check.h"
#include "kivo32/update/version_check_host.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_target.h"
#include "platform/base/program_texts.h"
#include "platform/base/windows1252.h"
#include "platform/io/web_file_name.h"
#include "shared/common/message_box.h"
#include "shared/common/open_with_desktop_request.h"
#include "shared/datafile/model_names.h"

namespace {

constexpr const char* kLoggerLabel = "Quarven RS / KX";
// Modules below this fetch their firmware over FTP; from it on they take it over XMODEM.
constexpr std::int64_t kModuleXmodemFrom = 4410;
// The file types of the download dialog.
constexpr int kFileTypeLoggerFirmware = 1;
constexpr int kFileTypeInstaller = 2;
constexpr int kFileTypeModuleImage = 3;
constexpr int kFileTypeModuleMif = 4;

const char* TrueFalse(bool value) {
    return value ? "TRUE" : "FALSE";
}

const char* NewOrUpToDate(bool newer) {
    return newer ? "New" : "up to date";
}

// What the checks found, for the dialog and the summary.
struct Findings {
    std::string thisVersion;
    int appStatus = CVersionCheck::kNotChecked;
    std::string appMessage;
    std::string latestApp;
    int devStatus = CVersionCheck::kNotChecked;
    std::string devMessage;
    std::string localFile;
    std::string firmware;
    bool linkedThroughWiFi = false;
    std::string loggerLatestModel;
    std::string loggerLatestVer;
    std::string moduleFirmware;
    bool moduleNew = false;
    std::string moduleLatestModel;
    std::string moduleLatestVer;
    bool noModuleVersionShown = false;
};

// One run of the check with its arguments.
class VersionCheckRun {
public:
    VersionCheckRun(CVersionCheck& check, CVersionCheckHost& host, bool force, bool show)
        : check_(check), host_(host), force_(force), show_(show) {}

    void CheckApp(Findings& found) const;
    // False when the check ended with a decision of its own (an update started or refused).
    bool CheckDevices(CVersionCheckLogger& logger, Findings& found) const;
    void ShowResult(const Findings& found, bool checkApp) const;

private:
    void CheckModule(CVersionCheckLogger& logger, Findings& found) const;
    // A module that needs newer firmware: over FTP below 4.41, which ends the check. True when it ended.
    bool StartModuleUpdate(const Findings& found) const;
    void RunUpdateDialog(const Findings& found, bool checkApp) const;
    // Downloads `name` from `address` into `folder`: the path it was saved under, or empty.
    std::string Download(const std::filesystem::path& folder, const std::string& name,
                         const std::string& address, const std::string& size, int fileType) const;
    // Firmware found in the firmware folder: the firmware update command runs next, with that file.
    void StartFirmwareUpdate(const std::string& path) const;
    // The firmware update command runs next; a logger is connected (the check found its firmware).
    void PostFirmwareUpdate() const;

    CVersionCheck& check_;
    CVersionCheckHost& host_;
    const bool force_;
    const bool show_;
};

void VersionCheckRun::CheckApp(Findings& found) const {
    found.appStatus = check_.CheckAppVersion(force_, found.thisVersion, found.appMessage);
    VCTrace(std::string("VC: CheckVersions(): nAppStatus=") +
            NewOrUpToDate(found.appStatus == CVersionCheck::kAppNewer));
    found.latestApp = check_.GetAppLatestVersion();
    if (found.appStatus == CVersionCheck::kAppNewer) {
        host_.HideSplash();
    }
}

bool VersionCheckRun::CheckDevices(CVersionCheckLogger& logger, Findings& found) const {
    const CVersionCheckLogger::Identity identity = logger.ReadIdentity();
    const std::string loggerModel = GetLoggerTypeName(identity.typeCode);
    found.linkedThroughWiFi = identity.linkedThroughWiFi;
    const std::string firmware = host_.FirmwareOverride();
    found.firmware = CVersionCheck::FromFirstDigit(firmware.empty() ? identity.firmwareText : firmware);
    found.devStatus =
        check_.CheckDeviceVersion(force_, loggerModel, found.firmware, found.devMessage, found.localFile);
    found.loggerLatestModel = check_.GetDeviceLatestModel();
    found.loggerLatestVer = check_.GetDeviceLatestVer();
    host_.SetLatestLogger(found.loggerLatestModel, found.loggerLatestVer);
    VCTrace(std::string("VC: CheckVersions(): nDevStatus=") +
            NewOrUpToDate(found.devStatus == CVersionCheck::kDeviceNewer));

    if (host_.IsCheckWiFly() && found.devStatus != CVersionCheck::kDeviceNewer &&
        found.devStatus != CVersionCheck::kLocalFileDeclined) {
        CheckModule(logger, found);
    }
    if (StartModuleUpdate(found)) {
        return false;
    }
    if (found.devStatus == CVersionCheck::kDeviceNewer && !found.localFile.empty()) {
        StartFirmwareUpdate(found.localFile);
        return false;
    }
    return true;
}

void VersionCheckRun::CheckModule(CVersionCheckLogger& logger, Findings& found) const {
    const std::optional<std::string> read = logger.ReadModuleFirmware();
    if (!read) {
        return;
    }
    const std::string module = host_.ModuleOverride();
    found.moduleFirmware = CVersionCheck::FromFirstDigit(module.empty() ? *read : module);
    if (found.moduleFirmware.empty()) {
        if (show_) {
            ShowMessageBoxId(IDS_VC_NO_MODULE_VERSION, MB_OK | MB_ICONEXCLAMATION, true);
            found.noModuleVersionShown = true;
        }
        return;
    }
    found.devStatus = check_.CheckDeviceVersion(force_, CVersionCheck::kModuleModel, found.moduleFirmware,
                                                found.devMessage, found.localFile);
    found.moduleNew = found.devStatus == CVersionCheck::kDeviceNewer;
    found.moduleLatestModel = check_.GetDeviceLatestModel();
    found.moduleLatestVer = check_.GetDeviceLatestVer();
    host_.SetLatestModule(found.moduleLatestModel, found.moduleLatestVer);
    VCTrace(std::string("VC: CheckVersions(): WiFly nDevStatus=") + NewOrUpToDate(found.moduleNew));
}

bool VersionCheckRun::StartModuleUpdate(const Findings& found) const {
    if (found.devStatus != CVersionCheck::kDeviceNewer ||
        found.moduleLatestModel != CVersionCheck::kModuleModel) {
        return false;
    }
    if (CVersionCheck::VersionThousandths(found.moduleFirmware) >= kModuleXmodemFrom) {
        VCTrace("VC: CheckVersions(): WiFly can update via XMODEM");
        return false;
    }
    VCTrace("VC: CheckVersions(): WiFly must update over FTP");
    if (found.linkedThroughWiFi) {
        // The module would cut the very link the update runs over.
        if (show_) {
            ShowMessageBoxId(IDS_VC_MODULE_LINKED_THROUGH_WIFI, MB_OK | MB_ICONEXCLAMATION, true);
        }
        return true;
    }
    host_.RequestModuleUpdate();
    if (platform::MessageTarget* session = host_.Session()) {
        session->PostMessage(platform::Message(WM_VC_MODULE_UPDATE));
    }
    return true;
}

void VersionCheckRun::StartFirmwareUpdate(const std::string& path) const {
    host_.SetFirmwareFile(path);
    PostFirmwareUpdate();
}

void VersionCheckRun::PostFirmwareUpdate() const {
    if (platform::MessageTarget* mainWindow = host_.MainWindow()) {
        mainWindow->PostMessage(platform::Message(WM_COMMAND, ID_VC_FIRMWARE_UPDATE));
    }
}

void VersionCheckRun::ShowResult(const Findings& found, bool checkApp) const {
    if ((checkApp && found.appStatus == CVersionCheck::kAppNewer) ||
        found.devStatus == CVersionCheck::kDeviceNewer) {
        RunUpdateDialog(found, checkApp);
        return;
    }
    // A page that could not be read found nothing: "up to date" would be a guess.
    const bool nothingKnown = checkApp && found.appStatus == CVersionCheck::kNotChecked;
    if (!show_ || nothingKnown || found.devStatus == CVersionCheck::kLocalFileDeclined ||
        found.noModuleVersionShown) {
        return;
    }
    const std::string latest = LoadText(IDS_VC_LATEST) + ": ";
    const std::string summary =
        LoadText(IDS_VC_UP_TO_DATE) + "\n\n_______________________________" +
        CVersionCheck::BuildVersionSummary(
            {{"KIVO: ", found.thisVersion},
             {latest, found.latestApp},
             {found.loggerLatestModel + ": ", found.firmware.empty() ? std::string() : "NX" + found.firmware},
             {latest, found.loggerLatestVer},
             {found.moduleLatestModel + ": ", found.moduleFirmware},
             {latest, found.moduleLatestVer}});
    ShowMessageBox(summary, MB_OK | MB_ICONINFORMATION, true);
    host_.SetCheckWiFly(false);
}

void VersionCheckRun::RunUpdateDialog(const Findings& found, bool checkApp) const {
    const bool appFile = !check_.GetFileUrl().empty();
    const std::string appAddress = appFile ? check_.GetFileUrl() : check_.GetDownloadsUrl();
    const bool deviceFile = !check_.GetDeviceFileUrl().empty();
    const std::string deviceAddress = deviceFile ? check_.GetDeviceFileUrl() : check_.GetDeviceUrl();
    const std::string latestDevice = CVersionCheck::FromFirstDigit(check_.GetDeviceLatestVer());
    const std::string deviceLabel = found.firmware.empty() ? ""
                                    : found.moduleNew      ? CVersionCheck::kModuleModel
                                                           : kLoggerLabel;
    const bool deviceNewer = found.devStatus == CVersionCheck::kDeviceNewer;

    UpdateCheckRequest request{.appNewer = checkApp && found.appStatus == CVersionCheck::kAppNewer,
                               .appMessage = found.appMessage,
                               .thisVersion = found.thisVersion,
                               .latestApp = found.latestApp,
                               .appAddress = appAddress,
                               .appFile = appFile,
                               .deviceNewer = deviceNewer,
                               .deviceMessage = found.devMessage,
                               .deviceVersion = found.moduleNew ? found.moduleFirmware : found.firmware,
                               .latestDevice = latestDevice,
                               .deviceAddress = deviceAddress,
                               .deviceLabel = deviceLabel,
                               .deviceFile = deviceFile};
    const int result = platform::RunDialogRequest(request);

    const std::filesystem::path folder = check_.DataFolder();
    if (result == IDC_VC_DOWNLOAD_INSTALLER) {
        const std::string path =
            Download(folder, check_.GetFileName(), appAddress, check_.GetFileSize(), kFileTypeInstaller);
        if (!path.empty() &&
            ShowMessageBoxId(IDS_VC_RUN_INSTALLER_NOW, MB_OKCANCEL | MB_ICONQUESTION, true) == IDOK) {
            OpenWithDesktopRequest open{.path = path};
            platform::RunDialogRequest(open);
        }
        return;
    }
    if (result != IDC_VC_DOWNLOAD_LOGGER_FIRMWARE && result != IDC_VC_DOWNLOAD_MODULE_FIRMWARE) {
        return;
    }
    const bool module = result == IDC_VC_DOWNLOAD_MODULE_FIRMWARE;
    const std::string name = check_.GetDeviceFileName();
    const bool mif = name.size() >= 4 && name.compare(name.size() - 4, 4, ".mif") == 0;
    const int fileType = !module ? kFileTypeLoggerFirmware : mif ? kFileTypeModuleMif : kFileTypeModuleImage;
    const std::string path =
        Download(folder / "Firmware", name, deviceAddress, check_.GetDeviceFileSize(), fileType);
    if (path.empty()) {
        return;
    }
    if (module) {
        host_.SetLatestModule(check_.GetDeviceLatestModel(), check_.GetDeviceLatestVer());
    } else {
        host_.SetLatestLogger(check_.GetDeviceLatestModel(), check_.GetDeviceLatestVer());
    }
    host_.SetFirmwareFile(path);
    if (ShowMessageBoxId(IDS_VC_UPDATE_FIRMWARE_NOW, MB_OKCANCEL | MB_ICONQUESTION, true) == IDOK) {
        PostFirmwareUpdate();
    }
}

std::string VersionCheckRun::Download(const std::filesystem::path& folder, const std::string& name,
                                      const std::string& address, const std::string& size,
                                      int fileType) const {
    // A name from the page stays a file of its folder.
    const std::optional<std::filesystem::path> target =
        folder.empty() ? std::nullopt : WebFileInFolder(folder, name);
    if (!target) {
        VCTrace("VC: CheckVersions(): no plain file name to save the download as: " + name);
        return {};
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    GetWebFileRequest request{.path = platform::PathToWindows1252(*target),
                              .address = address,
                              .size = std::atoi(size.c_str()),
                              .fileType = fileType};
    if (platform::RunDialogRequest(request) != IDOK) {
        return {};
    }
    return request.path;
}

}  // namespace

bool CheckVersions(CVersionCheck& check, CVersionCheckHost& host, bool forceCheck, bool showMessages,
                   bool checkApp) {
    const std::unique_lock running = check.TryLockForCheck();
    if (!running.owns_lock()) {
        VCTrace("VC: CheckVersions(): another check runs; this one is left out");
        return false;
    }
    VCTrace(std::string("VC: CheckVersions(): bForceCheck=") + TrueFalse(forceCheck) +
            " bCheckApp=" + TrueFalse(checkApp));
    const bool again = host.TakeCheckVersionAgain();
    VCTrace(std::string("VC: CheckVersions(): m_bCheckVersionAgain=") + TrueFalse(again));
    if (again) {
        forceCheck = true;
        checkApp = false;
    }
    const VersionCheckRun run(check, host, forceCheck, showMessages);
    Findings found;
    found.thisVersion = host.ThisVersion();
    if (checkApp) {
        run.CheckApp(found);
    }
    if (CVersionCheckLogger* logger = host.Logger(); logger != nullptr && !run.CheckDevices(*logger, found)) {
        return true;
    }
    run.ShowResult(found, checkApp);
    return true;
}
