// CDataLogger: the checked memory write of the memory models, its progress, and the tagged block
// write of the Quarven.
#include "shared/logger/memory_block_write.h"

#include <algorithm>
#include <cstdio>

#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/hex_dump_reply.h"
#include "shared/logger/logger_ids.h"

namespace {

// Sends of one chunk beyond the first, shared by failed sends and failed checks.
constexpr int kSpareSends = 3;
// Room the logger's line keeps free behind a memory write.
constexpr std::size_t kLineReserve = 2;

void AppendHexByte(std::string& text, std::uint8_t byte) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%2.02X", byte);
    text += pair;
}

}  // namespace

MemoryWriteChunk FormatMemoryWriteChunk(int address, std::span<const std::uint8_t> bytes, int commandLimit) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%s %4.04X ", "M!", unsigned(address) & 0xFFFFu);
    MemoryWriteChunk chunk{prefix};
    const std::size_t limit = static_cast<std::size_t>(std::max(commandLimit, 0));
    unsigned checksum = 0;
    for (const std::uint8_t byte : bytes) {
        if (chunk.command.size() + 2 + kLineReserve > limit) {
            break;
        }
        AppendHexByte(chunk.command, byte);
        checksum = ChecksumStep(checksum, byte) & 0xFFFF;
        ++chunk.byteCount;
    }
    chunk.checksum = static_cast<std::uint16_t>(checksum);
    return chunk;
}

std::string FormatTaggedBlock(std::string_view tag, std::span<const std::uint8_t> bytes) {
    std::string text(tag);
    for (const std::uint8_t byte : bytes) {
        AppendHexByte(text, byte);
    }
    unsigned checksum = 0;
    for (const char c : text) {
        checksum = ChecksumStep(checksum, static_cast<std::uint8_t>(c)) & 0xFFFF;
    }
    char field[16];
    std::snprintf(field, sizeof field, " =%4.04X", checksum);
    return text + field;
}

int CDataLogger::WriteMemoryBlock(const ByteBlock& block, int address) {
    const int length = block.Length();
    if (length < 1) {
        return 0;
    }
    bytes_to_write_ = length;
    bytes_written_ = 0;
    const std::span<const std::uint8_t> bytes = block.Span();
    const auto wait = [this] { WriteWaitCallback(); };
    int chunkAddress = address;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const MemoryWriteChunk chunk =
            FormatMemoryWriteChunk(chunkAddress, bytes.subspan(at), connection_->GetCommandLimit());
        if (chunk.byteCount == 0) {
            return 0;
        }
        bool written = false;
        for (int send = 0; send <= kSpareSends && !written; ++send) {
            std::uint16_t answer = 0;
            written = connection_->DoCommand(chunk.command, 16000, wait) &&
                      ReadMemoryWord(chunkAddress, static_cast<int>(chunk.byteCount), answer) &&
                      answer == chunk.checksum;
        }
        if (!written) {
            return 0;
        }
        chunkAddress += static_cast<int>(chunk.byteCount);
        at += chunk.byteCount;
        bytes_written_ += static_cast<std::int64_t>(chunk.byteCount);
    }
    std::uint16_t whole = 0;
    return ReadMemoryWord(address, length, whole) && whole == BlockChecksum(bytes);
}

void CDataLogger::WriteWaitCallback() {
    const std::int64_t sending = std::max((connection_->GetSentCount() - 10) / 2, 0);
    const std::int64_t bytes = bytes_written_ + sending;
    if (!transfer_active_) {
        bytes_written_ = bytes;
    }
    const int percent =
        bytes_to_write_ > 0 ? static_cast<int>(std::min<std::int64_t>(bytes * 100 / bytes_to_write_, 100)) : 0;
    if (percent > 0 && percent > last_percent_) {
        PostStatusValue(STATUS_COMMAND_DONE, percent);
        last_percent_ = percent;
    }
}

int CDataLogger::FormatBlockWrite(std::string_view tag, ByteBlock& block) {
    const std::string command = FormatTaggedBlock(tag, block.Span());
    FreeByteBlock(block);
    if (connection_->DoCommand(command, 16000) && ReplyLine().starts_with("OK")) {
        return 1;
    }
    PostStatusValue(STATUS_TIMEOUT, 0);
    return 0;
}
