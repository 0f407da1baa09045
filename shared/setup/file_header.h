// CFileHeader: the 42-byte header at the start of setup-table, logger-list and data files.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "shared/setup/raw_block.h"
#include "shared/setup/record_file_io.h"

namespace platform {
class BinaryFile;
}

class CFileHeader {
public:
    static constexpr std::size_t kSize = 42;
    static constexpr std::uint16_t kHeaderMark = 0x3333;

    enum FileKind : std::uint16_t {
        kKindSetupTable = 1,
        kKindLoggerList = 2,
        kKindRawDownload = 3,  // the intermediate file of a download, laid out as a data file
        kKindDataFile = 4,
    };
    // Data-file flag: the download recorded where the next new-data download continues.
    static constexpr std::uint8_t kFlagResumePosition = 0x01;

    // All zero but the header mark.
    CFileHeader();

    // Reads 42 bytes at the file's position. False when the file ends first or on a file error (which
    // goes to `report`); the header then keeps its previous content.
    bool Read(platform::BinaryFile& file, const FileErrorReport& report = ReportFileErrorInMessageBox);
    // Writes the 42 bytes at the file's position; false after reporting a file error to `report`.
    bool Write(platform::BinaryFile& file, const FileErrorReport& report = ReportFileErrorInMessageBox) const;
    bool Read(platform::ByteReader& reader) { return block_.Read(reader); }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }

    // Compared as a signed number by every reader.
    std::int16_t GetVersion() const { return static_cast<std::int16_t>(block_.U16(kVersionOffset)); }
    void SetVersion(std::int16_t version) {
        block_.SetU16(kVersionOffset, static_cast<std::uint16_t>(version));
    }
    std::uint16_t GetKind() const { return block_.U16(kKindOffset); }
    void SetKind(std::uint16_t kind) { block_.SetU16(kKindOffset, kind); }
    std::uint16_t GetHeaderMark() const { return block_.U16(kMarkOffset); }
    void SetHeaderMark(std::uint16_t mark) { block_.SetU16(kMarkOffset, mark); }
    // The minute stamp of the last record a download decoder converted.
    std::uint32_t GetLastRecordStamp() const { return block_.U32(kLastStampOffset); }
    void SetLastRecordStamp(std::uint32_t stamp) { block_.SetU32(kLastStampOffset, stamp); }
    // The seconds belonging to that stamp.
    std::int16_t GetLastRecordSeconds() const {
        return static_cast<std::int16_t>(block_.U16(kLastSecondsOffset));
    }
    void SetLastRecordSeconds(std::int16_t seconds) {
        block_.SetU16(kLastSecondsOffset, static_cast<std::uint16_t>(seconds));
    }
    std::uint8_t GetFlags() const { return block_.U8(kFlagsOffset); }
    void SetFlags(std::uint8_t flags) { block_.SetU8(kFlagsOffset, flags); }

    const std::array<std::uint8_t, kSize>& GetBytes() const { return block_.Bytes(); }

private:
    static constexpr std::size_t kVersionOffset = 0;
    static constexpr std::size_t kKindOffset = 2;
    static constexpr std::size_t kMarkOffset = 4;
    static constexpr std::size_t kLastStampOffset = 6;
    static constexpr std::size_t kLastSecondsOffset = 10;
    static constexpr std::size_t kFlagsOffset = 12;

    RawBlock<kSize> block_;
};
