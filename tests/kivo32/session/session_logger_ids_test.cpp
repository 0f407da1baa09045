// The logger ID handler against the logger simulator: what is written of the typed ID and model text, the
// firmware text the session then decides the model from, the Quarven's ID alone, and the clock set after.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/setting_requests.h"
#include "platform/base/message_box_flags.h"
#include "shared/link/connection.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"
#include "tests/kivo32/session/handler_fixture.h"

namespace sessiontest {
namespace {

// The IDs dialog answered with `loggerId` and `model`.
void AnswerIds(testsupport::ScriptedUiBroker& broker, std::string loggerId, std::string model) {
    broker.AnswerRequest<SetLoggerIdsRequest>(IDOK, [loggerId, model](SetLoggerIdsRequest& r) {
        r.loggerId = loggerId;
        r.model = model;
    });
}

// The hex form the ID commands carry their text in.
std::string Hex(const std::string& text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (const unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 0xF];
    }
    return hex;
}

struct IdCase {
    // The firmware text the logger gives when the recording state is read (a text shorter than four
    // characters never identifies a logger at connect).
    const char* firmware;
    // What the firmware text becomes with the model part "UP-2".
    const char* changed;
};

class LoggerIdsTest : public HandlerFixture, public ::testing::WithParamInterface<IdCase> {
protected:
    LoggerIdsTest() : HandlerFixture("nimbo-current") {}

    std::vector<std::string> CommandsSince(std::size_t from) {
        const std::vector<std::string> all = simulator_.Logger().Commands();
        return std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
    }
};

TEST_P(LoggerIdsTest, TheIdAndTheModelTextAreWrittenAndTheModelDecidedAfresh) {
    simulator_.Logger().ChangeState([](LoggerState& s) { s.firmwareText = GetParam().firmware; });
    // Reading the recording state reads the identification again; recording stays as it is.
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON2);
    Run(WM_SESSION_START_STOP_LOGGING);
    owner_.SetClockQuestionOff(true);
    AnswerIds(broker_, "ab-1 2'x", "UP-2");
    const std::size_t before = simulator_.Logger().Commands().size();
    const int ends = CommandEnds();
    owner_.GetActiveSession()->Post(platform::Message(WM_SESSION_SET_LOGGER_IDS));
    // The clock is set after the logger took its new identity: a command of its own.
    ASSERT_TRUE(Eventually([&] { return CommandEnds() == ends + 2; }));
    ASSERT_TRUE(owner_.GetActiveSession()->WaitForCommandDone(30s));

    // Only letters, digits and the apostrophe are kept of the typed ID.
    const std::vector<std::string> sent = CommandsSince(before);
    ASSERT_GE(sent.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 4),
              (std::vector<std::string>{"I!E " + Hex("ab12'x"), "I!B " + Hex("AUP-2"), "G!", "I!4"}));
    EXPECT_EQ(sent[4].rfind("C! ", 0), 0u);
    EXPECT_EQ(simulator_.Logger().State().loggerId, "ab12'x");
    const std::vector<std::string> status = StatusTexts(STATUS_TEXT);
    EXPECT_NE(std::find(status.begin(), status.end(), "Logger IDs written."), status.end());
    EXPECT_EQ(status.back().rfind("Logger clock set to ", 0), 0u);

    // The dialog showed the ID and the model part as the logger had them.
    const auto shown = broker_.Asked().at(1).As<SetLoggerIdsRequest>();
    EXPECT_EQ(shown.loggerId, "30000");
    EXPECT_EQ(shown.model, std::string(GetParam().firmware).substr(1, 4));

    // The new model text heads the firmware text; the old one lends only a version tail it has.
    CSessionEL& session = *owner_.GetActiveSession();
    EXPECT_EQ(session.GetLogger()->GetFirmwareText(), GetParam().changed);
    EXPECT_EQ(session.GetConnection()->GetFirmwareVersion(), GetParam().changed);
    EXPECT_EQ(session.GetLoggerType(), 5);
    EXPECT_EQ(session.GetModelName(), "Nimbo Pulse");
}

INSTANTIATE_TEST_SUITE_P(OldFirmware, LoggerIdsTest,
                         ::testing::Values(IdCase{"BUA-2.150", "AUP-2.150"}, IdCase{"BUA", "AUP-2"}));

class QuarvenIdsTest : public HandlerFixture {
protected:
    QuarvenIdsTest() : HandlerFixture("quarven-rs") {}
};

TEST_F(QuarvenIdsTest, AQuarvenTakesOnlyItsIdAndShowsItWithItsFirmware) {
    AnswerIds(broker_, "Q-7", "X401");
    const std::size_t before = simulator_.Logger().Commands().size();
    EXPECT_TRUE(Run(WM_SESSION_SET_LOGGER_IDS).empty());
    const std::vector<std::string> all = simulator_.Logger().Commands();
    EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()),
              std::vector<std::string>{"I!E " + Hex("Q7")});
    EXPECT_EQ(StatusTexts(STATUS_LOGGER_TITLE).back(), "Q7 / NX401.234");
    EXPECT_EQ(owner_.GetActiveSession()->GetLoggerType(), 13);
}

}  // namespace
}  // namespace sessiontest
