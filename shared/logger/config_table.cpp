// Decoding the configuration table of each family.
#include "shared/logger/config_table.h"

#include "platform/base/byte_order.h"
#include "shared/common/logger_fields.h"

using platform::ByteOrder;

bool DecodeOrnatConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table) {
    constexpr std::size_t kPairs = 128;
    table = {};
    if (bytes.size() < kPairs * 4) {
        return false;
    }
    for (std::size_t i = 0; i < kPairs; ++i) {
        table.second[i] = platform::ReadU16(bytes, 4 * i, ByteOrder::Big);
        table.first[i] = platform::ReadU16(bytes, 4 * i + 2, ByteOrder::Big);
    }
    return true;
}

bool DecodeQuarvenConfigTable(std::span<const std::uint8_t> bytes, int entries, ConfigTable& table) {
    table = {};
    const std::size_t count = static_cast<std::size_t>(entries);
    if (count > ConfigTable::kEntries || bytes.size() < count * 6) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        table.second[i] = platform::ReadU16(bytes, 6 * i, ByteOrder::Big);
        table.first[i] = static_cast<std::int32_t>(platform::ReadU32(bytes, 6 * i + 2, ByteOrder::Big));
    }
    return true;
}

bool DecodeStandardConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table) {
    table = {};
    constexpr std::size_t kPairBytes = ConfigTable::kEntries * 4;
    if (bytes.size() < kPairBytes + 8) {
        return false;
    }
    for (std::size_t i = 0; i < ConfigTable::kEntries; ++i) {
        table.first[i] = platform::ReadS16(bytes, 4 * i, ByteOrder::Big);
        table.second[i] = platform::ReadS16(bytes, 4 * i + 2, ByteOrder::Big);
    }
    table.floats = {GetLoggerFloat(bytes.subspan(kPairBytes, 4), 0), GetLoggerFloat(bytes.subspan(kPairBytes + 4, 4), 0)};
    return true;
}
