// The time checks of a record download and the report of its gaps and time errors.
#include "shared/logger/discontinuity_report.h"

#include <gtest/gtest.h>

#include "platform/base/program_texts.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/resource_texts.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_file.h"

namespace {

constexpr std::int64_t kStart = 1709816400;  // 2024-03-07 13:00:00 UTC

class DiscontinuityReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "record_download");
        texts.Merge(testsupport::LoadResourceTexts("en", "analysis"));
        SetProgramTexts(std::move(texts));
    }
    void TearDown() override { SetProgramTexts({}); }
};

TEST_F(DiscontinuityReportTest, CountsGapsMissingRecordsAndTimeErrors) {
    struct Case {
        const char* name;
        long interval;
        std::vector<std::int64_t> steps;  // seconds from one record to the next
        long gaps, missing, errors;
    };
    const Case cases[] = {
        {"steady", 15, {15, 15, 15}, 0, 0, 0},
        {"30 s apart in a 15 s setup", 15, {30}, 1, 1, 0},
        {"10 s apart in a 15 s setup", 15, {10}, 0, 0, 1},
        {"an hour lost in 15 minutes", 900, {900, 4500}, 1, 4, 0},
        {"a stamp that goes back", 60, {-60}, 0, 0, 1},
        {"no interval", 0, {30, 60}, 2, 0, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        DiscontinuityReport report(test.interval, 0);
        std::int64_t time = kStart;
        report.Check(time);
        for (const std::int64_t step : test.steps) {
            report.Check(time += step);
        }
        EXPECT_EQ(report.Gaps(), test.gaps);
        EXPECT_EQ(report.MissingRecords(), test.missing);
        EXPECT_EQ(report.TimeErrors(), test.errors);
        EXPECT_EQ(report.IsEmpty(), test.gaps == 0 && test.errors == 0);
    }
}

TEST_F(DiscontinuityReportTest, ImpossibleAndOffIntervalStampsAreLoggedWithTheirRecord) {
    struct Case {
        const char* name;
        long interval;
        std::int64_t time;
        std::string line;  // empty: none
    };
    const Case cases[] = {
        {"no stamp", 15, 0xFFFFFFFF, "Impossible time stamp at record 2..."},
        {"2051", 15, 2556144000, "Impossible time stamp at record 2..."},
        {"2009", 15, 1230000000, "Impossible time stamp at record 2..."},
        {"on the interval", 15, kStart + 45, ""},
        {"a second late", 15, kStart + 46, ""},
        {"between marks", 15, kStart + 52, "Time stamp off the interval at record 2..."},
        {"a minute's second 1", 900, kStart + 901, ""},
        {"a minute's second 2", 900, kStart + 902, "Time stamp off the interval at record 2..."},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        DiscontinuityReport report(test.interval, 0);
        report.Check(kStart);
        const std::vector<std::string> lines = report.Check(test.time);
        const bool logged = !lines.empty() && lines.front() == test.line;
        EXPECT_EQ(logged, !test.line.empty()) << (lines.empty() ? "" : lines.front());
    }
}

TEST_F(DiscontinuityReportTest, TheLogShowsStampsAsTheGridShowsThatDayAndTheFileKeepsItsForm) {
    struct Case {
        const char* shortDate;
        const char* gap;
        const char* timeError;
    };
    const Case cases[] = {
        {"MM/dd/yy", "Gap before the record of: 03/07/24 13:00:45",
         "Time error after the record of: 03/07/24 13:00:45"},
        {"dd/MM/yyyy", "Gap before the record of: 07/03/2024 13:00:45",
         "Time error after the record of: 07/03/2024 13:00:45"},
        {"yyyy-MM-dd", "Gap before the record of: 2024-03-07 13:00:45",
         "Time error after the record of: 2024-03-07 13:00:45"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortDate);
        testsupport::FakeAppContext context;
        context.shortDateFormat = c.shortDate;
        DiscontinuityReport report(15, 100);
        report.Check(kStart);
        EXPECT_EQ(report.Check(kStart + 45), std::vector<std::string>{c.gap});
        EXPECT_EQ(report.Check(kStart + 46), std::vector<std::string>{c.timeError});
        // The report file's lists keep their month-first stamps whatever the user's order.
        EXPECT_NE(report.Text().find("Record 102 03/07/24 13:00:45\n"), std::string::npos) << report.Text();
    }
}

TEST_F(DiscontinuityReportTest, TheFileListsGapsThenTimeErrorsByRecordNumber) {
    DiscontinuityReport report(15, 100);
    for (const std::int64_t time : {kStart, kStart + 15, kStart + 45, kStart + 55, kStart + 70}) {
        report.Check(time);
    }
    testsupport::TempFolder folder;
    const std::optional<std::filesystem::path> path = report.Write(folder.path());
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, folder / "Discontinuities.txt");
    EXPECT_EQ(testsupport::ReadWholeFile(*path),
              "1 record missing in 1 gap.\n"
              "1 record less than one interval after the one before.\n"
              "\r\n\r\nEach line below gives a record's number in the download and its time.\r\n\r\n"
              "Gaps (the first record after each):\n"
              "Record 103 03/07/24 13:00:45\n\n"
              "Time errors (records less than one interval after the one before):\n"
              "Record 104 03/07/24 13:00:55\n\n");
}

}  // namespace
