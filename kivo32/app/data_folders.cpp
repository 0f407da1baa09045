// The first-run set-up of the user data folder.
#include "kivo32/app/data_folders.h"

#include <QCoreApplication>
#include <array>
#include <string>
#include <system_error>
#include <vector>

#include "kivo32/app/app_ids.h"
#include "kivo32/settings/registry_values.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/profile_store.h"
#include "platform/base/program_texts.h"
#include "platform/base/windows1252.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"
#include "shared/common/message_box.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kFreshInstall = "FreshInstall";
constexpr const char* kOlderFilesCopied = "KIVO11FilesCopied";
constexpr const char* kOlderGenerationSection = "KIVO 11 Dir";
constexpr const char* kOlderGenerationPath = "Path";
constexpr const char* kNoOlderGeneration = "none";

// The installation's folders and the older generation's, in the order they are copied.
constexpr std::array kInstalledFolders = {"Dorvane",  "Data",   "Default Setups",
                                          "Firmware", "Images", "Loggers"};
constexpr std::array kOlderFolders = {"Data", "Loggers", "Setups", "Dorvane/Data", "Dorvane/Export"};

std::string Text(const fs::path& path) {
    return platform::PathToWindows1252(path);
}

void ShowFolderError(const fs::path& folder) {
    ShowMessageBox(LoadText(IDS_DATA_FOLDER_ERROR) + "\r\n" + Text(folder), MB_OK | MB_ICONEXCLAMATION, true);
}

// Makes `folder` when it is missing; false, after telling the user, when it still is.
bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (fs::is_directory(folder, error)) {
        return true;
    }
    ShowFolderError(folder);
    return false;
}

template <std::size_t N>
std::vector<fs::path> PresentFolders(const fs::path& source, const std::array<const char*, N>& names) {
    std::vector<fs::path> present;
    std::error_code error;
    for (const char* name : names) {
        if (fs::is_directory(source / name, error)) {
            present.push_back(source / name);
        }
    }
    return present;
}

// Copies what the user data folder lacks of `folders`; an empty list copies nothing and succeeds.
bool CopyMissingFiles(const std::vector<fs::path>& folders, const fs::path& userDataFolder) {
    return folders.empty() || CopyFolderWithReport(folders, userDataFolder, true);
}

}  // namespace

DataFolderSetUp SetUpDataFolders(platform::ProfileStore& store, CRegistryValues& registry,
                                 const DataFolderPlaces& places) {
    DataFolderSetUp result;
    const fs::path& user = places.userDataFolder;
    std::error_code error;
    const bool userFolderExisted = fs::is_directory(user, error);
    if (userFolderExisted && store.GetProfileInt(kKivoMiscSection, kFreshInstall, 1) == 0) {
        return result;
    }
    result.ran = true;

    if (!userFolderExisted) {
        registry.dataDir = Text(user / "Data");
        registry.setupTableDir = Text(user / "Setups");
        registry.loggerListDir = Text(user / "Loggers");
    }
    // The parent is made only to help the user data folder along: start-up goes on without it.
    MakeFolder(user.parent_path());
    for (const fs::path& folder : {user, platform::PathFromWindows1252(registry.setupTableDir), platform::PathFromWindows1252(registry.dataDir),
                                   platform::PathFromWindows1252(registry.loggerListDir)}) {
        if (!MakeFolder(folder)) {
            result.exitProgram = true;
            return result;
        }
    }

    if (!CopyMissingFiles(PresentFolders(places.installationFolder, kInstalledFolders), user)) {
        ShowFolderError(user);
        result.saveAtExit = false;
        result.exitProgram = true;
        return result;
    }
    // Only now: a set-up that did not complete runs again at the next start.
    store.WriteProfileInt(kKivoMiscSection, kFreshInstall, 0);

    const std::string older =
        store.GetProfileString(kOlderGenerationSection, kOlderGenerationPath, kNoOlderGeneration);
    if (older.empty() || older == kNoOlderGeneration ||
        store.GetProfileInt(kKivoMiscSection, kOlderFilesCopied, 0) != 0) {
        return result;
    }
    if (ShowMessageBoxId(IDS_COPY_OLDER_FILES, MB_OKCANCEL | MB_ICONQUESTION, true) != IDOK) {
        return result;
    }
    if (!CopyMissingFiles(PresentFolders(platform::PathFromWindows1252(older), kOlderFolders), user)) {
        ShowMessageBoxId(IDS_OLDER_FILES_NOT_COPIED, MB_OK | MB_ICONEXCLAMATION, true);
        result.saveAtExit = false;
        result.exitProgram = true;
        return result;
    }
    store.WriteProfileInt(kKivoMiscSection, kOlderFilesCopied, 1);
    return result;
}

fs::path InstalledFilesFolder() {
    return platform::PathFromQString(QCoreApplication::applicationDirPath()) / ".." / "share" / "kivo";
}
