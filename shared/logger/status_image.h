// The logger's status image (the hex-dump reply to "Y?" without operands): memory pointers and the
// recording and wrap flags.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct StatusImage {
    std::uint32_t memoryStart = 0;
    std::uint32_t memoryEnd = 0;
    std::uint32_t recordPointer = 0;
    bool recording = false;
    bool wraps = false;
};

// A 24-bit memory address of the older models: (word AND 0x3FFF) + bank x 16384.
std::uint32_t BankAddress(std::uint8_t bank, std::uint16_t word);

// 10 bytes below type code 13 (bank-and-word addresses), 9 from 13 (32-bit little-endian pointer and
// end; the start is 0). nullopt when the image is shorter.
std::optional<StatusImage> DecodeStatusImage(std::span<const std::uint8_t> bytes, int typeCode);

// The two memory counts of a status: A the bytes in use, B the rest. Below type code 13 a wrapping
// memory counts all of it as used; from 13 a wrapping memory moves the pointer to the end first.
struct MemoryCounts {
    std::int64_t used = 0;
    std::int64_t rest = 0;
};
MemoryCounts CountMemory(StatusImage& status, int typeCode);
