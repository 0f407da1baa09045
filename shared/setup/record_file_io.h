// Whole-record reads and writes on a binary file that report file errors themselves, as every
// setup-table record does.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

class CPSTFileException;
namespace platform {
class BinaryFile;
}

// Where a record read or write tells the user of a file error.
using FileErrorReport = std::function<void(const CPSTFileException& error)>;
// The standard report: the error's own description in the program-wide message box.
void ReportFileErrorInMessageBox(const CPSTFileException& error);

// Reads exactly buffer.size() bytes at the file's position. False when the file ends first (nothing is
// shown: the caller gives its own message) or after a file error has been reported.
bool ReadRecordBytes(platform::BinaryFile& file, std::span<std::uint8_t> buffer,
                     const FileErrorReport& report = ReportFileErrorInMessageBox);
// Writes all bytes at the file's position; false after a file error has been reported.
bool WriteRecordBytes(platform::BinaryFile& file, std::span<const std::uint8_t> bytes,
                      const FileErrorReport& report = ReportFileErrorInMessageBox);
