// The load-profile bucket table, its intervals and time stamps on the wall clock.
#include <gtest/gtest.h>

#include "kivo32/analysis/load_profile_tou.h"
#include "kivo32/analysis/profile_data.h"
#include "shared/setup/interval_codes.h"
#include "tests/kivo32/analysis/monday.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/time_zone.h"

namespace {

using testsupport::kMonday;

CTimestampTOU Stamp(int year, int month, int day, int hour, int minute, int second) {
    CTimestampTOU stamp;
    EXPECT_TRUE(stamp.SetFromFields(year, month, day, hour, minute, second));
    return stamp;
}

TEST(LoadProfileTest, BucketTablesOfEachLayout) {
    struct Case {
        const char* name;
        int period;
        int code;
        bool minuteMinimum;
        int buckets;
        long interval;
    };
    const Case cases[] = {
        {"daily 15 minutes", kProfileDaily, 11, false, 96, 900},
        {"weekly 15 minutes", kProfileWeekly, 11, false, 672, 900},
        {"daily 12 hours", kProfileDaily, 15, false, 2, 43200},
        {"daily one day", kProfileDaily, 16, false, 1, 86400},
        {"weekly one day", kProfileWeekly, 16, false, 7, 86400},
        {"1 second", kProfileDaily, 1, false, 86400, 1},
        {"1 second raised to a minute", kProfileDaily, 1, true, 1440, 60},
        {"30 seconds raised to a minute", kProfileWeekly, 6, true, 7 * 1440, 60},
        {"5 minutes not raised", kProfileDaily, 9, true, 288, 300},
        {"code outside the table", kProfileDaily, 17, false, 0, 0},
        {"no period", 0, 11, false, 0, 900},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLoadProfileTOU profile;
        profile.Init(c.period, kProfileAllDays, c.code, kMonday, c.minuteMinimum);
        EXPECT_EQ(profile.GetBucketCount(), c.buckets);
        EXPECT_EQ(profile.GetIntervalSeconds(), c.interval);
        CBucket bucket;
        EXPECT_EQ(profile.GetBucket(c.buckets, bucket), false);
        if (c.buckets > 0) {
            ASSERT_TRUE(profile.GetBucket(c.buckets - 1, bucket));
            EXPECT_EQ(bucket.GetValue(), 0.0F);
        }
    }
}

TEST(LoadProfileTest, BucketStartTimesAndDays) {
    CLoadProfileTOU daily;
    daily.Init(kProfileDaily, kProfileAllDays, 11, kMonday, false);
    EXPECT_EQ(daily.GetBucketStartTime(95), 23 * 3600 + 45 * 60);
    EXPECT_EQ(daily.GetBucketStartTime(96), 0);
    EXPECT_EQ(daily.GetDayName(0), "");

    CLoadProfileTOU halfDays;
    halfDays.Init(kProfileDaily, kProfileAllDays, 15, kMonday, false);
    EXPECT_EQ(halfDays.GetBucketStartTime(0), 0);
    EXPECT_EQ(halfDays.GetBucketStartTime(1), 12 * 3600);

    datafiletest::EnglishTexts texts;
    CLoadProfileTOU weekly;
    weekly.Init(kProfileWeekly, kProfileAllDays, 11, kMonday, false);
    EXPECT_EQ(weekly.GetDayName(95), "Monday");
    EXPECT_EQ(weekly.GetDayName(96), "Tuesday");
    EXPECT_EQ(weekly.GetDayName(671), "Sunday");
    EXPECT_EQ(weekly.GetBucketStartTime(96), 0);
    EXPECT_EQ(weekly.GetDayName(672), "");
}

TEST(LoadProfileTest, BucketIndexOfTimeStamps) {
    struct Case {
        const char* name;
        int period;
        int code;
        CTimestampTOU stamp;
        int index;
    };
    // 2024-03-11 is a Monday.
    const Case cases[] = {
        {"a boundary begins its bucket", kProfileDaily, 11, Stamp(2024, 3, 11, 0, 15, 0), 1},
        {"just before it", kProfileDaily, 11, Stamp(2024, 3, 11, 0, 14, 59), 0},
        {"23:59:59 by the hour", kProfileDaily, 14, Stamp(2024, 3, 11, 23, 59, 59), 23},
        {"the start day's midnight", kProfileWeekly, 11, Stamp(2024, 3, 11, 0, 0, 0), 0},
        {"Tuesday", kProfileWeekly, 11, Stamp(2024, 3, 12, 0, 0, 0), 96},
        {"Sunday's last", kProfileWeekly, 11, Stamp(2024, 3, 17, 23, 45, 0), 671},
        {"a stamp that is not valid", kProfileDaily, 11, CTimestampTOU(), -1},
        {"a table without interval", kProfileDaily, 0, Stamp(2024, 3, 11, 1, 0, 0), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLoadProfileTOU profile;
        profile.Init(c.period, kProfileAllDays, c.code, kMonday, false);
        EXPECT_EQ(profile.GetBucketIndex(c.stamp), c.index);
    }
}

TEST(LoadProfileTest, LayoutComparesPeriodAndIntervalOnly) {
    CLoadProfileTOU weekdays;
    weekdays.Init(kProfileDaily, kProfileWeekdays, 11, kMonday, false);
    CLoadProfileTOU allDays;
    allDays.Init(kProfileDaily, kProfileAllDays, 11, CDayOfWeek(1), false);
    EXPECT_TRUE(weekdays.IsSameLayout(allDays));
    CLoadProfileTOU weekly;
    weekly.InitFrom(weekdays);
    EXPECT_EQ(weekly.GetDayFilter(), kProfileWeekdays);
    weekly.Init(kProfileWeekly, kProfileWeekdays, 11, kMonday, false);
    EXPECT_FALSE(weekly.IsSameLayout(weekdays));
}

TEST(LoadProfileTest, BucketAccumulates) {
    CBucket bucket;
    bucket.AddSample(2);
    bucket.AddSample(4);
    EXPECT_EQ(bucket.GetValue(), 3.0F);
    EXPECT_EQ(bucket.GetCount(), 2.0F);
    EXPECT_EQ(bucket.GetSum(), 6.0F);
    bucket.AddToValue(1);
    EXPECT_EQ(bucket.GetValue(), 4.0F);
    EXPECT_EQ(bucket.GetCount(), 2.0F);
    EXPECT_EQ(bucket.GetSum(), 6.0F);
}

// Every data-file interval the table knows gives the same length in the profile; the logger-only
// second has no profile interval.
TEST(LoadProfileTest, DataFileIntervalsMapToProfileIntervals) {
    for (int code = 0; code < kIntervalCodeCount; ++code) {
        SCOPED_TRACE(code);
        const long expected = code == 7 ? 0 : IntervalCodeToSeconds(code);
        EXPECT_EQ(LoadProfileIntervalSeconds(LoadProfileIntervalCode(code)), expected);
    }
    EXPECT_EQ(LoadProfileIntervalCode(kIntervalCodeCount), 0);
    EXPECT_EQ(LoadProfileIntervalCode(-1), 0);
}

TEST(LoadProfileTest, TimeStampsStayOnTheWallClockInEveryZone) {
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        SCOPED_TRACE(zone);
        testsupport::ScopedTimeZone scope(zone);
        // The hour that New York skips in spring and the one it repeats in autumn.
        const CTimestampTOU skipped = Stamp(2024, 3, 10, 2, 30, 0);
        EXPECT_EQ(skipped.GetSecondOfDay(), 2 * 3600 + 30 * 60);
        EXPECT_EQ(skipped.MovedBy(3600).GetSecondOfDay(), 3 * 3600 + 30 * 60);
        const CTimestampTOU repeated = Stamp(2024, 11, 3, 1, 30, 0);
        EXPECT_EQ(repeated.MovedBy(-900).GetSecondOfDay(), 3600 + 15 * 60);
        CTimestampTOU fromOle;
        ASSERT_TRUE(fromOle.SetFromOleDate(repeated.GetOleDateTime()));
        EXPECT_EQ(fromOle, repeated);
        EXPECT_EQ(Stamp(2024, 3, 10, 0, 0, 0).GetDayOfWeek(), 1);
        EXPECT_EQ(Stamp(2024, 3, 11, 0, 0, 0).MovedBy(-1).GetDayOfWeek(), 1);
        EXPECT_EQ(Stamp(1969, 12, 31, 23, 0, 0).GetDayOfWeek(), 4);
    }
    CTimestampTOU stamp = Stamp(2024, 3, 5, 13, 45, 30);
    EXPECT_FALSE(stamp.SetFromFields(2023, 2, 29, 0, 0, 0));
    EXPECT_FALSE(stamp.SetFromFields(2024, 3, 5, 24, 0, 0));
    EXPECT_EQ(stamp, Stamp(2024, 3, 5, 13, 45, 30));
    EXPECT_EQ(CTimestampTOU().GetDayOfWeek(), 0);
}

TEST(LoadProfileTest, TimeStampArrayRefusesIndexesOutside) {
    CTimestampTOUArray stamps;
    ASSERT_TRUE(stamps.SetSize(2));
    const CTimestampTOU stamp = Stamp(2024, 3, 5, 13, 45, 30);
    EXPECT_TRUE(stamps.SetAt(1, stamp));
    EXPECT_FALSE(stamps.SetAt(2, stamp));
    CTimestampTOU read;
    EXPECT_TRUE(stamps.GetAt(1, read));
    EXPECT_EQ(read, stamp);
    EXPECT_TRUE(stamps.GetAt(0, read));
    EXPECT_FALSE(read.IsValid());
    EXPECT_FALSE(stamps.GetAt(2, read));
    EXPECT_EQ(sizeof(CTimestampTOU), 8U);
}

}  // namespace
