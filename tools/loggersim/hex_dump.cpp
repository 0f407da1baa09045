// Hex-dump replies and the identification record.
#include "tools/loggersim/hex_dump.h"

#include <algorithm>
#include <cstdio>

#include "tools/loggersim/logger_model.h"

namespace {

constexpr std::size_t kBytesPerLine = 32;

void PutText(std::vector<std::uint8_t>& record, std::size_t offset, std::size_t size,
             const std::string& text) {
    std::copy_n(text.begin(), std::min(size, text.size()),
                record.begin() + static_cast<std::ptrdiff_t>(offset));
}

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

std::vector<std::uint8_t> IdentificationRecord(const LoggerModel& model) {
    const bool longForm = model.firmwareText.size() > 1 && model.firmwareText[1] == 'X';
    const std::size_t f = longForm ? 109 : 43;
    std::vector<std::uint8_t> record(f + 9, 0);
    PutText(record, 0, 6, model.loggerId);
    PutText(record, 6, 21, model.description);
    PutText(record, 33, 10, model.firmwareText);
    if (longForm) {
        PutText(record, 43, 33, model.loggerId);
        PutText(record, 76, 33, model.description);
    }
    record[f + 7] = 1;  // memory bank
    return record;
}
