// The owned block buffer of the setup and program transfers.
#include "shared/logger/byte_block.h"

ByteBlock NewByteBlock(int length) {
    return ByteBlock{std::vector<std::uint8_t>(length > 0 ? static_cast<std::size_t>(length) : 0)};
}

void FreeByteBlock(ByteBlock& block) {
    std::vector<std::uint8_t>().swap(block.bytes);
}
