// The in-process pair: bytes both ways, the room the receiver offers, the far end closing, and a stop.
#include "platform/io/stream_transport.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <string>

#include "tests/support/byte_collector.h"

namespace {

using testsupport::BytesOf;

// What the logger end holds after `count` bytes came, within a generous deadline.
std::string ReadLoggerEnd(const platform::UniqueFd& logger, std::size_t count) {
    std::string got;
    platform::ReaderThread idle;
    while (got.size() < count && idle.WaitReadable(logger.Get(), 10000) == platform::ReaderThread::Wait::Readable) {
        char buffer[64];
        const ssize_t n = ::recv(logger.Get(), buffer, sizeof buffer, MSG_DONTWAIT);
        if (n <= 0) {
            break;
        }
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
}

TEST(StreamTransportTest, BytesGoBothWaysInPiecesNoLargerThanTheRoom) {
    auto [program, logger] = platform::MakeInProcessPair();
    ASSERT_TRUE(program.Valid() && logger.Valid());
    platform::StreamTransport transport(std::move(program));
    testsupport::ByteCollector collector(3);
    ASSERT_TRUE(transport.StartReading(collector));
    EXPECT_FALSE(transport.StartReading(collector));

    EXPECT_EQ(transport.Write(BytesOf("I?\r"), 3), 3u);
    EXPECT_EQ(ReadLoggerEnd(logger, 3), "I?\r");
    ASSERT_EQ(::send(logger.Get(), "\r\nS0-02\r\n>", 10, 0), 10);
    ASSERT_TRUE(collector.WaitForBytes(10));
    EXPECT_EQ(collector.Received(), "\r\nS0-02\r\n>");
}

TEST(StreamTransportTest, TheFarEndClosingEndsTheReaderInOrder) {
    auto [program, logger] = platform::MakeInProcessPair();
    platform::StreamTransport transport(std::move(program));
    testsupport::ByteCollector collector;
    ASSERT_TRUE(transport.StartReading(collector));
    logger.Reset();
    EXPECT_EQ(collector.WaitForEnd(), 0);
    EXPECT_EQ(transport.Write(BytesOf("x"), 1), 0u);
}

TEST(StreamTransportTest, CloseStopsTheReaderWithoutAnEnd) {
    auto [program, logger] = platform::MakeInProcessPair();
    platform::StreamTransport transport(std::move(program));
    testsupport::ByteCollector collector;
    ASSERT_TRUE(transport.StartReading(collector));
    transport.Close();
    EXPECT_EQ(collector.Ended(), std::nullopt);
    EXPECT_EQ(transport.Write(BytesOf("x"), 1), 0u);
    EXPECT_FALSE(transport.StartReading(collector));
}

}  // namespace
