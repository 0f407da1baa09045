// Where a call's downloads go: the data folder, the numbered file of an all-data download and the
// newest file that a new-data download appends to.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace teldrin {

// The entry's own folder when it exists, else the settings' data folder when it exists; nullopt
// otherwise: data never go to a folder nobody chose. Both are Windows-1252 texts.
std::optional<std::filesystem::path> CallDataFolder(std::string_view entryFolder, std::string_view dataDir);

// The serial number as a file name holds it: trailing blanks removed, "/" and control characters dropped.
std::string SerialForFileName(std::string_view serial);

// The most numbered files of one logger in a folder.
inline constexpr int kMaxDataFiles = 999;

// "<serial>-NN.kivo" in `folder` with the first number from 1 that no file has (at least two digits);
// nullopt when all 999 are taken.
std::optional<std::filesystem::path> NextDataFilePath(const std::filesystem::path& folder,
                                                      std::string_view serial);

// The file of `folder` named "<serial>-<number>.kivo" (the number's digits end at the end or the first
// ".") with the highest number of at least 1; nullopt when there is none.
std::optional<std::filesystem::path> NewestDataFilePath(const std::filesystem::path& folder,
                                                        std::string_view serial);

}  // namespace teldrin
