// Decoding the identification record.
#include "shared/logger/identity_record.h"

#include <cctype>
#include <cstdlib>

namespace {

constexpr std::size_t kLongOffset = 109;
constexpr std::size_t kShortOffset = 43;

// The text of a field up to its first NUL.
std::string FieldText(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    std::string text;
    for (std::size_t i = offset; i < offset + size && bytes[i] != 0; ++i) {
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

// The text up to the first byte that `keep` refuses.
template <class Keep>
std::string IdText(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size, Keep keep) {
    std::string text;
    for (std::size_t i = offset; i < offset + size && keep(bytes[i]); ++i) {
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

bool IsAsciiAlnum(std::uint8_t c) {
    return c < 0x80 && std::isalnum(c);
}

}  // namespace

std::optional<IdentityRecord> DecodeIdentityRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < IdentityRecord::kShortSize) {
        return std::nullopt;
    }
    IdentityRecord record;
    record.longForm = bytes[34] == 'X';
    if (record.longForm && bytes.size() < IdentityRecord::kLongSize) {
        return std::nullopt;
    }
    record.loggerId = IdText(bytes, 0, 6, IsAsciiAlnum);
    record.description = FieldText(bytes, 6, 21);
    record.thirdText = FieldText(bytes, 27, 6);
    record.firmwareText = FieldText(bytes, 33, 10);
    if (record.longForm) {
        record.longLoggerId = IdText(bytes, 43, 33, [](std::uint8_t c) { return IsAsciiAlnum(c) || c == '\''; });
        record.longDescription = FieldText(bytes, 76, 33);
    }
    const std::size_t f = record.longForm ? kLongOffset : kShortOffset;
    const std::uint8_t options = bytes[f + 5];
    record.optionFlags = {(options & 0x80) != 0, (options & 0x40) != 0, (options & 0x04) != 0,
                          (options & 0x02) != 0, (options & 0x01) != 0};
    record.modeCode = (options & 0x08) ? -3 : (options & 0x10) ? -2 : (options & 0x20) ? -1 : 0;
    const std::uint8_t state = bytes[f + 6];
    record.recording = (state & 0x80) != 0;
    record.wraps = (state & 0x40) != 0;
    record.memoryBank = bytes[f + 7];
    record.configByte2 = bytes[f + 8];
    return record;
}

int FirmwareNumber(const std::string& firmwareText) {
    const std::size_t point = firmwareText.find('.');
    if (point == std::string::npos) {
        return 0;
    }
    const int number = std::atoi(firmwareText.c_str() + point + 1);
    return firmwareText.rfind("NX4", 0) == 0 ? number + 100 : number;
}

double FirmwareVersionFromThird(const std::string& firmwareText) {
    return firmwareText.size() > 2 ? std::strtod(firmwareText.c_str() + 2, nullptr) : 0.0;
}
