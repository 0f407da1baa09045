#include "shared/loggerlist/logger_entry.h"

#include <algorithm>
#include <stdexcept>

#include "platform/base/byte_order.h"

namespace {

constexpr std::string_view kClipboardTag{"KIVO\0", 5};

// Where each piece of a 434-byte record goes in the 462-byte one: the serial number grew from 6 to 33
// bytes and a byte came in at 241.
struct MovedField {
    std::size_t oldOffset;
    std::size_t newOffset;
    std::size_t length;
};
constexpr MovedField kWidening[] = {
    {0, 0, 6},     {6, 33, 6},     {12, 39, 21},   {33, 60, 22},    {55, 82, 8},
    {63, 90, 12},  {75, 102, 128}, {203, 230, 11}, {214, 242, 2},   {216, 244, 4},
    {220, 248, 2}, {222, 250, 2},  {224, 252, 18}, {242, 270, 192},
};

}  // namespace

CLogger::CLogger(const LoggerDefaults& defaults) {
    Reset(true, defaults);
}

void CLogger::Reset(bool fullReset, const LoggerDefaults& defaults) {
    const ScheduleBlock kept = GetScheduleBlock();
    record_ = {};
    record_.SetU8(kCallIntervalOffset, 1);
    record_.SetU8(kTasksOffset, 2);
    SetConnectType(defaults.connectType);
    record_.SetU16(kSpare2Offset, 100);
    record_.SetU32(kSingleCallOffset, 0xFFFFFFFF);
    record_.SetU32(kSecondCallOffset, 0xFFFFFFFF);
    record_.SetU16(kSpare1Offset, 1);
    SetBaudRate(defaults.baudRate);
    if (!fullReset) {
        SetScheduleBlock(kept);
    }
}

bool CLogger::ReadRecord(platform::ByteReader& reader, std::int16_t version) {
    const std::size_t size = RecordSizeOf(version);
    if (reader.remaining() < size) {
        return false;
    }
    const std::vector<std::uint8_t> bytes = reader.Bytes(size);
    if (size == kRecordSize) {
        std::copy(bytes.begin(), bytes.end(), record_.Field(0, kRecordSize).begin());
    } else {
        WidenOldRecord(bytes);
    }
    return true;
}

void CLogger::WidenOldRecord(std::span<const std::uint8_t> old) {
    // The serial number's new bytes are zero; byte 241 keeps what the entry held.
    std::ranges::fill(record_.Field(kSerialOffset, kSerialLength + 1), 0);
    for (const MovedField& field : kWidening) {
        const auto from = old.subspan(field.oldOffset, field.length);
        std::ranges::copy(from, record_.Field(field.newOffset, field.length).begin());
    }
}

void CLogger::WriteRecord(platform::ByteWriter& writer) const {
    record_.Write(writer);
}

std::vector<std::uint8_t> CLogger::ClipboardBlock() const {
    std::vector<std::uint8_t> block(kClipboardSize);
    std::ranges::copy(kClipboardTag, block.begin());
    std::ranges::copy(Bytes(), block.begin() + kClipboardTag.size());
    return block;
}

bool CLogger::PasteClipboardBlock(std::span<const std::uint8_t> block) {
    if (block.size() < kClipboardSize ||
        !std::ranges::equal(block.first(kClipboardTag.size()), kClipboardTag)) {
        return false;
    }
    std::ranges::copy(block.subspan(kClipboardTag.size(), kRecordSize),
                      record_.Field(0, kRecordSize).begin());
    return true;
}

void CLogger::SetConnectType(std::int16_t type) {
    record_.SetU16(kConnectTypeOffset, static_cast<std::uint16_t>(type));
    record_.SetU8(kByteConnectTypeOffset, static_cast<std::uint8_t>(type));
}

std::int16_t CLogger::Indexed(std::size_t offset, int index, int count) const {
    if (index < 0 || index >= count) {
        throw std::out_of_range("logger entry table index");
    }
    return S16(offset + 2 * static_cast<std::size_t>(index));
}

CLogger::ScheduleBlock CLogger::GetScheduleBlock() const {
    ScheduleBlock block;
    std::ranges::copy(record_.Field(kScheduleOffset, kScheduleSize), block.begin());
    return block;
}

void CLogger::SetScheduleBlock(const ScheduleBlock& block) {
    std::ranges::copy(block, record_.Field(kScheduleOffset, kScheduleSize).begin());
}

void CLogger::ConvertOldConnectType(std::string_view comPort) {
    SetConnectType(GetByteConnectType());
    if (GetConnectType() == kConnectDirect) {
        std::ranges::fill(record_.Field(kAddressOffset, kDataFolderOffset - kAddressOffset), 0);
        SetComPort(comPort);
    }
}
