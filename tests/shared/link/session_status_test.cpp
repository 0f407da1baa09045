// The session's status notices: texts by id and owned texts, and values, to its status window.
#include <gtest/gtest.h>

#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "tests/support/link_test_session.h"

namespace {

class SessionStatusTest : public ::testing::Test {
protected:
    void SetUp() override { session_.SetStatusWindow(&window_); }
    void TearDown() override { SetProgramTexts({}); }

    platform::MessageQueue queue_;
    platform::QueueMessageTarget window_{queue_};
    testsupport::LinkTestSession session_;
};

TEST_F(SessionStatusTest, TextsAndValuesReachTheStatusWindow) {
    platform::TextTable texts;
    texts.Set(12329, "Reading the logger status...");
    SetProgramTexts(std::move(texts));
    session_.PostStatusString(STATUS_TEXT, 12329);
    session_.PostStatusString(STATUS_TEXT, 0);  // id 0 posts nothing
    {
        std::string text = "Logger 1/S0-02.115";
        session_.PostStatus(1174, text);
        text.assign("changed after posting");
    }
    session_.PostStatus(1173, std::intptr_t{42});

    auto first = queue_.TryTake();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->id, WM_LINK_STATUS);
    EXPECT_EQ(first->wParam, STATUS_TEXT);
    EXPECT_EQ(*platform::PayloadAs<std::string>(*first), "Reading the logger status...");
    auto second = queue_.TryTake();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->wParam, 1174u);
    EXPECT_EQ(*platform::PayloadAs<std::string>(*second), "Logger 1/S0-02.115");
    auto third = queue_.TryTake();
    ASSERT_TRUE(third);
    EXPECT_EQ(third->wParam, 1173u);
    EXPECT_EQ(third->lParam, 42);
    EXPECT_EQ(third->payload, nullptr);
    EXPECT_FALSE(queue_.TryTake());
}

TEST_F(SessionStatusTest, WithoutAWindowNothingIsPosted) {
    session_.SetStatusWindow(nullptr);
    session_.PostStatus(1174, std::string("text"));
    EXPECT_FALSE(queue_.TryTake());
    session_.SetFirmwareVersion(334);
    session_.SetModelName("Quarven KX");
    EXPECT_EQ(session_.GetFirmwareVersion(), 334);
    EXPECT_EQ(session_.GetModelName(), "Quarven KX");
}

}  // namespace
