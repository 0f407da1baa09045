// The logger's energy summary: the session reads the active setup afresh, its extended values too, and
// hands it with the firmware text to the main window.
#include <gtest/gtest.h>

#include "kivo32/session/logger_setup_reading.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/message_box_flags.h"
#include "tests/kivo32/session/handler_fixture.h"

namespace sessiontest {
namespace {

class EnergySummaryReadTest : public HandlerFixture {
protected:
    EnergySummaryReadTest() : HandlerFixture("quarven-kx") {}

    std::vector<LoggerSetupReading> Readings() {
        std::vector<LoggerSetupReading> readings;
        for (const platform::Message& message : MainWindowMessages()) {
            if (message.id == WM_LOGGER_ENERGY_SUMMARY) {
                readings.push_back(*platform::PayloadAs<LoggerSetupReading>(message));
            }
        }
        return readings;
    }
};

TEST_F(EnergySummaryReadTest, EachReadTakesTheRegistersTheLoggerHoldsNow) {
    Run(WM_SESSION_READ_ENERGY_SUMMARY);
    // The registers move on while the logger records: a refresh reads them again.
    simulator_.Logger().ChangeState([](LoggerState& s) { UseEntryPerLineReplies(s); });
    Run(WM_SESSION_READ_ENERGY_SUMMARY);
    const std::vector<LoggerSetupReading> readings = Readings();
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[0].firmwareText, simulator_.Logger().Model().firmwareText);
    EXPECT_FLOAT_EQ(readings[0].setup.GetExtendedData().GetTimedValue(0), 12.5f);
    EXPECT_FLOAT_EQ(readings[1].setup.GetExtendedData().GetTimedValue(0), 0.0f);
    EXPECT_FLOAT_EQ(readings[1].setup.GetExtendedData().GetQuarvenValue(13), 14.5f);
    EXPECT_TRUE(BoxIds().empty());

    // A read that fails says so and hands nothing on.
    broker_.AnswerMessageBox(IDOK);
    simulator_.Logger().ChangeState([](LoggerState& s) { s.extraValues = "ERROR"; });
    Run(WM_SESSION_READ_ENERGY_SUMMARY);
    EXPECT_EQ(Readings().size(), 2u);
    EXPECT_EQ(BoxIds().size(), 1u);
}

}  // namespace
}  // namespace sessiontest
