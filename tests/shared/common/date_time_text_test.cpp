// Dates and times as text in the user's order, and back.
#include "shared/common/date_time_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shared/common/calendar.h"
#include "shared/common/date_time_format_helper.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/time_zone.h"

namespace {

TEST(FormatDateTextTest, FollowsTheShortDateFormat) {
    struct Case {
        const char* shortDate;
        bool twoDigitYear;
        int year;
        const char* text;
    };
    const Case cases[] = {
        {"MM/dd/yy", false, 2024, "03/05/2024"},
        {"MM/dd/yy", true, 2024, "03/05/24"},
        {"yyyy-MM-dd", true, 2024, "24-03-05"},
        {"dd.MM.yyyy", true, 1999, "05.03.99"},
        {"d/M/yyyy", true, 2000, "05/03/00"},
        {"Dd MM yy", true, 1900, "05 03 1900"},
        {"MMddyy", true, 2024, "03/05/24"},      // no separator in the format
        {"MM\tdd\tyy", true, 2024, "03/05/24"},  // a control character is none
        {"", true, 2024, "03/05/24"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDateText(c.year, 3, 5, c.twoDigitYear, c.shortDate), c.text) << c.shortDate;
    }
}

TEST(FormatDateTextTest, UsesTheApplicationsFormatsByDefault) {
    testsupport::FakeAppContext context;
    context.shortDateFormat = "dd.MM.yyyy";
    context.timeFormat = "HH.mm.ss";
    EXPECT_EQ(FormatDateText(2024, 12, 31, true), "31.12.24");
    EXPECT_EQ(FormatTimeText(7, 5, 9), "07.05.09");
}

TEST(FormatShownDateTest, ShowsADayInTheUsersOrderWithTheCenturyWhereTheFormatWritesIt) {
    struct Case {
        const char* shortDate;
        const char* date;
    };
    const Case cases[] = {
        {"MM/dd/yy", "03/07/24"}, {"dd/MM/yyyy", "07/03/2024"}, {"yyyy-MM-dd", "2024-03-07"},
        {"d.M.yy", "07.03.24"},   {"yy/MM/dd", "24/03/07"},
    };
    const std::tm day = *TimeFromFields(2024, 3, 7, 9, 5, 7);
    for (const Case& c : cases) {
        testsupport::FakeAppContext context;
        context.shortDateFormat = c.shortDate;
        EXPECT_EQ(FormatShownDate(day), c.date) << c.shortDate;
        EXPECT_EQ(FormatShownTime(day), "09:05:07");
    }
}

TEST(FormatTimeTextTest, TakesTheSeparatorFromTheTimeFormat) {
    struct Case {
        const char* timeFormat;
        const char* text;
    };
    const Case cases[] = {
        {"HH:mm:ss", "07:05:09"},
        {"h.mm.ss tt", "07.05.09"},
        {"ss-mm-HH", "07-05-09"},  // a leading "s" is a time letter, not the separator
        {"HHmmss", "07:05:09"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatTimeText(7, 5, 9, c.timeFormat), c.text) << c.timeFormat;
    }
}

TEST(FormatTimeTextTest, AnEightBitSeparatorStaysInADateButNotInATime) {
    const std::string dot = "\xB7";  // middle dot
    EXPECT_EQ(FormatDateText(2024, 3, 5, true, "dd" + dot + "MM" + dot + "yy"),
              "05" + dot + "03" + dot + "24");
    EXPECT_EQ(FormatTimeText(7, 5, 9, "HH" + dot + "mm" + dot + "ss"), "07:05:09");
}

struct ParseDateCase {
    const char* text;
    int order;
    bool twoDigitYear;
    bool anySeparator;
    bool ok;
    int year, month, day;
    std::size_t end;  // position the result points to
};

class ParseDateTest : public testing::TestWithParam<ParseDateCase> {};

TEST_P(ParseDateTest, ReadsOrRejects) {
    const ParseDateCase& c = GetParam();
    int year = -1, month = -1, day = -1;
    const char* end = ParseDateInOrder(c.text, c.order, year, month, day, c.twoDigitYear, c.anySeparator);
    if (!c.ok) {
        EXPECT_EQ(end, nullptr);
        EXPECT_EQ(year, -1);  // outputs untouched
        return;
    }
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end - c.text, static_cast<std::ptrdiff_t>(c.end));
    EXPECT_EQ(year, c.year);
    EXPECT_EQ(month, c.month);
    EXPECT_EQ(day, c.day);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ParseDateTest,
    testing::Values(ParseDateCase{"3/5/24", kDateOrderMDY, false, false, true, 2024, 3, 5, 6},
                    ParseDateCase{"3/5/70", kDateOrderMDY, false, false, true, 1970, 3, 5, 6},
                    ParseDateCase{"3/5/69", kDateOrderMDY, false, false, true, 2069, 3, 5, 6},
                    ParseDateCase{"3/5/1999", kDateOrderMDY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"3/5/1999", kDateOrderMDY, true, false, true, 99, 3, 5, 8},
                    ParseDateCase{"3/5/2024", kDateOrderMDY, true, false, true, 24, 3, 5, 8},
                    ParseDateCase{"3/5/2000", kDateOrderMDY, true, false, true, 0, 3, 5, 8},
                    ParseDateCase{"3/5/1900", kDateOrderMDY, true, false, true, 1900, 3, 5, 8},
                    ParseDateCase{"31/13/24", kDateOrderDMY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"31/12/24", kDateOrderDMY, false, false, true, 2024, 12, 31, 8},
                    ParseDateCase{"5/24/3", kDateOrderMYD, false, false, true, 2024, 5, 3, 6},
                    ParseDateCase{"3/24/12", kDateOrderDYM, false, false, true, 2024, 12, 3, 7},
                    ParseDateCase{"24/3/5", kDateOrderYMD, false, false, true, 2024, 3, 5, 6},
                    ParseDateCase{"24/5/3", kDateOrderYDM, false, false, true, 2024, 3, 5, 6},
                    ParseDateCase{" 3 / 5 /\t24, 07:00", kDateOrderMDY, false, false, true, 2024, 3, 5, 11},
                    ParseDateCase{"3/5/24 07:00", kDateOrderMDY, false, false, true, 2024, 3, 5, 6},
                    ParseDateCase{"05.03.24", kDateOrderDMY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"05.03-24", kDateOrderDMY, false, true, true, 2024, 3, 5, 8},
                    ParseDateCase{"05:03:24", kDateOrderDMY, false, true, false, 0, 0, 0, 0},
                    ParseDateCase{"05 03 24,13:00", kDateOrderDMY, false, true, true, 2024, 3, 5, 8},
                    ParseDateCase{"05 03 24", kDateOrderDMY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"0503 24", kDateOrderDMY, false, true, false, 0, 0, 0, 0},
                    ParseDateCase{"0/5/24", kDateOrderMDY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"3/32/24", kDateOrderMDY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"3/5/2501", kDateOrderMDY, true, false, false, 0, 0, 0, 0},
                    ParseDateCase{"3/5/24x", kDateOrderMDY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"3/5", kDateOrderMDY, false, false, false, 0, 0, 0, 0},
                    ParseDateCase{"", kDateOrderMDY, false, false, false, 0, 0, 0, 0}));

