// The logger's form of a recording-option byte: the four option bits moved to the bits the logger uses
// for the channel's type.
#pragma once

#include <cstdint>

// Bits other than 0x01-0x08 are dropped; a type without a table (0, 10-14, above 17) gives 0.
std::uint8_t EncodeLoggerOptions(std::uint8_t options, int channelType);
std::uint8_t DecodeLoggerOptions(std::uint8_t loggerOptions, int channelType);
