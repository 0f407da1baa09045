// Decoding the status image.
#include "shared/logger/status_image.h"

#include "platform/base/byte_order.h"

std::uint32_t BankAddress(std::uint8_t bank, std::uint16_t word) {
    return (word & 0x3FFFu) + bank * 16384u;
}

std::optional<StatusImage> DecodeStatusImage(std::span<const std::uint8_t> bytes, int typeCode) {
    StatusImage status;
    std::uint8_t state = 0;
    if (typeCode >= 13) {
        if (bytes.size() < 9) {
            return std::nullopt;
        }
        status.recordPointer = platform::ReadU32(bytes, 0, platform::ByteOrder::Little);
        status.memoryEnd = platform::ReadU32(bytes, 4, platform::ByteOrder::Little);
        state = bytes[8];
    } else {
        if (bytes.size() < 10) {
            return std::nullopt;
        }
        const auto address = [&](std::size_t at) {
            return BankAddress(bytes[at], platform::ReadU16(bytes, at + 1, platform::ByteOrder::Big));
        };
        status.memoryStart = address(0);
        status.memoryEnd = address(3);
        status.recordPointer = address(6);
        state = bytes[9];
    }
    status.recording = (state & 0x80) != 0;
    status.wraps = (state & 0x40) != 0;
    return status;
}

MemoryCounts CountMemory(StatusImage& status, int typeCode) {
    MemoryCounts counts;
    if (typeCode >= 13) {
        if (status.wraps) {
            status.recordPointer = status.memoryEnd;
        }
        counts.used = status.recordPointer;
        counts.rest = std::int64_t{status.memoryEnd} - status.recordPointer;
        return counts;
    }
    const std::int64_t all = std::int64_t{status.memoryEnd} - status.memoryStart;
    counts.used = status.wraps ? all : std::int64_t{status.memoryEnd} - status.recordPointer;
    counts.rest = all - counts.used;
    return counts;
}
