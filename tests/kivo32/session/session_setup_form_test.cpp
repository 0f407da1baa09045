// What a setup form learns of the connected logger through the session thread: the clock as the logger
// tells it and the firmware version, against the logger simulator over a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "kivo32/session/session_messages.h"
#include "kivo32/setuprules/setup_logger_facts.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tests/support/time_zone.h"

namespace sessiontest {
namespace {

using namespace std::chrono_literals;

// Keeps the facts posted to it.
class FactsTarget : public platform::MessageTarget {
public:
    bool PostMessage(platform::Message message) override {
        std::lock_guard lock(mutex_);
        if (const SetupLoggerFacts* facts = platform::PayloadAs<SetupLoggerFacts>(message);
            message.id == WM_SETUP_LOGGER_FACTS && facts != nullptr) {
            facts_ = *facts;
        }
        return true;
    }
    std::optional<SetupLoggerFacts> Facts() {
        std::lock_guard lock(mutex_);
        return facts_;
    }

private:
    std::mutex mutex_;
    std::optional<SetupLoggerFacts> facts_;
};

LoggerModel OrnatOfFirmware153() {
    LoggerModel model = *FindLoggerModel("ornat2");
    model.firmwareText = "AL4-2.153";
    return model;
}

class SessionSetupFormTest : public HandlerFixture {
protected:
    SessionSetupFormTest() : HandlerFixture(OrnatOfFirmware153()) {}

    std::optional<SetupLoggerFacts> AskFacts() {
        auto target = std::make_shared<FactsTarget>();
        owner_.GetActiveSession()->Post(
            platform::Message(WM_SESSION_SETUP_FORM_FACTS, 0,
                              platform::MakePayload(std::shared_ptr<platform::MessageTarget>(target))));
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (!target->Facts() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(1ms);
        }
        return target->Facts();
    }

    testsupport::ScopedTimeZone zone_{"UTC"};
};

TEST_F(SessionSetupFormTest, TheFormLearnsTheLoggersClockAndFirmware) {
    simulator_.Logger().ChangeState([](LoggerState& s) { s.clock = 1709816645; });  // 2024-03-07 13:04:05
    const std::optional<SetupLoggerFacts> facts = AskFacts();
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->firmwareVersion, 153);
    // The logger's clock runs on while it is read.
    EXPECT_EQ(facts->clockText.substr(0, 6), "13:04:");
    EXPECT_EQ(facts->clockText.substr(9), "03/07/24");

    simulator_.Logger().ChangeState([](LoggerState& s) { s.queryReplies["C?"] = " 1:02:03 04/05/06"; });
    const std::optional<SetupLoggerFacts> unread = AskFacts();
    ASSERT_TRUE(unread);
    EXPECT_EQ(unread->clockText, "");
    EXPECT_EQ(unread->firmwareVersion, 153);
}

}  // namespace
}  // namespace sessiontest
