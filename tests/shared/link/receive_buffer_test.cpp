// The receive buffer: what it takes, and the room it offers a reader, capped by a block reply's length.
#include "shared/link/receive_buffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ReceiveBufferTest, RoomIsWhatIsLeftCappedByTheBlockLength) {
    ReceiveBuffer buffer;
    const std::vector<std::uint8_t> bytes(ReceiveBuffer::kCapacity - 10, 'x');
    const struct {
        int limit;
        std::size_t room;
    } cases[] = {{0, 10}, {-1, 10}, {4, 4}, {10, 10}, {11, 10}};
    ASSERT_EQ(buffer.Append(bytes), bytes.size());
    for (const auto& c : cases) {
        EXPECT_EQ(buffer.Room(c.limit), c.room) << c.limit;
    }
    EXPECT_EQ(ReceiveBuffer().Room(64), 64u);
    EXPECT_EQ(buffer.Append(std::vector<std::uint8_t>(20, 'y')), 10u);  // what does not fit is not taken
    EXPECT_EQ(buffer.Room(64), 0u);
    buffer.RemoveFront(5);
    EXPECT_EQ(buffer.Room(0), 5u);
}

}  // namespace
