// File and folder tests, the folder check of the settings dialogs and the newest logger firmware.
#pragma once

#include <filesystem>
#include <string>

bool PathExists(const std::filesystem::path& path);
inline bool FileExists(const std::filesystem::path& path) {
    return PathExists(path);
}
bool IsDirectory(const std::filesystem::path& path);

// Results of ValidateDirectoryPath.
inline constexpr int kFolderAsGiven = 0;
inline constexpr int kFolderMadeAbsolute = 1;
inline constexpr int kFolderReplaced = 2;

// Makes `path` an existing folder: a relative path gets the current folder in front
// (kFolderMadeAbsolute), a trailing "/" is dropped, and an empty path or one that is no existing
// folder becomes the current folder (kFolderReplaced). kFolderAsGiven for an absolute path of an
// existing folder.
int ValidateDirectoryPath(std::string& path);

// The newest "NX4*.hex" file of `firmwareFolder` by the version in its name: the digits after "NX",
// padded with zeros to six and divided by 1000 ("NX400213.hex" is 400.213, "NX4003.hex" 400.3). An
// empty path and version 0 when there is none with a version above 0.
std::filesystem::path FindNewestLoggerFirmware(const std::filesystem::path& firmwareFolder, double& version);
// The same in the "Firmware" folder of the user data folder.
std::filesystem::path FindNewestLoggerFirmware(double& version);
