// CRC-16 with the reflected polynomial 0xA001.
#include "shared/link/crc16.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < table.size(); ++i) {
        std::uint32_t entry = i;
        for (int bit = 0; bit < 8; ++bit) {
            entry = (entry & 1) ? (entry >> 1) ^ 0xA001 : entry >> 1;
        }
        table[i] = entry;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();
static_assert(kCrcTable[1] == 0xC0C1 && kCrcTable[255] == 0x4040);

}  // namespace

std::uint16_t UpdateCrc16(unsigned start, std::span<const std::uint8_t> data) {
    unsigned crc = start & 0xFFFF;
    for (const std::uint8_t byte : data) {
        crc = ((crc >> 8) ^ kCrcTable[(byte ^ crc) & 0xFF]) & 0xFFFF;
    }
    return static_cast<std::uint16_t>(crc);
}

unsigned ReflectBits(unsigned value, unsigned bitCount) {
    if (bitCount <= 1) {
        return value & 1;
    }
    bitCount = bitCount > 32 ? 32 : bitCount;
    unsigned reflected = 0;
    for (unsigned bit = 0; bit < bitCount; ++bit) {
        if (value & (1u << bit)) {
            reflected |= 1u << (bitCount - 1 - bit);
        }
    }
    return reflected;
}
