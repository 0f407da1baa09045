// The schedule window's rules: where each kind puts its calls from the logger's clock, the mode byte,
// the month grid and typed times.
#include "kivo32/tools/call_schedule_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <string>

#include "shared/common/calendar.h"

namespace {

std::tm Wall(int year, int month, int day, int hour, int minute) {
    return TimeFromFields(year, month, day, hour, minute, 0).value();
}

// The calls of a placed schedule: day of the month and its entry.
std::array<std::uint8_t, 3> EntryOf(const CallScheduleRecord& schedule, int day) {
    const std::uint8_t* entry = CallEntry(schedule, day);
    return {entry[0], entry[1], entry[2]};
}

int CallCount(const CallScheduleRecord& schedule) {
    int count = 0;
    for (int day = 1; day <= kLastDayOfMonth; ++day) {
        count += CallEntry(schedule, day)[0] != 0 ? 1 : 0;
    }
    return count;
}

CallScheduleRecord Edited(int kind) {
    CallScheduleRecord schedule;
    schedule.kind = kind;
    schedule.text = "5551234";
    schedule.flagA = true;
    return schedule;
}

TEST(CallScheduleRules, EachKindPlacesItsCallsFromTheLoggersClock) {
    // Wednesday 11 March 2026, 10:00 on the logger's clock.
    const std::tm now = Wall(2026, 3, 11, 10, 0);
    const std::uint8_t onceA = CallModeByte(kCallsOnce, true, false, 0);
    const std::uint8_t dailyA = CallModeByte(kCallsDaily, true, false, 0);
    const std::uint8_t weeklyA = CallModeByte(kCallsWeekly, true, false, 0);
    const struct {
        const char* name;
        int kind;
        int hour;
        int minute;
        int weekday;  // for the weekly kind
        bool askSoon;
        bool movedOn;
        int day;
        std::array<std::uint8_t, 3> entry;
    } cases[] = {
        {"once two minutes ahead", kCallsOnce, 10, 2, 0, true, false, 11, {onceA, 10, 2}},
        {"once ten minutes ahead", kCallsOnce, 10, 10, 0, false, false, 11, {onceA, 10, 10}},
        {"once passed", kCallsOnce, 9, 0, 0, true, false, 11, {onceA, 9, 0}},
        {"daily passed gives tomorrow", kCallsDaily, 9, 30, 0, false, true, 12, {dailyA, 9, 30}},
        {"daily within three minutes gives tomorrow",
         kCallsDaily,
         10,
         3,
         0,
         false,
         true,
         12,
         {dailyA, 10, 3}},
        {"daily later today", kCallsDaily, 18, 0, 0, false, false, 11, {dailyA, 18, 0}},
        {"weekday today passed is a week on", kCallsWeekly, 9, 0, 3, false, true, 18, {weeklyA, 9, 0}},
        {"weekday today later", kCallsWeekly, 11, 0, 3, false, false, 11, {weeklyA, 11, 0}},
        {"weekday tomorrow", kCallsWeekly, 8, 0, 4, false, false, 12, {weeklyA, 8, 0}},
        {"weekday yesterday is six days on", kCallsWeekly, 23, 0, 2, false, false, 17, {weeklyA, 23, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CallScheduleRecord edited = Edited(c.kind);
        edited.firstHour = edited.secondHour = c.hour;
        edited.firstMinute = edited.secondMinute = c.minute;
        if (c.kind == kCallsWeekly) {
            edited.days[static_cast<std::size_t>(c.weekday)] = {
                kWeekdayMark, static_cast<std::uint8_t>(c.hour), static_cast<std::uint8_t>(c.minute)};
        }
        // A day left over from an earlier schedule never survives.
        CallEntry(edited, 25)[0] = kDayMark;
        const CallPlacement placed = PlaceCalls(edited, now);
        EXPECT_EQ(placed.askSoon, c.askSoon);
        EXPECT_EQ(placed.movedOn, c.movedOn);
        EXPECT_EQ(EntryOf(placed.schedule, c.day), c.entry);
        EXPECT_EQ(CallCount(placed.schedule), 1);
    }
}

TEST(CallScheduleRules, CallsCrossTheEndOfTheMonth) {
    // Saturday 31 January 2026, 23:00.
    const std::tm now = Wall(2026, 1, 31, 23, 0);
    CallScheduleRecord daily = Edited(kCallsDaily);
    daily.secondHour = 8;
    EXPECT_EQ(EntryOf(PlaceCalls(daily, now).schedule, 1)[1], 8);

    CallScheduleRecord weekly = Edited(kCallsWeekly);
    weekly.days[6] = {kWeekdayMark, 22, 0};  // Saturday, passed: the next Saturday is 7 February
    weekly.days[1] = {kWeekdayMark, 7, 15};  // Monday 2 February
    const CallPlacement placed = PlaceCalls(weekly, now);
    EXPECT_EQ(EntryOf(placed.schedule, 7),
              (std::array<std::uint8_t, 3>{CallModeByte(kCallsWeekly, true, false, 0), 22, 0}));
    EXPECT_EQ(EntryOf(placed.schedule, 2)[1], 7);
    EXPECT_EQ(CallCount(placed.schedule), 2);
}

TEST(CallScheduleRules, AMonthlyScheduleKeepsItsDaysAndAsksWhenItsFirstCallIsDue) {
    const std::tm now = Wall(2026, 3, 11, 10, 0);
    const struct {
        int firstDay;
        int hour;
        bool askSoon;
    } cases[] = {{11, 10, true}, {11, 11, false}, {3, 23, true}, {12, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstDay);
        CallScheduleRecord edited = Edited(kCallsMonthly);
        edited.flagA = false;
        edited.flagB = true;
        edited.flagC = true;
        for (const int day : {c.firstDay, 29, 31}) {
            std::uint8_t* entry = CallEntry(edited, day);
            entry[0] = kDayMark;
            entry[1] = static_cast<std::uint8_t>(c.hour);
        }
        const CallPlacement placed = PlaceCalls(edited, now);
        EXPECT_EQ(placed.askSoon, c.askSoon);
        EXPECT_FALSE(placed.movedOn);
        for (const int day : {c.firstDay, 29, 31}) {
            EXPECT_EQ(EntryOf(placed.schedule, day)[0], 0x05);
            EXPECT_EQ(EntryOf(placed.schedule, day)[1], c.hour);
        }
        EXPECT_EQ(CallCount(placed.schedule), 3);
    }
}

TEST(CallScheduleRules, NoCallsClearsTheScheduleButKeepsTheStatusEntryAndARealHost) {
    const std::tm now = Wall(2026, 3, 11, 10, 0);
    for (const std::string host : {"192.168.1.9", " left over"}) {
        SCOPED_TRACE(host);
        CallScheduleRecord edited = Edited(kCallsNone);
        edited.text = host;
        edited.firstHour = 7;
        edited.flagB = true;
        edited.days[2] = {kWeekdayMark, 7, 0};
        CallEntry(edited, 5)[0] = kDayMark;
        edited.block[0] = ' ';
        edited.block[1] = 3;
        const CallScheduleRecord cleared = PlaceCalls(edited, now).schedule;
        EXPECT_EQ(cleared.kind, kCallsNone);
        EXPECT_EQ(cleared.firstHour, 0);
        EXPECT_FALSE(cleared.flagA || cleared.flagB);
        EXPECT_EQ(cleared.days[2][0], 0);
        EXPECT_EQ(CallCount(cleared), 0);
        EXPECT_EQ(cleared.block[0], ' ');
        EXPECT_EQ(cleared.block[1], 3);
        const std::string kept = host.front() == ' ' ? "" : host;
        EXPECT_EQ(cleared.text, kept);
        // The host travels in the block's text field, NUL-terminated.
        EXPECT_EQ(std::string(
                      reinterpret_cast<const char*>(cleared.block.data() + CallScheduleRecord::kTextOffset)),
                  kept);
    }
}

TEST(CallScheduleRules, TheModeByteCarriesTheKindAndTheOptions) {
    const struct {
        int kind;
        bool a;
        bool b;
        int choice;
        std::uint8_t mode;
    } cases[] = {
        {kCallsOnce, true, false, 0, 0x10},   {kCallsDaily, true, false, 0, 0x13},
        {kCallsWeekly, true, false, 0, 0x12}, {kCallsMonthly, true, false, 0, 0x11},
        {kCallsOnce, false, true, 0, 0x08},   {kCallsOnce, false, true, 1, 0x04},
        {kCallsDaily, true, true, 1, 0x17},   {kCallsMonthly, false, false, 1, 0x01},
        {kCallsNone, true, true, 0, 0x00},    {7, true, false, 0, 0x00},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CallModeByte(c.kind, c.a, c.b, c.choice), c.mode) << c.kind << c.a << c.b << c.choice;
    }
}

TEST(CallScheduleRules, TheMonthGridShowsDays29To31InItsFifthRow) {
    EXPECT_EQ(MonthGridDay(1, 1), 1);
    EXPECT_EQ(MonthGridDay(2, 3), 10);
    EXPECT_EQ(MonthGridDay(5, 1), 29);
    EXPECT_EQ(MonthGridDay(5, 3), 31);
    EXPECT_EQ(MonthGridDay(5, 4), 0);
    EXPECT_EQ(MonthGridDay(5, 7), 0);

    CallScheduleRecord schedule;
    schedule.kind = kCallsMonthly;
    CallEntry(schedule, 30)[0] = kDayMark;
    CallEntry(schedule, 30)[1] = 6;
    CallEntry(schedule, 30)[2] = 5;
    EXPECT_EQ(MonthGridText(schedule, 30), "30 (06:05)");
    EXPECT_EQ(MonthGridText(schedule, 29), "29");
    schedule.kind = kCallsWeekly;
    EXPECT_EQ(MonthGridText(schedule, 30), "30");
}

TEST(CallScheduleRules, EntriesReadFromTheLoggerAreMarkedForTheirKindOnly) {
    CallScheduleRecord read;
    read.kind = kCallsMonthly;
    CallEntry(read, 4)[0] = 0x11;
    CallEntry(read, 4)[1] = 9;
    CallEntry(read, 5)[0] = 0x03;  // the kind's bits alone mark no call
    CallEntry(read, 5)[1] = 9;
    read.days[1] = {0x12, 8, 0};
    const CallScheduleRecord monthly = ScheduleForEditing(read);
    EXPECT_EQ(EntryOf(monthly, 4), (std::array<std::uint8_t, 3>{kDayMark, 9, 0}));
    EXPECT_EQ(EntryOf(monthly, 5), (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ(monthly.days[1][0], 0);

    read.kind = kCallsWeekly;
    const CallScheduleRecord weekly = ScheduleForEditing(read);
    EXPECT_EQ(weekly.days[1], (std::array<std::uint8_t, 3>{kWeekdayMark, 8, 0}));
    EXPECT_EQ(CallCount(weekly), 0);
}

TEST(CallScheduleRules, ATypedNumberAboveItsMaximumLosesItsLastDigit) {
    const struct {
        const char* typed;
        int maximum;
        const char* kept;
    } cases[] = {{"45", 23, "4"}, {"31", 23, "3"}, {"23", 23, "23"},
                 {"60", 59, "6"}, {"", 23, ""},    {"07", 23, "07"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClampTypedNumber(c.typed, c.maximum), c.kept) << c.typed;
    }
}

}  // namespace
