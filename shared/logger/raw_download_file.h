// The raw file of a download: named after the moment, beside the data file it becomes, holding a
// data-file head (header, information record, setup table) before the logger's raw records.
#pragma once

#include <filesystem>

#include "shared/datafile/data_info.h"

class CSetupTable;

// "$$LogDat<tick count>.tmp" in the folder of `target`.
std::filesystem::path RawDownloadPathBeside(const std::filesystem::path& target);
// Creates the raw file at `path` with its head: 0 success, kReadDataRawFileSetupFailed when the head
// could not be set up, kReadDataRawFileFailed when the file could not be written.
int CreateRawDownloadFile(const std::filesystem::path& path, const CDataInfo& info, const CSetupTable& setup);
