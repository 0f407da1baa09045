// CFileHeader: construction and the file read and write of the 42 bytes.
#include "shared/setup/file_header.h"

#include "shared/setup/record_file_io.h"

CFileHeader::CFileHeader() {
    SetHeaderMark(kHeaderMark);
}

bool CFileHeader::Read(platform::BinaryFile& file, const FileErrorReport& report) {
    std::array<std::uint8_t, kSize> bytes{};
    if (!ReadRecordBytes(file, bytes, report)) {
        return false;
    }
    platform::ByteReader reader(bytes, platform::ByteOrder::Little);
    return block_.Read(reader);
}

bool CFileHeader::Write(platform::BinaryFile& file, const FileErrorReport& report) const {
    return WriteRecordBytes(file, block_.Bytes(), report);
}
