// The check behind the table of each queue's message numbers: a number twice in one list or in two
// lists of one queue is found, wherever it stands.
#include "kivo32/app/queue_messages.h"

#include <gtest/gtest.h>

namespace {

TEST(QueueMessagesTest, ANumberTwiceForOneQueueIsFound) {
    constexpr unsigned kFrame[] = {WM_APP + 0xCE, WM_APP + 0xD0, WM_APP + 0xED};
    constexpr unsigned kFrameAgain[] = {WM_APP + 0xCE, WM_APP + 0xD0, WM_APP + 0xCE};
    constexpr unsigned kApplication[] = {WM_APP + 0xD3, WM_APP + 0xDA};
    constexpr unsigned kApplicationWithAFrameNumber[] = {WM_APP + 0xD3, WM_APP + 0xED};
    const struct {
        const char* name;
        bool once;
        std::initializer_list<std::span<const unsigned>> lists;
    } cases[] = {
        {"one list", true, {kFrame}},
        {"twice in one list, first and last", false, {kFrameAgain}},
        {"two lists apart", true, {kFrame, kApplication}},
        {"the last of the first list in the second", false, {kFrame, kApplicationWithAFrameNumber}},
        {"the first list's numbers in the last of three", false, {kApplication, kFrame, kFrameAgain}},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(EachMessageNumberOnce(entry.lists), entry.once);
    }
}

}  // namespace
