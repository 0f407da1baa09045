// The setup-table file (.sut): a file header of kind 1, then the setup table's stream with its alarms and
// its extended data. Reading checks the kind and the version; saving replaces the file only once the new
// one is complete.
#pragma once

#include <cstdint>
#include <filesystem>

#include "platform/base/file_exception.h"

class CFileHeader;
class CSetupTable;

// Versions written: 406 for a 10-second interval from model code 13 on, else 405. Readers refuse
// anything above 406 and find alarms from 402 on, extended data from 403 on.
inline constexpr std::int16_t kSetupFileVersion = 405;
inline constexpr std::int16_t kSetupFileVersionFastQuarven = 406;
inline constexpr int kSetupFileFirstVersionWithAlarms = 402;
inline constexpr int kSetupFileFirstVersionWithExtended = 403;

// The version that saving `table` writes.
std::int16_t SetupFileVersionFor(const CSetupTable& table);

enum class SetupFileResult {
    kOk,
    // The file could not be opened or created: `openError` says why; nothing has been shown, so that the
    // caller can report it in its own words.
    kOpenFailed,
    // The user has been told what went wrong.
    kFailed,
};

// Reads `path` into `header` and `table`, which change only when the whole file was read. A file that is
// not a setup table, ends early or cannot be read shows text 8193 or 12297 with the path; a newer
// version shows the newer-version text.
SetupFileResult ReadSetupTableFile(const std::filesystem::path& path, CFileHeader& header, CSetupTable& table,
                                   CPSTFileException& openError);

// Writes `header` with the version of SetupFileVersionFor, then `table`, into a file beside `path` that
// replaces it once flushed; the old file stays as it was when anything fails (text 8195 with the path).
// `header` takes the new version only when the save succeeded.
SetupFileResult WriteSetupTableFile(const std::filesystem::path& path, CFileHeader& header,
                                    const CSetupTable& table, CPSTFileException& openError);
