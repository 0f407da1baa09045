// Tests of local-time conversion and OLE dates, in UTC and in a zone with daylight saving.
#include "platform/base/local_time.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "tests/support/time_zone.h"

namespace platform {
namespace {

using testsupport::kNewYork;
using testsupport::kUtc;
using testsupport::ScopedTimeZone;

std::tm MakeTm(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

void ExpectSameWallClock(const std::tm& actual, const std::tm& expected) {
    EXPECT_EQ(actual.tm_year, expected.tm_year);
    EXPECT_EQ(actual.tm_mon, expected.tm_mon);
    EXPECT_EQ(actual.tm_mday, expected.tm_mday);
    EXPECT_EQ(actual.tm_hour, expected.tm_hour);
    EXPECT_EQ(actual.tm_min, expected.tm_min);
    EXPECT_EQ(actual.tm_sec, expected.tm_sec);
}

TEST(OleDateTest, DatesAndTimesMapToDaysSince18991230BothWays) {
    struct Case {
        std::tm time;
        double oleDate;
        int weekday;
    };
    const Case cases[] = {
        {MakeTm(1899, 12, 30), 0.0, 6},
        {MakeTm(1899, 12, 30, 6), 0.25, 6},
        {MakeTm(1900, 1, 1), 2.0, 1},
        {MakeTm(1970, 1, 1), 25569.0, 4},
        {MakeTm(2000, 2, 29, 18), 36585.75, 2},  // leap day of a century leap year
        {MakeTm(2000, 1, 1, 12), 36526.5, 6},
        // Before day 0 the whole part counts back and the fraction forward.
        {MakeTm(1899, 12, 29), -1.0, 5},
        {MakeTm(1899, 12, 29, 6), -1.25, 5},
        {MakeTm(1899, 12, 28, 18), -2.75, 4},
        {MakeTm(1800, 1, 1), -36522.0, 3},
        {MakeTm(100, 1, 1), -657434.0, 5},
        {MakeTm(9999, 12, 31, 23, 59, 59), 2958465.0 + 86399.0 / 86400.0, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "OLE date " << c.oleDate);
        EXPECT_DOUBLE_EQ(ToOleDate(c.time), c.oleDate);
        const auto back = FromOleDate(c.oleDate);
        ASSERT_TRUE(back.has_value());
        ExpectSameWallClock(*back, c.time);
        EXPECT_EQ(back->tm_wday, c.weekday);
    }
}

TEST(OleDateTest, OutOfRangeFieldsAreNormalisedAndTimesRoundToTheSecond) {
    EXPECT_DOUBLE_EQ(ToOleDate(MakeTm(1999, 13, 1)), ToOleDate(MakeTm(2000, 1, 1)));
    EXPECT_DOUBLE_EQ(ToOleDate(MakeTm(2000, 3, 0)), ToOleDate(MakeTm(2000, 2, 29)));
    EXPECT_DOUBLE_EQ(ToOleDate(MakeTm(2000, 1, 1, 0, 0, -1)), ToOleDate(MakeTm(1999, 12, 31, 23, 59, 59)));
    // 0.4 s before 12:00:01 is nearer 12:00:01 than 12:00:00.
    const auto rounded = FromOleDate(36526.5 + 0.6 / 86400.0);
    ASSERT_TRUE(rounded.has_value());
    ExpectSameWallClock(*rounded, MakeTm(2000, 1, 1, 12, 0, 1));
}

TEST(OleDateTest, DatesThatAreNoDatesAreRefused) {
    for (const double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), 2958466.0, 1e300, -657435.0, -1e300}) {
        EXPECT_FALSE(FromOleDate(bad).has_value()) << bad;
        EXPECT_FALSE(OleDateToTime(bad).has_value()) << bad;
    }
    // The last second of 9999 rounds up past the end.
    EXPECT_FALSE(FromOleDate(2958466.0 - 0.1 / 86400.0).has_value());
}

TEST(LocalTimeTest, UtcAndLocalConversionsAgreeUnderUtc) {
    ScopedTimeZone zone(kUtc);
    const std::time_t time = 951782400 + 18 * 3600;  // 2000-02-29 18:00 UTC
    for (const auto& broken : {ToLocalTime(time), ToUtcTime(time)}) {
        ASSERT_TRUE(broken.has_value());
        ExpectSameWallClock(*broken, MakeTm(2000, 2, 29, 18));
    }
    EXPECT_EQ(FromLocalTime(MakeTm(2000, 2, 29, 18)), time);
    EXPECT_EQ(FromUtcTime(MakeTm(2000, 2, 29, 18)), time);
    EXPECT_DOUBLE_EQ(TimeToOleDate(time), 36585.75);
    EXPECT_EQ(OleDateToTime(36585.75), time);
    EXPECT_DOUBLE_EQ(TimeToOleDate(0), 25569.0);
}

TEST(LocalTimeTest, OneSecondBeforeTheEpochIsATimeNotAnError) {
    ScopedTimeZone zone(kUtc);
    EXPECT_EQ(FromUtcTime(MakeTm(1969, 12, 31, 23, 59, 59)), std::optional<std::time_t>(-1));
    EXPECT_EQ(FromLocalTime(MakeTm(1969, 12, 31, 23, 59, 59)), std::optional<std::time_t>(-1));
}

TEST(LocalTimeTest, TimesThatCannotBeRepresentedAreRefused) {
    ScopedTimeZone zone(kNewYork);
    std::tm far = MakeTm(2000, 1, 1);
    far.tm_year = INT_MAX;
    far.tm_mon = INT_MAX;  // normalising the months overflows the year
    EXPECT_FALSE(FromLocalTime(far).has_value());
    EXPECT_FALSE(FromUtcTime(far).has_value());
    EXPECT_FALSE(ToLocalTime(std::numeric_limits<std::time_t>::max()).has_value());
    EXPECT_TRUE(std::isnan(TimeToOleDate(std::numeric_limits<std::time_t>::max())));
}

TEST(LocalTimeTest, NewYorkSpringForwardKeepsWallClockInOleDates) {
    ScopedTimeZone zone(kNewYork);
    // 2021-03-14: 01:59:59 EST is followed by 03:00:00 EDT.
    const std::time_t beforeChange = 1615701600;  // 01:00 EST
    const std::time_t afterChange = 1615705200;   // 03:00 EDT, one hour later
    EXPECT_DOUBLE_EQ(TimeToOleDate(beforeChange), ToOleDate(MakeTm(2021, 3, 14, 1)));
    EXPECT_DOUBLE_EQ(TimeToOleDate(afterChange), ToOleDate(MakeTm(2021, 3, 14, 3)));
    EXPECT_EQ(OleDateToTime(ToOleDate(MakeTm(2021, 3, 14, 1))), beforeChange);
    EXPECT_EQ(OleDateToTime(ToOleDate(MakeTm(2021, 3, 14, 3))), afterChange);
    const auto summer = ToLocalTime(afterChange);
    ASSERT_TRUE(summer.has_value());
    EXPECT_GT(summer->tm_isdst, 0);
}

TEST(LocalTimeTest, NewYorkFallBackAndSummerTimesFromFieldsUseTheZonesOffset) {
    ScopedTimeZone zone(kNewYork);
    // A tm filled field by field holds tm_isdst 0; the zone must still decide, or July is an hour off.
    const std::tm julyNoon = MakeTm(2021, 7, 1, 12);
    EXPECT_EQ(FromLocalTime(julyNoon), std::optional<std::time_t>(1625155200));  // 16:00 UTC
    EXPECT_EQ(FromLocalTime(julyNoon, DstChoice::AsGiven), std::optional<std::time_t>(1625155200 + 3600));
    // 2021-11-07 01:30 happens twice; the caller who knows which one can say so.
    std::tm secondHalfPastOne = MakeTm(2021, 11, 7, 1, 30);
    secondHalfPastOne.tm_isdst = 0;
    EXPECT_EQ(FromLocalTime(secondHalfPastOne, DstChoice::AsGiven), std::optional<std::time_t>(1636266600));
    // Across the change a day in OLE dates is still one whole day of wall clock.
    EXPECT_DOUBLE_EQ(TimeToOleDate(1636257600 + 25 * 3600) - TimeToOleDate(1636257600), 1.0);
}

}  // namespace
}  // namespace platform
