// CDataInfo: the tagged information record that follows the header of a data file.
#include "shared/datafile/data_info.h"

#include <vector>

#include "platform/base/binary_file.h"
#include "platform/base/byte_order.h"
#include "platform/base/fixed_text.h"
#include "shared/datafile/message_sink.h"

using platform::ByteOrder;

namespace {

constexpr std::size_t kEntryHeadSize = 4;
constexpr std::uint16_t kNumberSize = 4;

void WriteEntry(platform::ByteWriter& out, std::uint16_t tag, std::span<const std::uint8_t> payload) {
    out.U16(tag);
    out.U16(static_cast<std::uint16_t>(payload.size()));
    out.Bytes(payload);
}

void WriteNumberEntry(platform::ByteWriter& out, std::uint16_t tag, std::uint32_t value) {
    out.U16(tag);
    out.U16(kNumberSize);
    out.U32(value);
}

// Moves past `count` bytes; false when they would run past the end of the file.
bool SkipPayload(platform::BinaryFile& file, std::uint16_t count) {
    if (file.Position() + count > file.Length()) {
        return false;
    }
    file.Seek(count, platform::BinaryFile::Origin::Current);
    return true;
}

// Reads a whole payload of `target.size()` bytes; false on a short read.
bool ReadPayload(platform::BinaryFile& file, std::span<std::uint8_t> target) {
    return file.Read(target) == target.size();
}

bool ReadNumber(platform::BinaryFile& file, std::uint32_t& value) {
    std::array<std::uint8_t, kNumberSize> bytes{};
    if (!ReadPayload(file, bytes)) {
        return false;
    }
    value = platform::ReadU32(bytes, 0, ByteOrder::Little);
    return true;
}

// A text field read from a file always ends in a NUL, whatever the file held.
template <std::size_t Size>
bool ReadText(platform::BinaryFile& file, std::array<std::uint8_t, Size>& text) {
    if (!ReadPayload(file, text)) {
        return false;
    }
    text.back() = 0;
    return true;
}

}  // namespace

void CDataInfo::Clear() {
    *this = CDataInfo();
}

std::string CDataInfo::GetIdText() const {
    return platform::ReadFixedText(id_text_);
}

void CDataInfo::SetIdText(std::string_view text) {
    platform::WriteFixedText(id_text_, text);
}

std::string CDataInfo::GetTypeText() const {
    return platform::ReadFixedText(type_text_);
}

void CDataInfo::SetTypeText(std::string_view text) {
    platform::WriteFixedText(type_text_, text);
}

std::uint32_t* CDataInfo::NumberField(std::uint16_t tag) {
    switch (tag) {
        case kTagFirstLoggerTime:
            return &first_logger_time_;
        case kTagSecondLoggerTime:
            return &second_logger_time_;
        case kTagRecordCount:
            return &record_count_;
        case kTagLoggerMemoryPosition:
            return &logger_memory_position_;
        case kTagLastRecordTimeMark:
            return &last_record_time_mark_;
        default:
            return nullptr;
    }
}

bool CDataInfo::Write(platform::BinaryFile* file, CMessageSink& messages) const {
    if (file == nullptr) {
        return false;
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kWrittenSize);
    platform::ByteWriter out(bytes, ByteOrder::Little);
    WriteNumberEntry(out, kTagFirstLoggerTime, first_logger_time_);
    WriteNumberEntry(out, kTagSecondLoggerTime, second_logger_time_);
    WriteNumberEntry(out, kTagRecordCount, record_count_);
    WriteEntry(out, kTagIdText, id_text_);
    WriteNumberEntry(out, kTagLoggerMemoryPosition, logger_memory_position_);
    WriteNumberEntry(out, kTagLastRecordTimeMark, last_record_time_mark_);
    WriteEntry(out, kTagTypeText, type_text_);
    out.U16(kTagEnd);
    out.U16(0);
    try {
        file->Write(bytes);
    } catch (const CPSTFileException& error) {
        messages.ReportFileException(error);
        return false;
    }
    return true;
}

bool CDataInfo::Read(platform::BinaryFile* file, CMessageSink& messages) {
    if (file == nullptr) {
        return false;
    }
    CDataInfo read = *this;
    try {
        for (;;) {
            std::array<std::uint8_t, kEntryHeadSize> head{};
            if (!ReadPayload(*file, head)) {
                return false;
            }
            const std::uint16_t tag = platform::ReadU16(head, 0, ByteOrder::Little);
            const std::uint16_t length = platform::ReadU16(head, 2, ByteOrder::Little);
            if (tag == kTagEnd) {
                if (!SkipPayload(*file, length)) {
                    return false;
                }
                break;
            }
            std::uint32_t* number = length == kNumberSize ? read.NumberField(tag) : nullptr;
            bool ok;
            if (number != nullptr) {
                ok = ReadNumber(*file, *number);
            } else if (tag == kTagIdText && length == kIdTextSize) {
                ok = ReadText(*file, read.id_text_);
            } else if (tag == kTagTypeText && length == kTypeTextSize) {
                ok = ReadText(*file, read.type_text_);
            } else {
                // An unknown tag, or a known one of another length.
                ok = SkipPayload(*file, length);
            }
            if (!ok) {
                return false;
            }
        }
    } catch (const CPSTFileException& error) {
        messages.ReportFileException(error);
        return false;
    }
    read.valid_ = true;
    *this = read;
    return true;
}
