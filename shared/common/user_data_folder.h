// The user data folder: the user's documents folder followed by "TARV/KIVO", below which the settings
// files, the firmware folder, the trace file and the default data folders lie.
#pragma once

#include <filesystem>

// The documents folder is XDG_DOCUMENTS_DIR of $XDG_CONFIG_HOME/user-dirs.dirs (~/.config when unset),
// else ~/Documents. False, with an empty folder, when there is no home folder at all: nothing may then
// be written to a folder taken from the root.
bool GetUserDataFolder(std::filesystem::path& folder);
std::filesystem::path UserDataFolder();
