// Record times through the day cache are those of the system's conversion, on ordinary days, on the days
// daylight saving time starts and ends, and for fields out of range.
#include "shared/datafile/local_day_cache.h"

#include <gtest/gtest.h>

#include "tests/support/time_zone.h"

namespace {

TEST(LocalDayCacheTest, EveryTimeOfEveryDayIsThatOfTheSystemsConversion) {
    for (const char* zone : {testsupport::kUtc, testsupport::kNewYork}) {
        testsupport::ScopedTimeZone scope(zone);
        LocalDayCache cache;
        // An ordinary day, the days the clocks go forward and back, and the first day again.
        for (const RecordDate date :
             {RecordDate{24, 3, 9}, RecordDate{24, 3, 10}, RecordDate{24, 11, 3}, RecordDate{24, 3, 9}}) {
            for (int minutes = 0; minutes < 24 * 60; minutes += 5) {
                const RecordTimeOfDay time{minutes / 60, minutes % 60, minutes % 7};
                ASSERT_EQ(cache.LocalTime(date, time), RecordLocalTime(date, time))
                    << zone << " " << date.month << "/" << date.day << " " << minutes;
            }
            for (const RecordTimeOfDay outside :
                 {RecordTimeOfDay{24, 0, 0}, RecordTimeOfDay{23, 60, 0}, RecordTimeOfDay{-1, 0, 0}}) {
                EXPECT_EQ(cache.LocalTime(date, outside), RecordLocalTime(date, outside));
            }
        }
    }
}

}  // namespace
