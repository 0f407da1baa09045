// The rules of the logger clock dialog: the clamp while typing, the order of the date fields and the
// clock that runs on from a base reading.
#include "kivo32/tools/set_time_rules.h"

#include <gtest/gtest.h>

#include "kivo32/tools/setting_ids.h"

namespace {

TEST(SetTimeRulesTest, AValueAboveItsFieldsMaximumLosesItsLastDigitWhileTyping) {
    struct Case {
        ClockField field;
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case{ClockField::Hour, "45", "4"}, Case{ClockField::Hour, "24", "2"},
                          Case{ClockField::Hour, "23", "23"}, Case{ClockField::Minute, "60", "6"},
                          Case{ClockField::Second, "59", "59"}, Case{ClockField::Day, "32", "3"},
                          Case{ClockField::Day, "31", "31"}, Case{ClockField::Month, "13", "1"},
                          Case{ClockField::Month, "00", "00"}, Case{ClockField::Year, "99", "99"},
                          Case{ClockField::Hour, "", ""}}) {
        EXPECT_EQ(ClampTypedField(c.field, c.typed), c.kept) << c.typed;
    }
}

TEST(SetTimeRulesTest, TheDateFieldsFollowTheFirstLetterOfTheShortDateFormat) {
    using F = ClockField;
    struct Case {
        const char* format;
        std::array<ClockField, 3> fields;
        unsigned label;
    };
    for (const Case& c : {Case{"MM/dd/yy", {F::Month, F::Day, F::Year}, IDS_DATE_LABEL_MDY},
                          Case{"M/d/yyyy", {F::Month, F::Day, F::Year}, IDS_DATE_LABEL_MDY},
                          Case{"dd/MM/yyyy", {F::Day, F::Month, F::Year}, IDS_DATE_LABEL_DMY},
                          Case{"d.M.yy", {F::Day, F::Month, F::Year}, IDS_DATE_LABEL_DMY},
                          Case{"yyyy-MM-dd", {F::Year, F::Month, F::Day}, IDS_DATE_LABEL_YMD},
                          Case{"", {F::Month, F::Day, F::Year}, IDS_DATE_LABEL_MDY}}) {
        const DateArrangement arrangement = ArrangeDateFields(c.format);
        EXPECT_EQ(arrangement.fields, c.fields) << c.format;
        EXPECT_EQ(arrangement.labelId, c.label) << c.format;
    }
}

TEST(SetTimeRulesTest, TheClockCarriesIntoTheDatePastMidnight) {
    struct Case {
        ClockReading base;
        std::int64_t seconds;
        ClockReading shown;
    };
    const Case cases[] = {
        {{26, 5, 14, 10, 20, 30}, 1, {26, 5, 14, 10, 20, 31}},
        {{26, 5, 14, 10, 59, 59}, 1, {26, 5, 14, 11, 0, 0}},
        {{26, 5, 14, 23, 59, 59}, 1, {26, 5, 15, 0, 0, 0}},
        {{26, 12, 31, 23, 59, 58}, 3, {27, 1, 1, 0, 0, 1}},
        {{24, 2, 28, 23, 59, 59}, 1, {24, 2, 29, 0, 0, 0}},  // 2024 is a leap year
        {{23, 2, 28, 23, 59, 59}, 1, {23, 3, 1, 0, 0, 0}},
        {{99, 12, 31, 23, 59, 59}, 1, {0, 1, 1, 0, 0, 0}},
        {{26, 5, 14, 12, 0, 0}, 2 * 86400 + 60, {26, 5, 16, 12, 1, 0}},
        // A date the user left out of its month stays as typed until the clock passes midnight.
        {{26, 2, 31, 12, 0, 0}, 60, {26, 2, 31, 12, 1, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AdvanceClock(c.base, c.seconds), c.shown)
            << c.base.month << "/" << c.base.day << " +" << c.seconds;
    }
}

}  // namespace
