// The session thread takes a cancel while it waits for the user's answer to a question it asked; its idle
// watch wakes a link idle long enough and leaves a lost link alone.
#include "shared/link/session.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <future>
#include <mutex>

#include "platform/base/answer_wait.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_queue.h"
#include "platform/base/ui_broker.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "tests/shared/link/scripted_logger.h"
#include "tests/support/eventually.h"
#include "tests/support/link_test_session.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

using namespace std::chrono_literals;

// A broker whose user answers only when the test says so; the asking thread waits as it waits for the
// program's windows, through its own AnswerWait.
class HeldAnswerBroker : public platform::UiBroker {
public:
    HeldAnswerBroker() : replaced_(platform::InstallUiBroker(this)) {}
    ~HeldAnswerBroker() override { platform::InstallUiBroker(replaced_); }

    int MessageBox(const std::string&, const std::string&, unsigned) override {
        platform::AnswerWait* wait = platform::ThreadAnswerWait();
        {
            std::lock_guard lock(mutex_);
            asking_ = wait;
            changed_.notify_all();
        }
        if (wait == nullptr || !wait->Wait([this] { return answered_.load(); })) {
            return IDCANCEL;
        }
        return IDOK;
    }
    std::optional<std::filesystem::path> PromptFileName(const platform::FileNameRequest&) override {
        return std::nullopt;
    }
    int RunDialog(std::string_view, const std::function<int()>&) override { return IDCANCEL; }

    // True once a thread with an AnswerWait is asking.
    bool WaitUntilAsked() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 20s, [this] { return asking_ != nullptr; });
    }
    // What the user-interface thread does when the user answers.
    void Answer() {
        answered_.store(true);
        std::lock_guard lock(mutex_);
        asking_->Wake();
    }

private:
    platform::UiBroker* replaced_;
    std::mutex mutex_;
    std::condition_variable changed_;
    platform::AnswerWait* asking_ = nullptr;
    std::atomic<bool> answered_{false};
};

TEST(SessionTest, ACancelArrivesWhileTheSessionAsksTheUser) {
    testsupport::LinkTestSession session;
    HeldAnswerBroker broker;
    auto asked = session.RunAsync([] { return ShowMessageBox("Program the logger?", MB_OKCANCEL, true); });
    ASSERT_TRUE(broker.WaitUntilAsked());
    session.PostCancel();
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (session.CancelsTaken() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_EQ(session.CancelsTaken(), 1);  // taken while the question is still open
    EXPECT_EQ(asked.wait_for(0s), std::future_status::timeout);
    broker.Answer();
    ASSERT_EQ(asked.wait_for(20s), std::future_status::ready);
    EXPECT_EQ(asked.get(), IDOK);
}

TEST(SessionTest, TheIdleWatchWakesTheLoggerOnlyBetweenCommandsOnALinkIdleLongEnough) {
    testsupport::LinkTestSession session;
    LinkClock clock(1);
    session.SetLinkClock(clock);
    ScriptedLogger logger;
    // Nothing while the link is fresh or a command runs; one escape once it has been idle for long.
    logger.ExpectSilence(300ms);
    logger.Mark();
    logger.Expect("\x1b");
    logger.Start();
    ASSERT_EQ(session.Run([&] {
        session.NewDirectConnection(logger.Path(), 19200);
        return session.GetConnection()->Create();
    }),
              1);
    const auto watch = [&session] {
        session.Post(platform::Message(WM_IDLE_ESCAPE, 32789));
        session.Run([] { return 0; });
    };
    watch();
    clock.Advance(CSession::kIdleEscapeAfterMs + 1);
    session.BeginCommand();
    watch();
    ASSERT_TRUE(logger.WaitForMark());
    session.EndCommand();
    watch();
    EXPECT_TRUE(logger.WaitForEnd());
    EXPECT_EQ(logger.Received(), "\x1b");
    session.Run([&session] {
        session.GetConnection()->CloseLink();
        return 0;
    });
}

TEST(SessionTest, TheIdleWatchLeavesALostLinkAlone) {
    testsupport::LinkTestSession session;
    platform::MessageQueue mainQueue;
    platform::QueueMessageTarget mainWindow{mainQueue};
    session.SetStatusWindow(&mainWindow);
    LinkClock clock(1);
    session.SetLinkClock(clock);
    LoggerSimulator simulator(*FindLoggerModel("quarven-rs"));
    const std::string port = simulator.StartPty();
    ASSERT_EQ(session.Run([&] {
        session.NewDirectConnection(port, 57600);
        return session.GetConnection()->Create();
    }),
              1);
    // The logger's end goes: the session stays, and says so, until the user connects again.
    simulator.Stop();
    ASSERT_TRUE(testsupport::Eventually([&session] { return session.GetLinkLostError() != 0; }));
    clock.Advance(CSession::kIdleEscapeAfterMs + 1);
    session.Post(platform::Message(WM_IDLE_ESCAPE, 32789));
    session.Run([] { return 0; });
    while (const auto message = mainQueue.TryTake()) {
        EXPECT_NE(message->id, WM_COMMAND)
            << "the lost link was asked to end with command " << message->wParam;
    }
    session.Run([&session] {
        session.GetConnection()->CloseLink();
        return 0;
    });
}

}  // namespace
