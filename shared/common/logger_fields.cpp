// Numbers in the fields of logger replies and images.
#include "shared/common/logger_fields.h"

using platform::ByteOrder;

platform::ByteOrder LoggerByteOrder(int modelCode) {
    return modelCode >= kFirstLittleEndianModel ? ByteOrder::Little : ByteOrder::Big;
}

std::int16_t BytesToShort(std::span<const std::uint8_t> bytes) {
    return platform::ReadS16(bytes, 0, ByteOrder::Big);
}

std::uint16_t BytesToUShort(std::span<const std::uint8_t> bytes) {
    return platform::ReadU16(bytes, 0, ByteOrder::Big);
}

std::int32_t Bytes3ToLong(std::span<const std::uint8_t> bytes) {
    return platform::ReadS24(bytes, 0, ByteOrder::Big);
}

std::uint32_t Bytes3ToULong(std::span<const std::uint8_t> bytes) {
    return platform::ReadU24(bytes, 0, ByteOrder::Big);
}

std::int32_t BytesToLong(std::span<const std::uint8_t> bytes) {
    return platform::ReadS32(bytes, 0, ByteOrder::Big);
}

std::uint32_t BytesToULong(std::span<const std::uint8_t> bytes) {
    return platform::ReadU32(bytes, 0, ByteOrder::Big);
}

float GetLoggerFloat(std::span<const std::uint8_t> bytes, int modelCode) {
    const ByteOrder order = LoggerByteOrder(modelCode);
    const float value = platform::ReadF32(bytes, 0, order);
    // The older models mark an empty value by 0xFF in the first byte.
    return order == ByteOrder::Big && bytes[0] == 0xFF ? 0.0f : value;
}
