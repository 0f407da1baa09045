// Calendar arithmetic of the logger time stamps.
#include "shared/common/calendar.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/support/time_zone.h"

namespace {

TEST(CalendarTest, LeapYearsFollowTheGregorianRule) {
    for (int year : {1904, 1996, 2000, 2024, 2096}) {
        EXPECT_TRUE(IsLeapYear(year)) << year;
    }
    for (int year : {1900, 1999, 2023, 2100}) {
        EXPECT_FALSE(IsLeapYear(year)) << year;
    }
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(CalendarTest, ExpandsTwoDigitYears) {
    const std::array<std::pair<int, int>, 6> cases = {
        {{0, 2000}, {69, 2069}, {70, 1970}, {99, 1999}, {100, 100}, {2024, 2024}}};
    for (const auto& [year, expanded] : cases) {
        EXPECT_EQ(ExpandTwoDigitYear(year), expanded) << year;
    }
}

TEST(CalendarTest, SplitsAMinuteCountFromTheStartOfAYear) {
    struct Case {
        std::uint32_t minutes;
        int startYear;
        int year, month, day, hour, minute;
    };
    constexpr std::uint32_t kDay = 1440;
    const Case cases[] = {
        {0, 2024, 2024, 1, 1, 0, 0},
        {59 * kDay + 61, 2024, 2024, 2, 29, 1, 1},  // leap day
        {59 * kDay, 2023, 2023, 3, 1, 0, 0},        // no leap day
        {366 * kDay - 1, 2024, 2024, 12, 31, 23, 59},
        {366 * kDay, 2024, 2025, 1, 1, 0, 0},
        {(365 + 365 + 366) * kDay + 32 * kDay, 2022, 2025, 2, 2, 0, 0},
        {59 * kDay, 2100, 2100, 3, 1, 0, 0},     // 2100 has no 29 February
        {0xFFFFFF, 2020, 2051, 11, 24, 20, 15},  // the largest 24-bit count
    };
    for (const Case& c : cases) {
        int year = c.startYear, month = 0, day = 0, hour = 0, minute = 0;
        DayNumberToDate(c.minutes, year, month, day, hour, minute);
        const std::array<int, 5> got{year, month, day, hour, minute};
        const std::array<int, 5> expected{c.year, c.month, c.day, c.hour, c.minute};
        EXPECT_EQ(got, expected) << c.minutes << " from " << c.startYear;
    }
}

using Packed = std::array<std::uint8_t, 6>;

TEST(PackedDateTimeTest, GivesTheLocalTimeOfTheFields) {
    testsupport::WithTimeZone(testsupport::kUtc, [] {
        EXPECT_EQ(PackedDateTimeToTime(Packed{24, 3, 5, 14, 7, 9}), 1709647629);
        EXPECT_EQ(PackedDateTimeToTime(Packed{70, 1, 1, 0, 0, 0}), 0);
        EXPECT_EQ(PackedDateTimeToTime(Packed{69, 12, 31, 23, 59, 59}), 3155759999);
    });
    testsupport::WithTimeZone(testsupport::kNewYork, [] {
        // 10 March 2024 02:30 does not exist there: the zone moves it on to 03:30 EDT.
        EXPECT_EQ(PackedDateTimeToTime(Packed{24, 3, 10, 2, 30, 0}), 1710055800);
        // 3 November 2024 01:30 happens twice; either is a fair reading.
        const auto repeated = PackedDateTimeToTime(Packed{24, 11, 3, 1, 30, 0});
        ASSERT_TRUE(repeated.has_value());
        EXPECT_TRUE(*repeated == 1730611800 || *repeated == 1730615400);
    });
}

TEST(PackedDateTimeTest, AFieldOutOfRangeIsReportedNotTakenAsNow) {
    const Packed cases[] = {
        {24, 0, 5, 0, 0, 0},  {24, 13, 5, 0, 0, 0},           {24, 3, 0, 0, 0, 0},
        {24, 3, 32, 0, 0, 0}, {23, 2, 29, 0, 0, 0},           {24, 4, 31, 0, 0, 0},
        {24, 3, 5, 24, 0, 0}, {24, 3, 5, 0, 60, 0},           {24, 3, 5, 0, 0, 60},
        {201, 1, 1, 0, 0, 0}, {255, 255, 255, 255, 255, 255},
    };
    for (const Packed& packed : cases) {
        EXPECT_EQ(PackedDateTimeToTime(packed), std::nullopt)
            << int(packed[0]) << "-" << int(packed[1]) << "-" << int(packed[2]) << " " << int(packed[3])
            << ":" << int(packed[4]) << ":" << int(packed[5]);
    }
    EXPECT_EQ(PackedDateTimeToTime(std::span<const std::uint8_t>(Packed{24, 3, 5, 0, 0, 0}).first(5)),
              std::nullopt);
    EXPECT_TRUE(PackedDateTimeToTime(Packed{200, 12, 31, 23, 59, 59}).has_value());  // 2100, the last year
}

TEST(CalendarTest, UtcNormaliseKeepsTheInstant) {
    for (std::time_t time : {std::time_t{0}, std::time_t{1709647629}, std::time_t{4102444799}}) {
        EXPECT_EQ(UTCTimeNormalize(time), time);
    }
}

}  // namespace
