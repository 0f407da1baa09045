// Block writes: how a memory write is cut into checked chunks, the tagged block text, and both against
// the simulator with its checksum answers going wrong.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "shared/logger/memory_block_write.h"
#include "tests/shared/logger/logger_link_fixture.h"

namespace {

using testsupport::Transport;

std::vector<std::uint8_t> Counting(std::size_t n) {
    std::vector<std::uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

TEST(MemoryWriteChunkTest, ChunksKeepTwoCharactersUnderTheLimit) {
    struct Case {
        int limit;
        std::size_t bytes;
        std::vector<std::size_t> chunks;
    };
    // "M! 0100 " takes 8 characters; each byte two more.
    const Case cases[] = {
        {70, 100, {30, 30, 30, 10}},
        {70, 30, {30}},
        {12, 3, {1, 1, 1}},
        {11, 3, {}},  // not even one byte fits
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.limit);
        const std::vector<std::uint8_t> bytes = Counting(test.bytes);
        std::vector<std::size_t> chunks;
        for (std::size_t at = 0; at < bytes.size();) {
            const MemoryWriteChunk chunk =
                FormatMemoryWriteChunk(0x0100 + static_cast<int>(at), std::span(bytes).subspan(at), test.limit);
            if (chunk.byteCount == 0) {
                break;
            }
            EXPECT_LE(static_cast<int>(chunk.command.size()), test.limit - 2);
            chunks.push_back(chunk.byteCount);
            at += chunk.byteCount;
        }
        EXPECT_EQ(chunks, test.chunks);
    }
}

TEST(MemoryWriteChunkTest, TextAndChecksumOfAChunk) {
    const std::uint8_t bytes[] = {0x01, 0x02, 0x03};
    const MemoryWriteChunk chunk = FormatMemoryWriteChunk(0x1A0B0, bytes, 70);
    EXPECT_EQ(chunk.command, "M! A0B0 010203");  // the address keeps 16 bits
    EXPECT_EQ(chunk.checksum, 0x000B);
}

TEST(TaggedBlockTest, ChecksumCoversTagAndDigits) {
    const std::uint8_t bytes[] = {0x01, 0x02};
    EXPECT_EQ(FormatTaggedBlock("T!H", bytes), "T!H0102 =2076");
    EXPECT_EQ(FormatTaggedBlock("T!S", {}), "T!S =01E5");
}

class BlockWriteTest : public testsupport::LoggerLinkFixture {};

TEST_P(BlockWriteTest, EachChunkIsCheckedAndResentOnAWrongAnswer) {
    struct Case {
        int wrongAnswers;
        int result;
        int commands;
    };
    // 100 bytes: four chunks, each "M!" and "U?", then the whole range once more. A wrong answer costs
    // the chunk another send and check; a fourth one ends the write.
    const Case cases[] = {{0, 1, 9}, {1, 1, 11}, {3, 1, 15}, {4, 0, 8}};
    const ByteBlock block{Counting(100)};
    for (const Case& test : cases) {
        SCOPED_TRACE(test.wrongAnswers);
        ASSERT_TRUE(Connect("ornat2"));
        SimulatorFaults faults;
        faults.wrongMemoryChecksums = test.wrongAnswers;
        Logger().SetFaults(faults);
        const int before = Logger().CommandCount();
        EXPECT_EQ(Run([&] { return Object().WriteMemoryBlock(block, 0x0100); }), test.result);
        EXPECT_EQ(Logger().CommandCount() - before, test.commands);
        const std::vector<std::uint8_t> memory = Logger().State().setupMemory;
        if (test.result) {
            EXPECT_TRUE(std::equal(block.bytes.begin(), block.bytes.end(), memory.begin() + 0x0100));
        }
    }
}

TEST_P(BlockWriteTest, AnEmptyBlockSendsNothing) {
    ASSERT_TRUE(Connect("ornat2"));
    const int before = Logger().CommandCount();
    EXPECT_EQ(Run([this] { return Object().WriteMemoryBlock(NewByteBlock(0), 0x0100); }), 0);
    EXPECT_EQ(Logger().CommandCount(), before);
}

TEST_P(BlockWriteTest, TaggedBlocksReachTheQuarvenAndAreFreed) {
    ASSERT_TRUE(Start("quarven-rs"));
    ByteBlock header = NewByteBlock(72);
    header.bytes[2] = 'A';
    const std::vector<std::uint8_t> sent = header.bytes;
    EXPECT_EQ(Run([&] { return Object().FormatBlockWrite("T!H", header); }), 1);
    EXPECT_EQ(header.Length(), 0);
    EXPECT_EQ(Logger().State().quarvenBlocks.at('H'), sent);

    // Anything but "OK" fails the block.
    SimulatorFaults faults;
    faults.corruptReplies = 1;
    Logger().SetFaults(faults);
    ByteBlock labels = NewByteBlock(21);
    EXPECT_EQ(Run([&] { return Object().FormatBlockWrite("T!N", labels); }), 0);
    EXPECT_EQ(labels.Length(), 0);
}

INSTANTIATE_TEST_SUITE_P(Links, BlockWriteTest, ::testing::Values(Transport::Pty, Transport::Tcp),
                         testsupport::TransportName);

}  // namespace