TEST(ParseDateTest, TakesTheApplicationsOrderUnlessTheOrderIsFixed) {
    testsupport::FakeAppContext context;
    context.dateOrder = kDateOrderDMY;
    int year = 0, month = 0, day = 0;
    ASSERT_NE(ParseDate("5/3/24", year, month, day, false, false, false), nullptr);
    EXPECT_EQ(month, 3);
    EXPECT_EQ(day, 5);
    ASSERT_NE(ParseDate("5/3/24", year, month, day, false, true, false), nullptr);
    EXPECT_EQ(month, 5);
    EXPECT_EQ(day, 3);
    EXPECT_EQ(ParseDate(nullptr, year, month, day, false, false, false), nullptr);
}

TEST(ParseTimeTest, ReadsOrRejects) {
    struct Case {
        const char* text;
        bool ok;
        int hours, minutes, seconds;
        std::size_t end;
    };
    const Case cases[] = {
        {"7:05:09,", true, 7, 5, 9, 7},       {"23:59:59", true, 23, 59, 59, 8},
        {" 0:\t0: 0 rest", true, 0, 0, 0, 8}, {"24:00:00", false, 0, 0, 0, 0},
        {"12:60:00", false, 0, 0, 0, 0},      {"12:00:60", false, 0, 0, 0, 0},
        {"123:00:00", false, 0, 0, 0, 0},     {"12 :00:00", false, 0, 0, 0, 0},
        {"12:00", false, 0, 0, 0, 0},         {"12:00:00x", false, 0, 0, 0, 0},
        {"12.00.00", false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        int hours = -1, minutes = -1, seconds = -1;
        const char* end = ParseTime(c.text, hours, minutes, seconds);
        if (!c.ok) {
            EXPECT_EQ(end, nullptr) << c.text;
            continue;
        }
        ASSERT_NE(end, nullptr) << c.text;
        EXPECT_EQ(end - c.text, static_cast<std::ptrdiff_t>(c.end)) << c.text;
        EXPECT_EQ(hours, c.hours);
        EXPECT_EQ(minutes, c.minutes);
        EXPECT_EQ(seconds, c.seconds);
    }
}

TEST(ParseDateTimeTextTest, GivesTheLocalTimeOfTheText) {
    testsupport::WithTimeZone(testsupport::kUtc, [] {
        EXPECT_EQ(ParseDateTimeText("14:07:09 03/05/24"), 1709647629);
        EXPECT_EQ(ParseDateTimeText("0:0:0 1/1/70"), 0);
    });
    testsupport::WithTimeZone(testsupport::kNewYork, [] {
        EXPECT_EQ(ParseDateTimeText("12:00:00 01/15/24"), 1705338000);  // EST, UTC-5
        EXPECT_EQ(ParseDateTimeText("12:00:00 07/15/24"), 1721059200);  // EDT, UTC-4
    });
}

TEST(ReadClockTextTest, ReadsTheLoggersMonthFirstClock) {
    const std::optional<std::tm> read = ReadClockText("13:05:09 03/07/24");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->tm_year, 124);
    EXPECT_EQ(read->tm_mon, 2);
    EXPECT_EQ(read->tm_mday, 7);
    EXPECT_EQ(read->tm_hour, 13);
    EXPECT_EQ(read->tm_min, 5);
    EXPECT_EQ(read->tm_sec, 9);
    EXPECT_EQ(ReadClockText("1:2:3 12/31/99")->tm_year, 99);
    for (const char* text : {"", "13:05:09 13/07/24", "13:05:09 02/30/24", "12/10/26 THU 09:05:07"}) {
        EXPECT_EQ(ReadClockText(text), std::nullopt) << text;
    }
}

TEST(ParseDateTimeTextTest, ABadTextIsReportedNotTakenAsNow) {
    for (const char* text :
         {"", "14:07 03/05/24", "14:07:09 13/05/24", "14:07:09 02/30/24", "24:00:00 03/05/24",
          "14:60:00 03/05/24", "14:07:09 03/05/-1", "14:07:09 03/05/201", "99999999999:0:0 1/1/24"}) {
        EXPECT_EQ(ParseDateTimeText(text), std::nullopt) << text;
    }
    EXPECT_EQ(ParseDateTimeText(nullptr), std::nullopt);
}

}  // namespace
