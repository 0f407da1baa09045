// The program's date and time formats: the date texts follow the formats the program supplies, in each
// date order, and a change of them while the program runs.
#include "shared/common/program_date_formats.h"

#include <gtest/gtest.h>

#include "shared/common/app_context.h"
#include "shared/common/date_time_text.h"

namespace {

class ProgramDateFormatsTest : public testing::Test {
protected:
    void TearDown() override { SetProgramFormatSource({}); }
};

TEST_F(ProgramDateFormatsTest, DateTextsFollowTheSuppliedFormatInEachDateOrder) {
    struct Case {
        const char* shortDate;
        const char* timeFormat;
        int order;
        const char* date;  // the 5th of March 2024
        const char* time;  // 7:05:09
    };
    for (const Case& test : {Case{"M/d/yyyy", "h:mm:ss tt", kDateOrderMDY, "03/05/24", "07:05:09"},
                             Case{"dd.MM.yyyy", "HH:mm:ss", kDateOrderDMY, "05.03.24", "07:05:09"},
                             Case{"yyyy-MM-dd", "HH.mm.ss", kDateOrderYMD, "24-03-05", "07.05.09"}}) {
        SCOPED_TRACE(test.shortDate);
        SetProgramFormatSource([&] { return CRegionalFormats{"", test.shortDate, "", test.timeFormat}; });
        EXPECT_EQ(GetAppContext().GetShortDateFormat(), test.shortDate);
        EXPECT_EQ(GetAppContext().GetDateOrder(), test.order);
        EXPECT_EQ(FormatDateText(2024, 3, 5, true), test.date);
        EXPECT_EQ(FormatTimeText(7, 5, 9), test.time);
        int year = 0;
        int month = 0;
        int day = 0;
        ASSERT_NE(ParseDate(test.date, year, month, day, true, false, true), nullptr);
        EXPECT_EQ(std::vector<int>({year, month, day}), std::vector<int>({24, 3, 5}));
    }
}

TEST_F(ProgramDateFormatsTest, AChangeOfTheFormatsIsFollowedOnceReloaded) {
    std::string shortDate = "MM/dd/yy";
    SetProgramFormatSource([&] { return CRegionalFormats{"", shortDate, "", ""}; });
    EXPECT_EQ(FormatDateText(2024, 3, 5, true), "03/05/24");
    shortDate = "dd/MM/yy";
    ReloadProgramFormats();
    EXPECT_EQ(FormatDateText(2024, 3, 5, true), "05/03/24");
    EXPECT_EQ(GetProgramDateOrder(), kDateOrderDMY);

    SetProgramFormatSource({});
    EXPECT_EQ(GetProgramShortDateFormat(), "MM/dd/yy");
    EXPECT_EQ(GetProgramTimeFormat(), "HH:mm:ss");
}

}  // namespace
