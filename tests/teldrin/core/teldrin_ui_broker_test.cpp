// teldrin's broker: nothing waits on a window; each message is logged through the main frame with the
// answer its rule gave.
#include "teldrin/core/teldrin_ui_broker.h"

#include <gtest/gtest.h>

#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "teldrin/core/teldrin_messages.h"

namespace {

TEST(TeldrinUiBrokerTest, AnswersByRuleAndLogsEachMessage) {
    platform::MessageQueue queue;
    platform::QueueMessageTarget frame(queue);
    teldrin::TeldrinUiBroker broker(frame);
    struct Case {
        unsigned style;
        int answer;
    };
    const Case cases[] = {
        {MB_OK | MB_ICONEXCLAMATION, IDOK}, {MB_YESNO | MB_ICONQUESTION, IDNO},
        {MB_YESNOCANCEL, IDCANCEL},         {MB_OKCANCEL, IDCANCEL},
        {MB_RETRYCANCEL, IDCANCEL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(broker.MessageBox("Convert?", "Teldrin", c.style), c.answer);
        const std::optional<platform::Message> line = queue.TryTake();
        ASSERT_TRUE(line);
        EXPECT_EQ(line->id, teldrin::WM_TELDRIN_LOG_LINE);
        EXPECT_EQ(*platform::PayloadAs<std::string>(*line),
                  "Teldrin: Convert? [" + std::to_string(c.answer) + "]");
    }
    bool ran = false;
    EXPECT_EQ(broker.RunDialog("CProgressDlg", [&] { return ran = true, IDOK; }), IDCANCEL);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(broker.PromptFileName({}).has_value());
}

}  // namespace
