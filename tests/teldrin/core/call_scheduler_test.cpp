// The daily call list on a test clock, in a zone without and one with daylight saving: which calls are
// made when, retries and rounds, missed multiple-interval calls, the user's commands, midnight and the
// days the clocks change.
#include "teldrin/core/call_scheduler.h"

#include <gtest/gtest.h>

#include "platform/base/byte_order.h"
#include "tests/support/time_zone.h"
#include "tests/teldrin/core/scheduler_driver.h"

namespace {

using teldrin::CallOutcome;
using teldrin::CCall;
using teldrintest::Daily;
using teldrintest::Local;
using teldrintest::Multiple;
using teldrintest::ScheduledEntry;
using teldrintest::SchedulerDriver;

constexpr std::time_t kMinute = 60;

CLogger SingleCallEntry(const std::string& serial, std::time_t when) {
    SchedulePage page;
    page.choice = kCallSingle;
    CLogger entry = ScheduledEntry(serial, page);
    CLogger::ScheduleBlock block = entry.GetScheduleBlock();
    platform::WriteU32(block, 2, static_cast<std::uint32_t>(when), platform::ByteOrder::Little);
    entry.SetScheduleBlock(block);
    return entry;
}

CallOutcome Failed(int commError) {
    return {0, false, false, commError};
}

class CallSchedulerTest : public testing::TestWithParam<const char*> {
protected:
    testsupport::ScopedTimeZone zone{GetParam()};
    SchedulerDriver driver;
};

INSTANTIATE_TEST_SUITE_P(Zones, CallSchedulerTest, testing::Values(testsupport::kUtc, testsupport::kNewYork));

TEST_P(CallSchedulerTest, AListOpenedDuringTheDayTakesTheRestOfIt) {
    driver.entries = {ScheduledEntry("D0930", Daily(9, 30)), ScheduledEntry("D1100", Daily(11, 0))};
    driver.Open(Local(2026, 6, 10, 10, 0));
    driver.RunUntil(Local(2026, 6, 11, 12, 0));
    EXPECT_EQ(driver.TimesOf("D0930"), (std::vector{Local(2026, 6, 11, 9, 30)}));
    EXPECT_EQ(driver.TimesOf("D1100"), (std::vector{Local(2026, 6, 10, 11, 0), Local(2026, 6, 11, 11, 0)}));
    EXPECT_EQ(driver.rebuilds, 1);
}

TEST_P(CallSchedulerTest, SingleImmediateAndWeeklyEntries) {
    SchedulePage thursday;
    thursday.choice = kCallWeekly;
    thursday.weekDayOn[4] = true;
    thursday.weekDayTime[4] = {7, 0};
    thursday.weekDayTime[3] = {7, 0};
    SchedulePage immediate;
    immediate.choice = kCallImmediate;
    driver.entries = {SingleCallEntry("S", Local(2026, 6, 11, 8, 0)), ScheduledEntry("NOW", immediate),
                      ScheduledEntry("THU", thursday)};
    // 10 June 2026 is a Wednesday.
    driver.Open(Local(2026, 6, 10, 23, 59, 30));
    driver.RunUntil(Local(2026, 6, 12, 12, 0));
    EXPECT_EQ(driver.TimesOf("S"), (std::vector{Local(2026, 6, 11, 8, 0)}));
    EXPECT_EQ(driver.TimesOf("NOW"), (std::vector{Local(2026, 6, 10, 23, 59, 30), Local(2026, 6, 11, 0, 0),
                                                  Local(2026, 6, 12, 0, 0)}));
    EXPECT_EQ(driver.TimesOf("THU"), (std::vector{Local(2026, 6, 11, 7, 0)}));
}

TEST_P(CallSchedulerTest, AnEntryWithItsScheduleOffIsNotCalled) {
    CLogger entry = ScheduledEntry("OFF", Daily(9, 0));
    entry.SetScheduleOn(false);
    driver.entries = {entry};
    driver.Open(Local(2026, 6, 10, 8, 0));
    driver.RunUntil(Local(2026, 6, 10, 10, 0), kMinute);
    EXPECT_TRUE(driver.made.empty());
    EXPECT_TRUE(driver.scheduler.NoCallsToday());
}

// Every 15 minutes from 08:00; the 08:15 call keeps the program busy until `busyUntil`.
struct BusyCase {
    int busyHour, busyMinute;
    std::vector<std::pair<int, int>> calls;
    std::vector<std::string> missed;
};

TEST_P(CallSchedulerTest, MultipleCallsMissedWhileBusy) {
    const BusyCase cases[] = {
        {9, 2, {{8, 0}, {8, 15}, {9, 2}, {9, 17}}, {"08:30:00", "08:45:00"}},
        {8, 52, {{8, 0}, {8, 15}, {8, 52}, {9, 7}}, {}},
    };
    for (const BusyCase& c : cases) {
        SchedulerDriver run;
        run.entries = {ScheduledEntry("M", Multiple({8, 0}, {0, 15}))};
        const std::time_t busyUntil = Local(2026, 6, 10, c.busyHour, c.busyMinute);
        run.callLength = [&](const CCall&) {
            return run.clock.now == Local(2026, 6, 10, 8, 15) ? busyUntil - run.clock.now : 0;
        };
        run.Open(Local(2026, 6, 10, 7, 0));
        run.RunUntil(Local(2026, 6, 10, 9, 20));
        std::vector<std::time_t> expected;
        for (const auto& [hour, minute] : c.calls) {
            expected.push_back(Local(2026, 6, 10, hour, minute));
        }
        EXPECT_EQ(run.TimesOf("M"), expected) << c.busyMinute;
        std::vector<std::string> missed;
        for (const std::string& time : c.missed) {
            missed.push_back("Appel manqu\xE9 pour M \xE0 " + time + "\n");
        }
        EXPECT_EQ(run.MissedLines(), missed);
        // A missed call counts as attempted and failed.
        EXPECT_EQ(run.scheduler.Attempted(), static_cast<int>(c.calls.size() + c.missed.size()));
        EXPECT_EQ(run.scheduler.Failed(), static_cast<int>(c.missed.size()));
    }
}

TEST_P(CallSchedulerTest, AMultipleEntryOpenedLateStartsAtItsNextSlotAndEachDayAtItsFirst) {
    driver.entries = {ScheduledEntry("M", Multiple({8, 0}, {1, 0}))};
    driver.Open(Local(2026, 6, 10, 21, 20));
    driver.RunUntil(Local(2026, 6, 11, 9, 30));
    EXPECT_EQ(driver.TimesOf("M"), (std::vector{Local(2026, 6, 10, 22, 0), Local(2026, 6, 10, 23, 0),
                                                Local(2026, 6, 11, 8, 0), Local(2026, 6, 11, 9, 0)}));
    EXPECT_TRUE(driver.MissedLines().empty());
}

struct RetryCase {
    int connectType;
    int commError;
    std::vector<std::time_t> retriesAfter;  // seconds after the first call
};

TEST_P(CallSchedulerTest, FailedCallsAreRetriedByTheirLinkAndCountedOnce) {
    const RetryCase cases[] = {
        {kConnectModem, 2, {0, 120, 240}},
        {kConnectNetwork, 20, {0, 120, 240, 360, 480}},
        {kConnectModem, -2, {0}},
        {kConnectNetwork, -5, {0}},
        {kConnectDirect, 14, {0}},
        // A connection type no link has fails that call only.
        {7, 0, {0}},
    };
    for (const RetryCase& c : cases) {
        SchedulerDriver run;
        run.entries = {ScheduledEntry("F", Daily(9, 0), c.connectType), ScheduledEntry("OK", Daily(9, 0))};
        run.outcome = [&](const CCall& call) {
            return call.entry.GetSerial() == "F" ? Failed(c.commError) : CallOutcome{0, true, true, 0};
        };
        run.Open(Local(2026, 6, 10, 8, 0));
        run.RunUntil(Local(2026, 6, 10, 12, 0));
        std::vector<std::time_t> expected;
        for (const std::time_t offset : c.retriesAfter) {
            expected.push_back(Local(2026, 6, 10, 9, 0) + offset);
        }
        EXPECT_EQ(run.TimesOf("F"), expected) << c.connectType << " " << c.commError;
        EXPECT_EQ(run.TimesOf("OK"), (std::vector{Local(2026, 6, 10, 9, 0)}));
        EXPECT_EQ(run.scheduler.Failed(), static_cast<int>(c.retriesAfter.size()));
        EXPECT_EQ(run.scheduler.Attempted(), static_cast<int>(c.retriesAfter.size()) + 1);
        EXPECT_FALSE(run.scheduler.HasCalls());
    }
}

TEST_P(CallSchedulerTest, TasksThatFailOnAConnectedCallAreRetried) {
    driver.entries = {ScheduledEntry("T", Daily(9, 0))};
    driver.outcome = [](const CCall&) { return CallOutcome{0, true, false, 0}; };
    driver.Open(Local(2026, 6, 10, 8, 0));
    driver.RunUntil(Local(2026, 6, 10, 10, 0));
    EXPECT_EQ(driver.TimesOf("T").size(), 3u);
    EXPECT_EQ(driver.scheduler.Failed(), 3);
}

TEST_P(CallSchedulerTest, TheDelayMovesTodaysCallsUntilTheNextBuild) {
    driver.entries = {ScheduledEntry("D", Daily(9, 0))};
    driver.Open(Local(2026, 6, 10, 8, 0));
    driver.scheduler.SetDelay(90 * kMinute);
    driver.RunUntil(Local(2026, 6, 11, 12, 0));
    EXPECT_EQ(driver.TimesOf("D"), (std::vector{Local(2026, 6, 10, 10, 30), Local(2026, 6, 11, 9, 0)}));
}

TEST_P(CallSchedulerTest, ACancelledDayStaysCancelledAfterRepeatAndEndsAtMidnight) {
    driver.entries = {ScheduledEntry("A", Daily(9, 0)), ScheduledEntry("B", Daily(10, 0))};
    driver.Open(Local(2026, 6, 10, 8, 0));
    driver.RunUntil(Local(2026, 6, 10, 9, 30));
    driver.scheduler.CancelCalls();
    driver.scheduler.RepeatCalls();
    driver.RunUntil(Local(2026, 6, 11, 12, 0));
    EXPECT_EQ(driver.TimesOf("A"), (std::vector{Local(2026, 6, 10, 9, 0), Local(2026, 6, 11, 9, 0)}));
    EXPECT_EQ(driver.TimesOf("B"), (std::vector{Local(2026, 6, 11, 10, 0)}));
    EXPECT_FALSE(driver.scheduler.IsCancelled());
}

TEST_P(CallSchedulerTest, RepeatMakesTheDaysCallsAgain) {
    driver.entries = {ScheduledEntry("A", Daily(9, 0))};
    driver.Open(Local(2026, 6, 10, 8, 0));
    driver.RunUntil(Local(2026, 6, 10, 9, 30));
    driver.scheduler.RepeatCalls();
    driver.RunUntil(Local(2026, 6, 10, 9, 31));
    EXPECT_EQ(driver.TimesOf("A"), (std::vector{Local(2026, 6, 10, 9, 0), Local(2026, 6, 10, 9, 30)}));
}

// The days the clocks change: each time of day is called once, and the list covers the whole day.
struct ClockChangeCase {
    int month, day;
    int hour, minute;
};

TEST_P(CallSchedulerTest, ClockChangeDaysCallEachTimeOnce) {
    const ClockChangeCase cases[] = {
        {3, 8, 2, 30},  // skipped in New York
        {3, 8, 23, 30},
        {11, 1, 1, 30},  // repeated in New York
        {11, 1, 23, 30},
    };
    for (const ClockChangeCase& c : cases) {
        SchedulerDriver run;
        run.entries = {ScheduledEntry("D", Daily(c.hour, c.minute)),
                       ScheduledEntry("M", Multiple({0, 0}, {0, 30}))};
        run.Open(Local(2026, c.month, c.day - 1, 0, 0));
        run.RunUntil(Local(2026, c.month, c.day + 1, 0, 0));
        const std::vector<std::time_t> times = run.TimesOf("D");
        ASSERT_EQ(times.size(), 2u) << c.month << "/" << c.day << " " << c.hour;
        std::tm called{};
        localtime_r(&times[1], &called);
        EXPECT_EQ(called.tm_mday, c.day);
        // Called at its time, or, when the clock skipped it, once the clock passed it.
        EXPECT_GE(called.tm_hour * 60 + called.tm_min, c.hour * 60 + c.minute);
        EXPECT_LE(called.tm_hour * 60 + called.tm_min, c.hour * 60 + c.minute + 60);
        // Multiple calls step in real minutes over the whole day.
        const std::vector<std::time_t> slots = run.TimesOf("M");
        const std::time_t dayStart = Local(2026, c.month, c.day, 0, 0);
        const std::time_t dayEnd = Local(2026, c.month, c.day + 1, 0, 0);
        const auto today = std::count_if(slots.begin(), slots.end(),
                                         [&](std::time_t t) { return t >= dayStart && t < dayEnd; });
        EXPECT_EQ(today, (dayEnd - dayStart) / (30 * kMinute));
        EXPECT_TRUE(run.MissedLines().empty());
    }
}

TEST_P(CallSchedulerTest, TheMessagePaneNamesTheNextCallTheCancelOrTheDaysCounts) {
    driver.entries = {ScheduledEntry("A", Daily(9, 0)), ScheduledEntry("B", Daily(10, 0))};
    driver.Open(Local(2026, 6, 10, 8, 0));
    EXPECT_EQ(driver.scheduler.StatusText(),
              "Appel suivant: logger A - pr\xE9vue pour 06/10/26 A 09:00:00\n");
    driver.scheduler.SetDelay(30 * kMinute);
    EXPECT_EQ(driver.scheduler.StatusText(),
              "Appel suivant: logger A - pr\xE9vue pour 06/10/26 A 09:30:00\n");
    driver.RunUntil(Local(2026, 6, 10, 9, 45));
    EXPECT_EQ(driver.scheduler.StatusText(),
              "Appel suivant: logger B - pr\xE9vue pour 06/10/26 A 10:30:00\n");
    driver.RunUntil(Local(2026, 6, 10, 11, 0));
    EXPECT_EQ(driver.scheduler.StatusText(), "Appel(s) fait(s) ce jour-  2 Tentative(s) - 0 Echec(s)\n");

    SchedulerDriver cancelled;
    cancelled.entries = {ScheduledEntry("A", Daily(9, 0))};
    cancelled.Open(Local(2026, 6, 10, 8, 0));
    cancelled.scheduler.CancelCalls();
    EXPECT_EQ(cancelled.scheduler.StatusText(),
              "Tous les appels pr\xE9vus pour 06/10/26 annul\xE9s \xE0 08:00:00");

    SchedulerDriver none;
    none.Open(Local(2026, 6, 10, 8, 0));
    EXPECT_EQ(none.scheduler.StatusText(), "Aucun appel programm\xE9 pour aujourd'hui");
}

TEST_P(CallSchedulerTest, NothingStartsWhileAnExportRunsOrTheProgramStops) {
    driver.entries = {ScheduledEntry("D", Daily(9, 0))};
    driver.Open(Local(2026, 6, 10, 8, 0));
    driver.scheduler.SetExportBusy(true);
    driver.RunUntil(Local(2026, 6, 10, 9, 10), kMinute);
    driver.scheduler.SetExportBusy(false);
    driver.scheduler.SetStopping(true);
    driver.RunUntil(Local(2026, 6, 10, 9, 20), kMinute);
    EXPECT_TRUE(driver.made.empty());
    // The message pane says so rather than announce the call that does not come.
    EXPECT_EQ(driver.scheduler.StatusText(),
              "Appels arr\xEAt\xE9s - ouvrir une liste d'appel pour reprendre");
    driver.scheduler.SetStopping(false);
    EXPECT_EQ(driver.scheduler.StatusText(),
              "Appel suivant: logger D - pr\xE9vue pour 06/10/26 A 09:00:00\n");
    driver.RunUntil(Local(2026, 6, 10, 9, 21), kMinute);
    EXPECT_EQ(driver.TimesOf("D"), (std::vector{Local(2026, 6, 10, 9, 20)}));
}

}  // namespace
