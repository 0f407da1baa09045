// The data-file name a download proposes: the logger's description, made fit for a file name, numbered
// after the files already in the data folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// `description` (Windows-1252) with every character that cannot stand in a file name (path separators, control
// characters, the characters other systems refuse) replaced by '_'; a description that leaves no name
// (empty, only dots or blanks) gives "Data".
std::string FileNameBaseOf(std::string_view description);

// "<folder>/<base>-01.kivo" with the first number whose file does not exist (01-09, 10-99, then 100 on).
std::filesystem::path ProposeDownloadName(const std::filesystem::path& dataFolder, std::string_view description);
