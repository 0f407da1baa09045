// ByteBlock: the small owned buffer one block of a setup or program transfer is built in.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct ByteBlock {
    std::vector<std::uint8_t> bytes;

    int Length() const { return static_cast<int>(bytes.size()); }
    std::span<std::uint8_t> Span() { return bytes; }
    std::span<const std::uint8_t> Span() const { return bytes; }
};

// A zero-filled block of `length` bytes; a length below 1 gives a block without bytes.
ByteBlock NewByteBlock(int length);
// Gives the bytes back; the block is then empty.
void FreeByteBlock(ByteBlock& block);
