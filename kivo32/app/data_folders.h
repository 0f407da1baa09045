// The first-run set-up of the user data folder: its folders made, the installed files copied in, and the
// one-time copy of the older program generation's files.
#pragma once

#include <filesystem>

namespace platform {
class ProfileStore;
}
class CRegistryValues;

// Where the set-up works.
struct DataFolderPlaces {
    std::filesystem::path userDataFolder;
    // The shared files of the installation (InstalledFilesFolder()).
    std::filesystem::path installationFolder;
};

// What SetUpDataFolders did, for the start-up to act on.
struct DataFolderSetUp {
    // A fresh installation or a missing user data folder: the set-up ran.
    bool ran = false;
    // A folder could not be made or a copy failed (the user has been told): the program closes itself.
    bool exitProgram = false;
    // Cleared after a failed copy: nothing is saved at exit.
    bool saveAtExit = true;
};

// Runs on every start. Nothing happens when the user data folder exists and "FreshInstall" reads 0.
// Otherwise the folders are made (pointing the registry's data, setup-table and logger-list folders at
// the user data folder when it did not exist), the installation's folders present are copied in without
// replacing any file the user has, and "FreshInstall" becomes 0 once that copy succeeded. Then, once,
// the files of the older generation recorded under "KIVO 11 Dir"/"Path" are offered.
DataFolderSetUp SetUpDataFolders(platform::ProfileStore& store, CRegistryValues& registry,
                                 const DataFolderPlaces& places);

// The program folder's ../share/kivo, where an installation (and a build tree) keeps the shared files.
std::filesystem::path InstalledFilesFolder();
