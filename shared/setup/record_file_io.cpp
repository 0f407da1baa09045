// Whole-record file reads and writes that report file errors.
#include "shared/setup/record_file_io.h"

#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "shared/common/message_box.h"

void ReportFileErrorInMessageBox(const CPSTFileException& error) {
    ShowMessageBox(error.MessageText(), MB_OK | MB_ICONEXCLAMATION, true);
}

bool ReadRecordBytes(platform::BinaryFile& file, std::span<std::uint8_t> buffer,
                     const FileErrorReport& report) {
    try {
        return file.Read(buffer) == buffer.size();
    } catch (const CPSTFileException& error) {
        report(error);
        return false;
    }
}

bool WriteRecordBytes(platform::BinaryFile& file, std::span<const std::uint8_t> bytes,
                      const FileErrorReport& report) {
    try {
        file.Write(bytes);
        return true;
    } catch (const CPSTFileException& error) {
        report(error);
        return false;
    }
}
