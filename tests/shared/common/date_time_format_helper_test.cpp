// The order codes and pictures of the user's date and time formats.
#include "shared/common/date_time_format_helper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "platform/base/local_time.h"

namespace {

CDateTimeFormatHelper HelperFor(std::string shortDate, std::string timeFormat = "HH:mm:ss") {
    return CDateTimeFormatHelper([=] { return CRegionalFormats{"", shortDate, "", timeFormat}; });
}

double OleDate(int year, int month, int day, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return platform::ToOleDate(fields);
}

struct DateFormatCase {
    const char* shortDate;
    int dateOrder;
    int yearDigits;
};

class DateOrderTest : public testing::TestWithParam<DateFormatCase> {};

TEST_P(DateOrderTest, DerivesOrderAndYearDigitsFromTheShortDateFormat) {
    CDateTimeFormatHelper helper = HelperFor(GetParam().shortDate);
    EXPECT_EQ(helper.GetDateOrder(), GetParam().dateOrder);
    EXPECT_EQ(helper.GetYearDigits(), GetParam().yearDigits);
}

INSTANTIATE_TEST_SUITE_P(Formats, DateOrderTest,
                         testing::Values(DateFormatCase{"MM/dd/yy", kDateOrderMDY, 2},
                                         DateFormatCase{"M/yyyy/d", kDateOrderMYD, 4},
                                         DateFormatCase{"dd.MM.yyyy", kDateOrderDMY, 4},
                                         DateFormatCase{"d-yy-MM", kDateOrderDYM, 2},
                                         DateFormatCase{"yyyy-MM-dd", kDateOrderYMD, 4},
                                         DateFormatCase{"yy dd MM", kDateOrderYDM, 2}));

struct TimeFormatCase {
    const char* timeFormat;
    int timeOrder;
    bool hourFirst;
};

class TimeOrderTest : public testing::TestWithParam<TimeFormatCase> {};

TEST_P(TimeOrderTest, DerivesOrderFromTheTimeFormat) {
    CDateTimeFormatHelper helper = HelperFor("MM/dd/yy", GetParam().timeFormat);
    EXPECT_EQ(helper.GetTimeOrder(), GetParam().timeOrder);
    EXPECT_EQ(helper.IsHourFirst(), GetParam().hourFirst);
}

INSTANTIATE_TEST_SUITE_P(Formats, TimeOrderTest,
                         testing::Values(TimeFormatCase{"HH:mm:ss", kTimeOrderHMS, true},
                                         TimeFormatCase{"h:mm:ss tt", kTimeOrderHMS, true},
                                         TimeFormatCase{"HH:ss:mm", kTimeOrderHSM, true},
                                         TimeFormatCase{"mm:HH:ss", kTimeOrderMHS, false},
                                         TimeFormatCase{"mm:ss:HH", kTimeOrderMSH, false},
                                         TimeFormatCase{"ss:HH:mm", kTimeOrderSHM, true},
                                         TimeFormatCase{"ss:mm:HH", kTimeOrderSMH, false}));

TEST(DateTimeFormatHelperTest, UnsetAndBlankValuesTakeTheDefaultsAndValuesAreTrimmed) {
    CDateTimeFormatHelper defaults;
    EXPECT_EQ(defaults.GetShortDateFormat(), "MM/dd/yy");
    EXPECT_EQ(defaults.GetDateSeparator(), "/");
    EXPECT_EQ(defaults.GetTimeFormat(), "HH:mm:ss");
    EXPECT_EQ(defaults.GetTimeSeparator(), ":");

    CDateTimeFormatHelper trimmed([] { return CRegionalFormats{" . ", "\tdd.MM.yyyy ", "  ", ""}; });
    EXPECT_EQ(trimmed.GetDateSeparator(), ".");
    EXPECT_EQ(trimmed.GetShortDateFormat(), "dd.MM.yyyy");
    EXPECT_EQ(trimmed.GetTimeSeparator(), ":");
    EXPECT_EQ(trimmed.GetTimeFormat(), "HH:mm:ss");
}

TEST(DateTimeFormatHelperTest, ReadsTheFormatsOnceUnlessForced) {
    std::string shortDate = "MM/dd/yy";
    int reads = 0;
    CDateTimeFormatHelper helper([&] {
        ++reads;
        return CRegionalFormats{"", shortDate, "", ""};
    });
    EXPECT_EQ(helper.GetDateOrder(), kDateOrderMDY);
    shortDate = "yyyy-MM-dd";
    helper.LoadFormats(0);
    EXPECT_EQ(helper.GetDateOrder(), kDateOrderMDY);
    helper.LoadFormats(1);
    EXPECT_EQ(helper.GetDateOrder(), kDateOrderYMD);
    EXPECT_EQ(reads, 2);
}

TEST(DateTimeFormatHelperTest, FormatsThroughThePictures) {
    const double date = OleDate(2024, 3, 5, 14, 7, 9);
    struct Case {
        const char* shortDate;
        const char* timeFormat;
        const char* dateText;
        const char* timeText;
    };
    const Case cases[] = {
        {"MM/dd/yy", "HH:mm:ss", "03/05/24", "14:07:09"},
        {"d.M.yyyy", "h:m:s tt", "5.3.2024", "2:7:9 PM"},
        {"ddd dd MMM yyyy", "hh 'h' mm", "Tue 05 Mar 2024", "02 h 07"},
        {"dddd, MMMM d, y", "H:mm t", "Tuesday, March 5, 24", "14:07 P"},
    };
    for (const Case& c : cases) {
        CDateTimeFormatHelper helper = HelperFor(c.shortDate, c.timeFormat);
        EXPECT_EQ(helper.FormatDate(date), c.dateText) << c.shortDate;
        EXPECT_EQ(helper.FormatTime(date), c.timeText) << c.timeFormat;
    }
}

TEST(DateTimeFormatHelperTest, JoinsDateAndTimeInColumnsOrPlain) {
    CDateTimeFormatHelper helper = HelperFor("MM/dd/yy");
    const double date = OleDate(1999, 12, 31, 23, 59, 58);
    EXPECT_EQ(helper.FormatDateTime(date, true), "      12/31/99         23:59:58");
    EXPECT_EQ(helper.FormatDateTime(date, false), "12/31/99  23:59:58");
}

TEST(DateTimeFormatHelperTest, AnInvalidDateGivesEmptyTexts) {
    CDateTimeFormatHelper helper;
    for (double invalid : {std::nan(""), 1e9, -1e9}) {
        EXPECT_EQ(helper.FormatDate(invalid), "");
        EXPECT_EQ(helper.FormatTime(invalid), "");
    }
}

}  // namespace
