// Recording-option bytes in the logger's bit positions.
#include "shared/setup/logger_options.h"

#include <array>

#include "shared/setup/setup_codes.h"

namespace {

// The logger bits of option bits 0x01, 0x02, 0x04 and 0x08.
using BitTable = std::array<std::uint8_t, 4>;
constexpr BitTable kValueChannelBits = {0x10, 0x40, 0x20, 0x80};
constexpr BitTable kRNDCBits = {0x40, 0x20, 0x10, 0x80};
constexpr BitTable kNoBits = {0, 0, 0, 0};

const BitTable& LoggerBits(int channelType) {
    if (channelType == kChannelRNDC) {
        return kRNDCBits;
    }
    // Types 7-9 travel as type 3.
    const bool valueChannel =
        IsHardwareType(channelType) || channelType == kChannelSoftware || IsAnalogType(channelType);
    return valueChannel ? kValueChannelBits : kNoBits;
}

}  // namespace

std::uint8_t EncodeLoggerOptions(std::uint8_t options, int channelType) {
    const BitTable& bits = LoggerBits(channelType);
    std::uint8_t encoded = 0;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if ((options & (1u << i)) != 0) {
            encoded |= bits[i];
        }
    }
    return encoded;
}

std::uint8_t DecodeLoggerOptions(std::uint8_t loggerOptions, int channelType) {
    const BitTable& bits = LoggerBits(channelType);
    std::uint8_t decoded = 0;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (bits[i] != 0 && (loggerOptions & bits[i]) != 0) {
            decoded |= static_cast<std::uint8_t>(1u << i);
        }
    }
    return decoded;
}
