// The session's command protocol, its cancel and its model decision, on a session without a logger.
#include <gtest/gtest.h>

#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/program_texts.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/scripted_ui_broker.h"

namespace {

using namespace std::chrono_literals;

// A session whose only command tells the main window that the messages before it were handled.
class BareSession : public CSession {
public:
    static constexpr unsigned kMarker = WM_USER + 7;

    explicit BareSession(CAppContext& app, unsigned cancelTextId = IDS_COMMAND_CANCELLED)
        : CSession(app, cancelTextId) {}
    ~BareSession() override { StopAndJoin(); }

protected:
    void OnCommand(platform::Message& message) override { PostToMainWindow(platform::Message(message.id)); }
};

class SessionCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::TextTable texts;
        texts.Set(IDS_COMMAND_CANCELLED, "Command cancelled.");
        texts.Set(IDS_UNKNOWN_MODEL, "Unknown logger");
        SetProgramTexts(std::move(texts));
        session_.SetStatusWindow(&window_);
        session_.Start();
    }
    void TearDown() override { SetProgramTexts({}); }

    // The messages the main window got, as (id, wParam) pairs.
    std::vector<std::pair<unsigned, std::uintptr_t>> Posted() {
        std::vector<std::pair<unsigned, std::uintptr_t>> posted;
        while (auto message = queue_.TryTake()) {
            posted.emplace_back(message->id, message->wParam);
        }
        return posted;
    }

    // Posts `message` to the session and returns what the main window got until it was handled.
    std::vector<std::pair<unsigned, std::uintptr_t>> Handle(platform::Message message) {
        session_.Post(std::move(message));
        session_.Post(platform::Message(BareSession::kMarker));
        std::vector<std::pair<unsigned, std::uintptr_t>> posted;
        while (auto taken = queue_.Take(10s)) {
            if (taken->id == BareSession::kMarker) {
                break;
            }
            posted.emplace_back(taken->id, taken->wParam);
        }
        return posted;
    }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker broker_;
    platform::MessageQueue queue_;
    platform::QueueMessageTarget window_{queue_};
    BareSession session_{app_};
};

TEST_F(SessionCommandTest, ACommandClearsTheAbortFlagAndEndsOnceDone) {
    app_.Set(CAppContext::Flag::Abort, true);
    session_.BeginCommand();
    EXPECT_FALSE(app_.IsSet(CAppContext::Flag::Abort));
    EXPECT_TRUE(session_.IsBusy());
    EXPECT_TRUE(session_.IsCommandInProgress());
    EXPECT_FALSE(session_.WaitForCommandDone(1ms));

    session_.EndCommand();
    EXPECT_TRUE(session_.WaitForCommandDone(0ms));
    EXPECT_FALSE(session_.IsBusy());
    EXPECT_FALSE(session_.IsCommandInProgress());
    const auto posted = Posted();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0], std::make_pair(WM_LINK_STATUS, std::uintptr_t{STATUS_COMMAND_DONE}));
    EXPECT_EQ(posted[1], std::make_pair(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1)));
}

TEST_F(SessionCommandTest, ACancelDuringACommandOrTheEndOfTheSessionOnlyClearsTheBusyFlag) {
    const auto cancelled = std::make_pair(WM_LINK_STATUS, std::uintptr_t{STATUS_TEXT});
    const auto cursorBack = std::make_pair(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1));
    const struct {
        bool inCommand;
        bool disconnecting;
        std::vector<std::pair<unsigned, std::uintptr_t>> posted;
    } cases[] = {
        {false, false, {cancelled, cursorBack}},
        {true, false, {cancelled}},
        {false, true, {cancelled}},
    };
    for (const auto& entry : cases) {
        if (entry.inCommand) {
            session_.BeginCommand();
        }
        app_.Set(CAppContext::Flag::Disconnecting, entry.disconnecting);
        Posted();
        EXPECT_EQ(Handle(platform::Message(WM_CANCEL_COMMAND)), entry.posted) << entry.inCommand;
        EXPECT_FALSE(session_.IsBusy()) << entry.inCommand;
        EXPECT_EQ(session_.IsCommandInProgress(), entry.inCommand);
        if (entry.inCommand) {
            session_.EndCommand();
        }
    }
}

TEST_F(SessionCommandTest, ASessionMayTellACancelInItsOwnWords) {
    constexpr unsigned kCallCancelled = 8221;
    platform::TextTable texts;
    texts.Set(IDS_COMMAND_CANCELLED, "Command cancelled.");
    texts.Set(kCallCancelled, "Call cancelled.");
    SetProgramTexts(std::move(texts));
    BareSession calling(app_, kCallCancelled);
    calling.SetStatusWindow(&window_);
    calling.Start();
    calling.Post(platform::Message(WM_CANCEL_COMMAND));
    const auto status = queue_.Take(10s);
    ASSERT_TRUE(status);
    EXPECT_EQ(*platform::PayloadAs<std::string>(*status), "Call cancelled.");
}

TEST_F(SessionCommandTest, AnIdentificationNotUnderstoodIsToldUnlessAborted) {
    broker_.SetDefaultAnswer(IDOK);
    for (const bool aborted : {false, true}) {
        session_.NewDirectConnection("", 19200);
        session_.GetConnection()->SetFirmwareVersion("AL2-2.121");
        app_.Set(CAppContext::Flag::Abort, aborted);
        EXPECT_EQ(session_.DecodeModel(), 0);
        EXPECT_EQ(session_.GetLoggerType(), kNoLogger);
        EXPECT_EQ(session_.GetModelName(), "Unknown logger");
    }
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDS_MODEL_NOT_UNDERSTOOD);
}

}  // namespace
