// Hex-dump replies.
#include "tools/loggersim/hex_dump.h"

#include <cstdio>

namespace {

constexpr std::size_t kBytesPerLine = 32;

}  // namespace

std::uint16_t HexDumpChecksum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (const std::uint8_t byte : bytes) {
        sum = ((sum << 1) + ((sum & 0x8000) ? 1 : 0) + byte) & 0xFFFF;
    }
    return static_cast<std::uint16_t>(sum);
}

std::string HexDumpText(std::span<const std::uint8_t> bytes) {
    std::string text;
    char pair[3];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0 && i % kBytesPerLine == 0) {
            text += "\r\n";
        }
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        text += pair;
    }
    char checksum[6];
    std::snprintf(checksum, sizeof checksum, "%04X", HexDumpChecksum(bytes));
    return text + "=" + checksum;
}
