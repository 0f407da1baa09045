// Decoding the configuration table of each family.
#include "shared/logger/config_table.h"

#include "platform/base/byte_order.h"
#include "shared/common/logger_fields.h"

using platform::ByteOrder;

namespace {

// `count` pairs of signed 16-bit values, voltage first.
bool DecodeSignedPairs(std::span<const std::uint8_t> bytes, std::size_t count, ConfigTable& table) {
    if (bytes.size() < count * 4) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        table.voltage[i] = platform::ReadS16(bytes, 4 * i, ByteOrder::Big);
        table.current[i] = platform::ReadS16(bytes, 4 * i + 2, ByteOrder::Big);
    }
    return true;
}

}  // namespace

bool DecodeOrnatConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table) {
    table = {};
    return DecodeSignedPairs(bytes, ConfigTable::kOrnatSamples, table);
}

bool DecodeQuarvenConfigTable(std::span<const std::uint8_t> bytes, int entries, ConfigTable& table) {
    table = {};
    if (entries <= 0 || static_cast<std::size_t>(entries) > ConfigTable::kEntries) {
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(entries);
    if (bytes.size() < count * 6) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        table.voltage[i] = platform::ReadS16(bytes, 6 * i, ByteOrder::Big);
        table.current[i] = static_cast<std::int32_t>(platform::ReadU32(bytes, 6 * i + 2, ByteOrder::Big));
    }
    return true;
}

bool DecodeStandardConfigTable(std::span<const std::uint8_t> bytes, ConfigTable& table) {
    table = {};
    constexpr std::size_t kPairBytes = ConfigTable::kEntries * 4;
    if (bytes.size() < kPairBytes + 8 || !DecodeSignedPairs(bytes, ConfigTable::kEntries, table)) {
        table = {};
        return false;
    }
    table.floats = {GetLoggerFloat(bytes.subspan(kPairBytes, 4), 0),
                    GetLoggerFloat(bytes.subspan(kPairBytes + 4, 4), 0)};
    return true;
}
