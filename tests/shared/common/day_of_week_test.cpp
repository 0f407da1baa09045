// A day of the week, 1 Sunday to 7 Saturday.
#include "shared/common/day_of_week.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "tests/support/resource_texts.h"

namespace {

TEST(DayOfWeekTest, AddsDaysRoundTheWeekBothWays) {
    struct Case {
        int day, add, result;
    };
    const Case cases[] = {
        {7, 1, 1}, {1, 6, 7}, {3, 7, 3}, {3, 15, 4}, {2, -1, 1}, {1, -1, 7}, {1, -8, 7}, {4, -14, 4},
    };
    for (const Case& c : cases) {
        CDayOfWeek day(c.day);
        day.AddDays(c.add);
        EXPECT_EQ(day.GetDay(), c.result) << c.day << " + " << c.add;
        EXPECT_TRUE(day.IsValid());
    }
}

TEST(DayOfWeekTest, CountsTheDaysForwardToAnother) {
    EXPECT_EQ(CDayOfWeek(7).DaysUntil(CDayOfWeek(2)), 2);  // Saturday to Monday
    EXPECT_EQ(CDayOfWeek(2).DaysUntil(CDayOfWeek(7)), 5);
    EXPECT_EQ(CDayOfWeek(4).DaysUntil(CDayOfWeek(4)), 0);
    EXPECT_EQ(CDayOfWeek(4).DaysUntil(CDayOfWeek(0)), 0);
    EXPECT_EQ(CDayOfWeek(8).DaysUntil(CDayOfWeek(4)), 0);
}

TEST(DayOfWeekTest, AnInvalidDayStaysInvalid) {
    for (int number : {0, 8, -1}) {
        CDayOfWeek day(number);
        day.AddDays(3);
        EXPECT_FALSE(day.IsValid());
        EXPECT_EQ(day.GetDay(), -1);
        EXPECT_FALSE(day.IsWeekday());
        EXPECT_FALSE(day.IsWeekend());
        EXPECT_EQ(day.GetName(), "");
    }
}

TEST(DayOfWeekTest, TellsWeekdaysFromWeekends) {
    for (int number = 1; number <= 7; ++number) {
        const CDayOfWeek day(number);
        const bool weekend = number == 1 || number == 7;
        EXPECT_EQ(day.IsWeekend(), weekend) << number;
        EXPECT_EQ(day.IsWeekday(), !weekend) << number;
    }
}

TEST(DayOfWeekTest, TakesTheWeekdayOfADate) {
    struct Case {
        int year, month, day, weekday;
    };
    const Case cases[] = {{2024, 3, 5, 3}, {1899, 12, 30, 7}, {2000, 1, 1, 7}, {2024, 3, 10, 1}};
    for (const Case& c : cases) {
        std::tm fields{};
        fields.tm_year = c.year - 1900;
        fields.tm_mon = c.month - 1;
        fields.tm_mday = c.day;
        fields.tm_hour = 23;
        CDayOfWeek day(1);
        day.SetFromDate(platform::ToOleDate(fields));
        EXPECT_EQ(day.GetDay(), c.weekday) << c.year << "-" << c.month << "-" << c.day;
    }
    CDayOfWeek day(3);
    day.SetFromDate(std::nan(""));
    EXPECT_FALSE(day.IsValid());
    EXPECT_EQ(day.GetDay(), -1);
}

TEST(DayOfWeekTest, NamesTheDayInTheProgramsLanguage) {
    SetProgramTexts(testsupport::LoadResourceTexts("fr", "common"));
    EXPECT_EQ(CDayOfWeek(1).GetName(), "dimanche");
    EXPECT_EQ(CDayOfWeek(7).GetName(), "samedi");
    SetProgramTexts(testsupport::LoadResourceTexts("en", "common"));
    EXPECT_EQ(CDayOfWeek(2).GetName(), "Monday");
    SetProgramTexts({});
}

}  // namespace
