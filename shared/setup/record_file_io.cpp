// Whole-record file reads and writes with the standard report of file errors.
#include "shared/setup/record_file_io.h"

#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "shared/common/message_box.h"

namespace {

// The standard report: the error's own description, OK button, no text of the program.
void ReportFileError(const CPSTFileException& error) {
    ShowMessageBox(error.what(), MB_OK | MB_ICONEXCLAMATION, true);
}

}  // namespace

bool ReadRecordBytes(platform::BinaryFile& file, std::span<std::uint8_t> buffer) {
    try {
        return file.Read(buffer) == buffer.size();
    } catch (const CPSTFileException& error) {
        ReportFileError(error);
        return false;
    }
}

bool WriteRecordBytes(platform::BinaryFile& file, std::span<const std::uint8_t> bytes) {
    try {
        file.Write(bytes);
        return true;
    } catch (const CPSTFileException& error) {
        ReportFileError(error);
        return false;
    }
}
