// Tests of the 32-bit tick count and its wrap-safe comparisons.
#include "platform/base/tick_count.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace platform {
namespace {

TEST(TickCountTest, ElapsedAndDeadlinesSurviveTheWrap) {
    struct Case {
        std::uint32_t start;
        std::uint32_t now;
        std::uint32_t elapsed;
    };
    const Case cases[] = {
        {100, 350, 250},
        {0xFFFFFFF0, 0x00000010, 0x20},
        {0xFFFFFFFF, 0x00000000, 1},
        {5, 5, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TicksElapsed(c.start, c.now), c.elapsed) << c.start << " -> " << c.now;
    }

    struct DeadlineCase {
        std::uint32_t deadline;
        std::uint32_t now;
        bool reached;
    };
    const DeadlineCase deadlines[] = {
        {1000, 999, false},
        {1000, 1000, true},
        {1000, 1001, true},
        {0x00000010, 0xFFFFFFF0, false},  // deadline just past the wrap, now just before it
        {0xFFFFFFF0, 0x00000010, true},   // now just past the wrap
        {0x80000000, 0, false},
    };
    for (const auto& c : deadlines) {
        EXPECT_EQ(TickReached(c.deadline, c.now), c.reached) << c.deadline << " at " << c.now;
    }
}

TEST(TickCountTest, CountsMillisecondsForward) {
    const std::uint32_t start = TickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::uint32_t elapsed = TicksElapsed(start, TickCount());
    EXPECT_GE(elapsed, 5u);
    EXPECT_LT(elapsed, 5000u);
}

}  // namespace
}  // namespace platform
