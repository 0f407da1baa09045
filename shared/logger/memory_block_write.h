// The command texts of block writes: a chunk of the memory write "M!" and a tagged block of the
// Quarven, each with the checksum the logger checks it by.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct MemoryWriteChunk {
    std::string command;     // "M! AAAA " and two hex digits a byte
    std::size_t byteCount = 0;
    std::uint16_t checksum = 0;  // of the chunk's bytes, as "U?" answers it
};

// The longest chunk of `bytes` that starts at `address` and keeps its command at least two characters
// under `commandLimit`; no bytes when not even one fits.
MemoryWriteChunk FormatMemoryWriteChunk(int address, std::span<const std::uint8_t> bytes, int commandLimit);

// `tag` and two hex digits a byte, then " =" and the checksum over every character before the blank.
std::string FormatTaggedBlock(std::string_view tag, std::span<const std::uint8_t> bytes);
