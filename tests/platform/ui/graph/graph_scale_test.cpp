// Serial dates to and from their parts, value scales and time marks.
#include <gtest/gtest.h>

#include "platform/ui/graph/graph_scale.h"
#include "platform/ui/graph/serial_date.h"
#include "platform/base/string_format.h"

namespace {

using platform::SerialDateParts;

TEST(SerialDateTest, PartsRoundTripAndBadPartsFail) {
    const struct {
        SerialDateParts parts;
        double serial;
    } valid[] = {
        {{1, 1, 100, 0, 0, 0}, 36526.0},              // 2000-01-01
        {{2, 29, 124, 12, 0, 0}, 45351.5},            // leap day at noon
        {{12, 31, 69, 23, 59, 59}, 25568.0 + 86399.0 / 86400.0},
    };
    for (const auto& [parts, serial] : valid) {
        EXPECT_NEAR(platform::CreateSerialDate(parts), serial, 1e-6);
        SerialDateParts back;
        ASSERT_TRUE(platform::SerialDateToParts(serial, back));
        EXPECT_EQ(back, parts);
    }
    // No part is carried into the next: each of these is refused.
    const SerialDateParts invalid[] = {
        {13, 1, 100, 0, 0, 0}, {2, 30, 124, 0, 0, 0}, {2, 29, 123, 0, 0, 0}, {1, 0, 100, 0, 0, 0},
        {1, 1, 100, 24, 0, 0}, {1, 1, 100, 0, 60, 0}, {1, 1, 100, 0, 0, 60}, {1, 1, -1850, 0, 0, 0},
    };
    for (const auto& parts : invalid) {
        EXPECT_EQ(platform::CreateSerialDate(parts), 0.0) << parts.month << "/" << parts.day;
    }
}

TEST(GraphScaleTest, ValueScalesCoverTheRangeInRoundSteps) {
    const auto scale = platform::MakeValueScale(3.2, 97.0, 11);
    EXPECT_EQ(scale.step, 10.0);
    EXPECT_LE(scale.minimum, 3.2);
    EXPECT_GE(scale.maximum, 97.0);
    EXPECT_EQ(scale.Marks().front(), 0.0);
    EXPECT_EQ(scale.Marks().back(), 100.0);
    // A flat range is widened so that its value lies inside.
    const auto flat = platform::MakeValueScale(5.0, 5.0, 5);
    EXPECT_LT(flat.minimum, 5.0);
    EXPECT_GT(flat.maximum, 5.0);
}

TEST(GraphScaleTest, TimeMarksFallOnWholeStepsWithTheDateWhenItChanges) {
    // The program passes the user's order; here month/day/year.
    const platform::DateTextFn monthFirst = [](int year, int month, int day) {
        return platform::StringPrintf("%02d/%02d/%02d", month, day, year % 100);
    };
    const double from = platform::CreateSerialDate({3, 1, 126, 22, 50, 0});
    const double to = platform::CreateSerialDate({3, 2, 126, 1, 10, 0});
    const auto marks = platform::MakeTimeMarks(from, to, 50.0 / 86400.0 * 60.0, monthFirst);  // at least 50 minutes
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].time, "23:00");
    EXPECT_EQ(marks[0].date, "03/01/26");
    EXPECT_EQ(marks[1].time, "00:00");
    EXPECT_EQ(marks[1].date, "03/02/26");
    EXPECT_EQ(marks[2].time, "01:00");
    EXPECT_EQ(marks[2].date, "");
    // Steps below a minute show seconds.
    const auto seconds = platform::MakeTimeMarks(from, from + 20.0 / 86400.0, 5.0 / 86400.0, {});
    ASSERT_FALSE(seconds.empty());
    EXPECT_EQ(seconds[1].time, "22:50:05");
    EXPECT_EQ(seconds[0].date, "2026-03-01");  // without the user's order
}

}  // namespace
