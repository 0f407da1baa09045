#include "shared/loggerlist/logger_list_file.h"

#include <string_view>

#include "platform/base/byte_order.h"

namespace {

using platform::ByteOrder;

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassReferenceTag = 0x8001;
constexpr std::uint16_t kBigCount = 0xFFFF;
constexpr std::uint16_t kSchema = 1;
constexpr std::string_view kClassName = "CLogger";
constexpr std::size_t kClassHeaderSize = 2 + 2 + 2 + kClassName.size();

bool ReadClassTag(platform::ByteReader& reader, bool first) {
    const std::uint16_t tag = reader.U16();
    if (!first) {
        return reader.ok() && tag == kClassReferenceTag;
    }
    const std::uint16_t schema = reader.U16();
    const std::uint16_t nameLength = reader.U16();
    if (!reader.ok() || tag != kNewClassTag || schema != kSchema || nameLength != kClassName.size()) {
        return false;
    }
    const std::vector<std::uint8_t> name = reader.Bytes(kClassName.size());
    return reader.ok() &&
           std::string_view(reinterpret_cast<const char*>(name.data()), name.size()) == kClassName;
}

}  // namespace

LoggerListRead ReadLoggerList(std::span<const std::uint8_t> bytes, const LoggerDefaults& defaults,
                              LoggerListContent& content) {
    platform::ByteReader reader(bytes, ByteOrder::Little);
    CFileHeader header;
    if (!header.Read(reader)) {
        return LoggerListRead::kDamaged;
    }
    if (header.GetKind() != CFileHeader::kKindLoggerList || header.GetVersion() > kLoggerListVersion) {
        return LoggerListRead::kNotAList;
    }
    std::uint32_t count = reader.U16();
    if (count == kBigCount) {
        count = reader.U32();
    }
    // Every entry after the first takes its tag and a record: a count the bytes left cannot hold is
    // refused before anything is made.
    const std::size_t recordSize = CLogger::RecordSizeOf(header.GetVersion());
    if (!reader.ok() || count == 0 ||
        reader.remaining() < kClassHeaderSize - 2 + std::size_t{count} * (2 + recordSize)) {
        return LoggerListRead::kDamaged;
    }
    std::vector<CLogger> entries;
    entries.reserve(count);
    for (std::uint32_t index = 0; index < count; ++index) {
        CLogger& entry = entries.emplace_back(defaults);
        if (!ReadClassTag(reader, index == 0) || !entry.ReadRecord(reader, header.GetVersion())) {
            return LoggerListRead::kDamaged;
        }
    }
    content.header = header;
    content.entries = std::move(entries);
    return LoggerListRead::kOk;
}

std::vector<std::uint8_t> WriteLoggerList(const CFileHeader& header, const std::vector<CLogger>& entries) {
    std::vector<std::uint8_t> bytes;
    platform::ByteWriter writer(bytes, ByteOrder::Little);
    header.Write(writer);
    if (entries.size() < kBigCount) {
        writer.U16(static_cast<std::uint16_t>(entries.size()));
    } else {
        writer.U16(kBigCount);
        writer.U32(static_cast<std::uint32_t>(entries.size()));
    }
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (index == 0) {
            writer.U16(kNewClassTag);
            writer.U16(kSchema);
            writer.U16(static_cast<std::uint16_t>(kClassName.size()));
            writer.Bytes(
                std::span(reinterpret_cast<const std::uint8_t*>(kClassName.data()), kClassName.size()));
        } else {
            writer.U16(kClassReferenceTag);
        }
        entries[index].WriteRecord(writer);
    }
    return bytes;
}
