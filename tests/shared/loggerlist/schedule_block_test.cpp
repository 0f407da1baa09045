// Tests of the schedule block both ways: the page's fields of a block and the block of the page.
#include "shared/loggerlist/schedule_block.h"

#include <gtest/gtest.h>

#include "shared/common/calendar.h"
#include "tests/support/time_zone.h"

namespace {

std::time_t Local(int year, int month, int day, int hour, int minute) {
    return *LocalTimeFromFields(year, month, day, hour, minute, 0);
}

CLogger::ScheduleBlock DefaultBlock() {
    return CLogger().GetScheduleBlock();
}

// The page as it opens on a fresh entry, then computed with `edit` applied.
CLogger::ScheduleBlock Computed(const std::function<void(SchedulePage&)>& edit, std::time_t now = 0) {
    CLogger::ScheduleBlock block = DefaultBlock();
    const SchedulePage opened = DecodeSchedule(block);
    SchedulePage page = opened;
    edit(page);
    EXPECT_FALSE(ComputeSchedule(page, opened, block, now).has_value());
    return block;
}

TEST(ScheduleBlock, ChoicesAndCodesBothWays) {
    const std::pair<int, std::uint8_t> choices[] = {
        {kCallImmediate, 32}, {kCallSingle, 1}, {kCallMultiple, 64}, {kCallDaily, 2}, {kCallWeekly, 4}};
    for (const auto& [choice, code] : choices) {
        EXPECT_EQ(ScheduleCodeOf(choice), code);
        EXPECT_EQ(ScheduleChoiceOf(code), choice);
        const auto block = Computed([choice = choice](SchedulePage& page) {
            page.choice = choice;
            page.multiInterval = {0, 15};
        });
        EXPECT_EQ(block[0], code);
    }
    for (const std::uint8_t other : {0, 3, 8, 65, 255}) {
        EXPECT_EQ(ScheduleChoiceOf(other), kCallSingle) << int(other);
    }
}

TEST(ScheduleBlock, TaskAndFileTaskBytes) {
    struct Case {
        bool setClock;
        bool transfer;
        int kind;
        bool csv;
        std::uint8_t tasks;
        std::uint8_t fileTasks;
    };
    const Case cases[] = {
        {true, false, 1, false, 24, 1},  // no transfer, set clock
        {true, true, 0, false, 17, 0},   // all data, set clock
        {false, true, 1, false, 2, 1},   // new data
        {false, true, 0, true, 1, 2},    // all data and a .csv file
        {false, true, 2, false, 3, 1},   // the stored kinds the page never offers
        {false, true, 3, true, 4, 3},
    };
    for (const Case& c : cases) {
        const CLogger::ScheduleBlock block = Computed([&c](SchedulePage& page) {
            page.setClock = c.setClock;
            page.dataTransfer = c.transfer;
            page.transferKind = c.kind;
            page.createCsv = c.csv;
        });
        EXPECT_EQ(block[1], c.tasks) << int(c.tasks);
        EXPECT_EQ(block[173], c.fileTasks) << int(c.tasks);
        const SchedulePage back = DecodeSchedule(block);
        EXPECT_EQ(back.setClock, c.setClock);
        EXPECT_EQ(back.dataTransfer, c.transfer);
        EXPECT_EQ(back.createCsv, c.csv);
        EXPECT_EQ(back.transferKind, c.transfer ? c.kind : 1) << int(c.tasks);
    }
}

TEST(ScheduleBlock, MinutesOfEveryKindBothWays) {
    const CLogger::ScheduleBlock block = Computed([](SchedulePage& page) {
        page.choice = kCallWeekly;
        page.weekDayOn[1] = true;
        page.weekDayTime[1] = {6, 30};
        page.weekDayTime[6] = {23, 59};
        page.daily = {12, 5};
        page.multiFirst = {7, 0};
        page.multiInterval = {1, 30};
    });
    for (int day = 0; day < 7; ++day) {
        EXPECT_EQ(block[8 + 2 * day], day == 1 ? 1 : 0) << day;
    }
    EXPECT_EQ(block[24] | block[25] << 8, 390);    // Monday 06:30
    EXPECT_EQ(block[34] | block[35] << 8, 1439);   // Saturday 23:59
    EXPECT_EQ(block[6] | block[7] << 8, 725);      // daily 12:05
    EXPECT_EQ(block[174] | block[175] << 8, 420);  // first multiple call 07:00
    EXPECT_EQ(block[176] | block[177] << 8, 90);   // every 01:30

    const SchedulePage back = DecodeSchedule(block);
    EXPECT_EQ(back.choice, kCallWeekly);
    EXPECT_EQ(back.weekDayTime[1], (HourMinute{6, 30}));
    EXPECT_EQ(back.daily, (HourMinute{12, 5}));
    EXPECT_EQ(back.multiInterval, (HourMinute{1, 30}));
    // Bytes the page does not own stay as they were: the second time and the spares.
    const CLogger::ScheduleBlock fresh = DefaultBlock();
    EXPECT_TRUE(std::equal(block.begin() + 36, block.begin() + 173, fresh.begin() + 36));
    EXPECT_TRUE(std::equal(block.begin() + 178, block.end(), fresh.begin() + 178));
}

TEST(ScheduleBlock, FaultsWriteNothing) {
    struct Case {
        const char* what;
        std::function<void(SchedulePage&)> edit;
        ScheduleFault::Kind kind;
        ScheduleSlot slot;
    };
    const Case cases[] = {
        {"hour 24", [](SchedulePage& p) { p.daily.hour = 24; }, ScheduleFault::kHourOrMinute,
         ScheduleSlot::kDaily},
        {"minute 60", [](SchedulePage& p) { p.weekDayTime[3].minute = 60; }, ScheduleFault::kHourOrMinute,
         ScheduleSlot::kWeekDay},
        {"month 13", [](SchedulePage& p) { p.singleMonth = 13; }, ScheduleFault::kMonth,
         ScheduleSlot::kSingle},
        {"31/04", [](SchedulePage& p) { p.singleMonth = 4, p.singleDay = 31; }, ScheduleFault::kDayNotInMonth,
         ScheduleSlot::kSingle},
        {"day 0", [](SchedulePage& p) { p.singleDay = 0; }, ScheduleFault::kDayNotInMonth,
         ScheduleSlot::kSingle},
        {"interval 00:00",
         [](SchedulePage& p) {
             p.choice = kCallMultiple;
             p.setClock = true;
         },
         ScheduleFault::kZeroInterval, ScheduleSlot::kMultiInterval},
    };
    testsupport::WithTimeZone(testsupport::kUtc, [&] {
        for (const Case& c : cases) {
            CLogger::ScheduleBlock block = DefaultBlock();
            const SchedulePage opened = DecodeSchedule(block);
            SchedulePage page = opened;
            c.edit(page);
            const auto fault = ComputeSchedule(page, opened, block, Local(2026, 5, 1, 0, 0));
            ASSERT_TRUE(fault.has_value()) << c.what;
            EXPECT_EQ(fault->kind, c.kind) << c.what;
            EXPECT_EQ(fault->slot, c.slot) << c.what;
            EXPECT_EQ(block, DefaultBlock()) << c.what;
        }
    });
}

TEST(ScheduleBlock, SingleCallIsTheNextOccurrence) {
    testsupport::WithTimeZone(testsupport::kNewYork, [] {
        struct Case {
            const char* what;
            std::time_t now;
            int month, day, hour, minute;
            std::time_t expected;
        };
        const Case cases[] = {
            {"January set in December", Local(2026, 12, 20, 9, 0), 1, 5, 8, 0, Local(2027, 1, 5, 8, 0)},
            {"later this year", Local(2026, 2, 1, 9, 0), 7, 4, 10, 15, Local(2026, 7, 4, 10, 15)},
            {"today, time gone by", Local(2026, 6, 1, 9, 0), 6, 1, 8, 59, Local(2027, 6, 1, 8, 59)},
            // 8 March 2026 clocks go forward at 02:00: noon that day is 16:00 UTC, not 17:00.
            {"day of clock change", Local(2026, 3, 7, 9, 0), 3, 8, 12, 0, 1772985600},
            // 1 November 2026 clocks go back: 18:00 EST is 23:00 UTC.
            {"day clocks go back", Local(2026, 10, 31, 9, 0), 11, 1, 18, 0, 1793574000},
        };
        for (const Case& c : cases) {
            EXPECT_EQ(NextOccurrence(c.month, c.day, {c.hour, c.minute}, c.now), c.expected) << c.what;
        }
        EXPECT_EQ(NextOccurrence(2, 29, {0, 0}, Local(2026, 1, 1, 0, 0)), std::nullopt);
        EXPECT_EQ(NextOccurrence(2, 29, {0, 0}, Local(2027, 12, 1, 0, 0)), Local(2028, 2, 29, 0, 0));
    });
}

TEST(ScheduleBlock, SingleCallKeptUnlessTouched) {
    testsupport::WithTimeZone(testsupport::kNewYork, [] {
        const std::time_t stored = Local(2019, 3, 10, 14, 45);  // long past: kept when not touched
        CLogger entry;
        CLogger::ScheduleBlock block = entry.GetScheduleBlock();
        block[2] = static_cast<std::uint8_t>(stored);
        block[3] = static_cast<std::uint8_t>(stored >> 8);
        block[4] = static_cast<std::uint8_t>(stored >> 16);
        block[5] = static_cast<std::uint8_t>(stored >> 24);
        entry.SetScheduleBlock(block);

        const SchedulePage opened = DecodeSchedule(block);
        EXPECT_EQ(opened.singleMonth, 3);
        EXPECT_EQ(opened.singleDay, 10);
        EXPECT_EQ(opened.singleTime, (HourMinute{14, 45}));
        SchedulePage page = opened;
        page.daily = {1, 1};
        const std::time_t now = Local(2026, 5, 1, 0, 0);
        ASSERT_FALSE(ComputeSchedule(page, opened, block, now));
        entry.SetScheduleBlock(block);
        EXPECT_EQ(entry.GetSingleCall(), stored);

        page.singleTime.minute = 46;
        ASSERT_FALSE(ComputeSchedule(page, opened, block, now));
        entry.SetScheduleBlock(block);
        EXPECT_EQ(entry.GetSingleCall(), Local(2027, 3, 10, 14, 46));
        EXPECT_EQ(entry.GetSecondCall(), -1);
    });
}

TEST(ScheduleBlock, NoTimeShowsAsFirstOfJanuary) {
    const SchedulePage page = DecodeSchedule(DefaultBlock());
    EXPECT_EQ(page.choice, kCallSingle);
    EXPECT_EQ(page.singleMonth, 1);
    EXPECT_EQ(page.singleDay, 1);
    EXPECT_EQ(page.singleTime, (HourMinute{0, 0}));
    EXPECT_TRUE(page.dataTransfer);
    EXPECT_EQ(page.transferKind, 1);
}

TEST(ScheduleBlock, TypingClamp) {
    const std::tuple<int, int, int> cases[] = {{27, 23, 2},  {55, 59, 55}, {60, 59, 6}, {13, 12, 1},
                                               {31, 31, 31}, {32, 31, 3},  {9, 23, 9}};
    for (const auto& [typed, maximum, kept] : cases) {
        EXPECT_EQ(ClampTypedNumber(typed, maximum), kept) << typed;
    }
}

}  // namespace
