// The transfer timer's rate and time left, and the text of the time left.
#include "kivo32/dialogs/transfer_timer.h"

#include <gtest/gtest.h>

#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"

namespace {

TEST(TransferTimerTest, TimeLeftFollowsTheRateOnceASecondPassed) {
    CTransferTimer timer;
    timer.Start(100000, 5000);

    // Nothing to estimate from before the first second, before any byte, or without a total.
    EXPECT_EQ(timer.GetRate(20000, 5000), 0.0);
    EXPECT_EQ(timer.GetSecondsLeft(20000, 5000), std::nullopt);
    EXPECT_EQ(timer.GetSecondsLeft(20000, 5999), std::nullopt);
    EXPECT_EQ(timer.GetSecondsLeft(0, 9000), std::nullopt);

    EXPECT_DOUBLE_EQ(timer.GetRate(20000, 9000), 5000.0);
    EXPECT_EQ(timer.GetSecondsLeft(20000, 9000), 16);
    EXPECT_EQ(timer.GetSecondsLeft(100000, 9000), 0);

    CTransferTimer withoutTotal;
    withoutTotal.Start(0, 0);
    EXPECT_EQ(withoutTotal.GetSecondsLeft(20000, 4000), std::nullopt);
}

TEST(TransferTimerTest, TimeRemainingShowsTwoUnitsAtMostAndNoDays) {
    // The texts every test of this program has (the Qt application loads them too).
    SetProgramTexts(platform::EnglishTexts());
    const struct {
        int seconds;
        const char* text;
    } cases[] = {
        {0, " 0 seconds remaining"},
        {1, " 1 second remaining"},
        {59, "59 seconds remaining"},
        {61, " 1 minute,  1 second remaining"},
        {3599, "59 minutes, 59 seconds remaining"},
        {3660, " 1 hour,  1 minute remaining"},
        {7322, " 2 hours,  2 minutes remaining"},
        {90000, " 1 hour,  0 minutes remaining"},  // 25 hours: the whole day is left out
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatTimeRemaining(c.seconds), c.text) << c.seconds;
    }
}

}  // namespace
