// teldrin's broker: nothing waits on a window; each message is logged through the main frame with the
// answer its rule gave.
#include "teldrin/core/teldrin_ui_broker.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

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

// A broker that records the boxes it was asked.
class AnsweringBroker : public platform::UiBroker {
public:
    int MessageBox(const std::string& text, const std::string&, unsigned) override {
        asked.push_back(text);
        return IDRETRY;
    }
    std::optional<std::filesystem::path> PromptFileName(const platform::FileNameRequest&) override {
        return {};
    }
    int RunDialog(std::string_view, const std::function<int()>& dialog) override { return dialog(); }
    std::vector<std::string> asked;
};

TEST(TeldrinUiBrokerTest, OnlyTheUsersOwnDialogReachesThemWhileTheyWorkInIt) {
    platform::MessageQueue queue;
    platform::QueueMessageTarget frame(queue);
    teldrin::TeldrinUiBroker broker(frame);
    AnsweringBroker user;
    broker.SetUserDialogBroker(&user);
    EXPECT_EQ(broker.MessageBox("Choose a baud rate from the list.", "", MB_OK), IDRETRY);
    // A call's message meanwhile keeps the rule and goes to the log.
    int callAnswer = 0;
    std::thread([&] { callAnswer = broker.MessageBox("Convert?", "", MB_YESNO); }).join();
    EXPECT_EQ(callAnswer, IDNO);
    EXPECT_EQ(user.asked, std::vector<std::string>{"Choose a baud rate from the list."});
    const std::optional<platform::Message> line = queue.TryTake();
    ASSERT_TRUE(line);
    EXPECT_EQ(*platform::PayloadAs<std::string>(*line), "Convert? [7]");
    EXPECT_FALSE(queue.TryTake());

    broker.SetUserDialogBroker(nullptr);
    EXPECT_EQ(broker.MessageBox("Again", "", MB_OK), IDOK);
    EXPECT_EQ(user.asked.size(), 1u);
}

}  // namespace
