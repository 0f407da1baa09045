// Numbers in the fields of logger replies and images. The byte order follows the logger model: most
// significant byte first below model code 13, least significant first from 13 (QUARVEN RS and KX).
// Each reader throws std::out_of_range when the field does not lie wholly inside `bytes`.
#pragma once

#include <cstdint>
#include <span>

#include "platform/base/byte_order.h"

inline constexpr int kFirstLittleEndianModel = 13;

platform::ByteOrder LoggerByteOrder(int modelCode);

// Most significant byte first, from the start of `bytes`.
std::int16_t BytesToShort(std::span<const std::uint8_t> bytes);
std::uint16_t BytesToUShort(std::span<const std::uint8_t> bytes);
std::int32_t Bytes3ToLong(std::span<const std::uint8_t> bytes);  // sign-extended from bit 23
std::uint32_t Bytes3ToULong(std::span<const std::uint8_t> bytes);
std::int32_t BytesToLong(std::span<const std::uint8_t> bytes);
std::uint32_t BytesToULong(std::span<const std::uint8_t> bytes);

// A float field of a logger of `modelCode` (the model of the setup table or file it comes from, so
// that a file decodes the same with or without a logger connected): from model 13 a little-endian
// IEEE single; below, a first byte 0xFF means 0.0 and any other field is a big-endian IEEE single.
float GetLoggerFloat(std::span<const std::uint8_t> bytes, int modelCode);
