// Fields of the current record as text, record times and the gap check, interval texts.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/base/local_time.h"
#include "shared/common/calendar.h"
#include "shared/common/date_time_text.h"
#include "shared/datafile/raw_data.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/temp_folder.h"
#include "tests/support/time_zone.h"

namespace datafiletest {
namespace {

class RecordFieldsTest : public testing::Test {
protected:
    EnglishTexts texts_;
    testsupport::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "data.kivo";
};

// The messages of preparing a file whose records carry these times (15-minute interval).
std::vector<std::string> GapMessages(const std::filesystem::path& path,
                                     const std::vector<RecordTimeOfDay>& times, int day = 15,
                                     std::uint8_t intervalCode = 2) {
    std::vector<Bytes> records;
    for (const RecordTimeOfDay& time : times) {
        records.push_back(RecordBytes({24, 3, day}, time, {1.0f}));
    }
    WriteDataFile(path, OneValueSetup(0, intervalCode), records);
    OpenedFile file(path);
    EXPECT_TRUE(file.prepared);
    return file.sink.messages;
}

TEST_F(RecordFieldsTest, PreparingReportsGapsAndShortIntervals) {
    EXPECT_EQ(GapMessages(path_, {{10, 0, 0}, {10, 15, 0}, {10, 45, 0}, {10, 50, 0}}),
              std::vector<std::string>{"1 record missing in 1 gap.\n1 short interval between records."});
    EXPECT_EQ(GapMessages(path_, {{10, 0, 0}, {11, 0, 0}, {11, 15, 0}, {12, 0, 0}}),
              std::vector<std::string>{"5 records missing in 2 gaps."});
    EXPECT_EQ(GapMessages(path_, {{10, 0, 0}, {10, 15, 0}, {10, 30, 0}}), std::vector<std::string>{});
    // An interval code outside the table has no length to compare with.
    EXPECT_EQ(GapMessages(path_, {{10, 0, 0}, {10, 1, 0}}, 15, 20), std::vector<std::string>{});
}

TEST_F(RecordFieldsTest, TheGapCheckFollowsTheZoneAcrossAChangeOfClock) {
    // New York moved from 02:00 to 03:00 on 2024-03-10: in that zone 01:45 and 03:00 are 15 minutes apart.
    const std::vector<RecordTimeOfDay> times = {{1, 30, 0}, {1, 45, 0}, {3, 0, 0}, {3, 15, 0}};
    testsupport::WithTimeZone(testsupport::kNewYork,
                              [&] { EXPECT_EQ(GapMessages(path_, times, 10), std::vector<std::string>{}); });
    testsupport::WithTimeZone(testsupport::kUtc, [&] {
        EXPECT_EQ(GapMessages(path_, times, 10), std::vector<std::string>{"4 records missing in 1 gap."});
    });
}

TEST_F(RecordFieldsTest, FieldTextsFollowTheValueKind) {
    CSetupTable setup = OneValueSetup(0, 2);  // 900 seconds
    CSUTChannelHardware& power = setup.GetHardwareChannel(0);
    for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
        power.SetPowerOptions(quantity, kOptionBit1);
    }
    setup.GetHardwareChannel(1).SetType(kChannelRNDC);
    setup.GetHardwareChannel(1).SetOptions(0x0F);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    // Columns: volts, amps, kW, kVA, PF, kVAR, then count (14), rate (15), on time (16), duty (17).
    WriteDataFile(
        path_, setup,
        {RecordBytes({24, 3, 15}, {9, 5, 7},
                     {230.5f, 1.23456f, nan, 2.0f, 0.5f, -1.5f, 12.3456f, 3.14159f, 899.6f, 0.25f})});
    OpenedFile file(path_);
    ASSERT_TRUE(file.prepared);
    const std::vector<std::string> expected = {"03/15/24", "09:05:07", "230.500", "1.235", "",    "2.000",
                                               "0.50",     "-1.500",   "12.346",  "3.14",  "900", "0.25"};
    ASSERT_EQ(file.data.GetFieldCount(), static_cast<int>(expected.size()));
    for (int field = 0; field < file.data.GetFieldCount(); ++field) {
        std::string text = "stale";
        ASSERT_TRUE(file.data.GetFieldText(field, text)) << field;
        EXPECT_EQ(text, expected[static_cast<std::size_t>(field)]) << field;
    }
    std::string text;
    EXPECT_FALSE(file.data.GetFieldText(-1, text));
    EXPECT_FALSE(file.data.GetFieldText(file.data.GetFieldCount(), text));
}

TEST_F(RecordFieldsTest, TheGridShowsARecordsDateAsEveryDateIsShown) {
    WriteDataFile(path_, OneValueSetup(0), {RecordBytes({24, 3, 7}, {9, 5, 7}, {1.0f})});
    const std::tm day = *TimeFromFields(2024, 3, 7, 9, 5, 7);
    for (const char* shortDate : {"MM/dd/yy", "dd/MM/yyyy", "yyyy-MM-dd", "d.M.yy"}) {
        testsupport::FakeAppContext context;
        context.shortDateFormat = shortDate;
        OpenedFile file(path_);
        ASSERT_TRUE(file.prepared);
        std::string text;
        ASSERT_TRUE(file.data.GetFieldText(0, text));
        EXPECT_EQ(text, FormatShownDate(day)) << shortDate;
    }
}

TEST_F(RecordFieldsTest, YearBytesBelow50AreThisCentury) {
    struct Case {
        int yearByte;
        int year;
    };
    for (const Case& test : {Case{49, 2049}, Case{50, 1950}, Case{0, 2000}, Case{99, 1999}}) {
        WriteDataFile(path_, OneValueSetup(0), {RecordBytes({test.yearByte, 7, 4}, {12, 30, 15}, {1.0f})});
        OpenedFile file(path_);
        ASSERT_TRUE(file.prepared);
        std::time_t time = 0;
        ASSERT_TRUE(file.data.GetRecordTime(time));
        std::tm expected{};
        expected.tm_year = test.year - 1900;
        expected.tm_mon = 6;
        expected.tm_mday = 4;
        expected.tm_hour = 12;
        expected.tm_min = 30;
        expected.tm_sec = 15;
        EXPECT_EQ(time, platform::FromUtcTime(expected)) << test.yearByte;
    }
}

TEST(IntervalTextTest, FormatsEveryCode) {
    EnglishTexts texts;
    const std::vector<std::string> expected = {
        "1 minute",  "5 minutes",       "15 minutes", "30 minutes", "1 hour",     "12 hours",
        "24 hours",  "1 second (fast)", "5 seconds",  "10 seconds", "15 seconds", "30 seconds",
        "3 seconds", "2 minutes",       "10 minutes", "20 minutes", "1 second"};
    for (std::uint8_t code = 0; code < expected.size(); ++code) {
        EXPECT_EQ(CRawData::FormatIntervalCode(code), expected[code]);
        if (code != 7) {
            EXPECT_EQ(CRawData::ParseIntervalText(expected[code].c_str()), code) << expected[code];
        }
    }
    EXPECT_EQ(CRawData::FormatIntervalCode(17), "");
}

TEST(IntervalTextTest, ParsesANumberAndTheFirstLettersOfAUnit) {
    EnglishTexts texts;
    struct Case {
        const char* text;
        std::optional<std::uint8_t> code;
    };
    for (const Case& test :
         {Case{"15 minutes", 2}, Case{"1 hour", 4}, Case{"12 Hours", 5}, Case{"10 SECONDS", 9},
          Case{"1 minute", 0}, Case{"7 seconds", std::nullopt}, Case{"5 min", std::nullopt},
          Case{"minutes", std::nullopt}, Case{"", std::nullopt}, Case{"3 weeks", std::nullopt}}) {
        EXPECT_EQ(CRawData::FindIntervalCode(test.text), test.code) << test.text;
        EXPECT_EQ(CRawData::ParseIntervalText(test.text), test.code.value_or(0)) << test.text;
    }
}

TEST(IntervalTextTest, ReadsTheUnitWordsOfTheProgramsLanguage) {
    SetProgramTexts(testsupport::LoadResourceTexts("fr", "datafile"));
    for (const std::uint8_t code : {0, 4, 6, 9, 16}) {
        EXPECT_EQ(CRawData::ParseIntervalText(CRawData::FormatIntervalCode(code).c_str()), code);
    }
    SetProgramTexts({});
}

}  // namespace
}  // namespace datafiletest
