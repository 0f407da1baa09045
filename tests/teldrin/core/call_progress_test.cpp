// A call's download progress as the main frame gets it: each new position once, within 0-100.
#include "teldrin/core/call_progress.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/message_queue.h"
#include "teldrin/core/teldrin_messages.h"

namespace {

TEST(TeldrinCallProgressTest, PostsEachNewPositionOnceWithinTheBarsRange) {
    platform::MessageQueue queue;
    platform::QueueMessageTarget frame(queue);
    teldrin::CallProgress progress(frame);
    for (const int percent : {0, 0, 5, 5, 5, 40, 130, 100, -3}) {
        progress.SetProgress(percent);
    }
    std::vector<long> posted;
    while (auto message = queue.TryTake()) {
        ASSERT_EQ(message->id, teldrin::WM_TELDRIN_STATUS);
        ASSERT_EQ(message->wParam, teldrin::kStatusProgress);
        posted.push_back(static_cast<long>(message->lParam));
    }
    EXPECT_EQ(posted, (std::vector<long>{0, 5, 40, 100, 0}));
}

}  // namespace
