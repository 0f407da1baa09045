// The analysis values of a selected channel in the window's texts and in the text report.
#include <gtest/gtest.h>

#include "kivo32/analysis/analysis_report.h"
#include "tests/kivo32/analysis/cells_fixture.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/temp_folder.h"

namespace {

AnalysisValueRecord Record(int kind, int rankedCount = 3) {
    AnalysisValueRecord record;
    record.kind = kind;
    record.file = "site.kivo";
    record.columns = "Ch1 kW Avg";
    record.firstTime = "03/15/24 10:00:00";
    record.lastTime = "03/15/24 11:45:00";
    record.values.average = 2.5;
    record.values.peakToAverage = 1.6;
    record.values.total = 20.0;
    record.values.decimals = 2;
    for (int i = 0; i < rankedCount; ++i) {
        record.values.highest[static_cast<std::size_t>(i)] = {4.0 - i, "03/15/24",
                                                              "10:1" + std::to_string(i) + ":00"};
        record.values.lowest[static_cast<std::size_t>(i)] = {1.0 + i, "03/15/24",
                                                             "11:1" + std::to_string(i) + ":00"};
    }
    return record;
}

class AnalysisReportTest : public testing::Test {
protected:
    datafiletest::EnglishTexts texts_{"analysis", "loadprofile"};
    testsupport::TempFolder folder_;
};

TEST_F(AnalysisReportTest, WindowTextsOfEachKind) {
    struct Case {
        const char* name;
        AnalysisValueRecord record;
        std::string title;
        std::string heading;
        std::array<std::string, 5> lines;
    };
    const Case cases[] = {
        {"average", Record(1), "site.kivo - Average", "", {"2.50"}},
        {"peak to average", Record(2), "site.kivo - Peak to Average", "", {"1.60"}},
        {"lowest",
         Record(3),
         "site.kivo - Lowest Values",
         "The 3 lowest values",
         {"1.00 (03/15/24 11:10:00)", "2.00 (03/15/24 11:11:00)", "3.00 (03/15/24 11:12:00)"}},
        {"one highest has no heading",
         Record(4, 1),
         "site.kivo - Highest Values",
         "",
         {"4.00 (03/15/24 10:10:00)"}},
        {"total", Record(5), "site.kivo - Total", "", {"20.00"}},
        {"no such kind", Record(6), "", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AnalysisDisplay display = AnalysisDisplayTexts(c.record);
        EXPECT_EQ(display.title, c.title);
        EXPECT_EQ(display.heading, c.heading);
        EXPECT_EQ(display.lines, c.lines);
    }
}

TEST_F(AnalysisReportTest, ReportTextOfEachKind) {
    const std::string head = "Ch1 kW Avg: \n  (03/15/24 10:00:00 - 03/15/24 11:45:00) \n";
    EXPECT_EQ(AnalysisReportText(Record(1)), head + "  Average: 2.50\n");
    EXPECT_EQ(AnalysisReportText(Record(2)), head + "  Peak to Average: 1.60\n");
    EXPECT_EQ(AnalysisReportText(Record(3, 2)),
              head + "  Minimum:\n     1.00 (03/15/24 11:10:00)\n     2.00 (03/15/24 11:11:00)\n");
    EXPECT_EQ(AnalysisReportText(Record(4, 1)), head + "  Maximum:\n     4.00 (03/15/24 10:10:00)\n");
    EXPECT_EQ(AnalysisReportText(Record(5)), head + "  Total:\n  Total:   20.00\n");
}

TEST_F(AnalysisReportTest, TwoReportsShareOneFileAndOneHeading) {
    const std::filesystem::path data = folder_ / "site.v2" / "north.feeder.kivo";
    std::filesystem::create_directories(data.parent_path());
    const std::filesystem::path report = AnalysisReportPath(data);
    EXPECT_EQ(report, folder_ / "site.v2" / "north.feeder.txt");
    EXPECT_EQ(AnalysisReportPath(folder_ / "site.v2" / "plain"), folder_ / "site.v2" / "plain.txt");

    ASSERT_TRUE(AppendAnalysisReport(report, Record(1)));
    ASSERT_TRUE(AppendAnalysisReport(report, Record(5)));
    const std::string head = "Ch1 kW Avg: \r\n  (03/15/24 10:00:00 - 03/15/24 11:45:00) \r\n";
    EXPECT_EQ(datafiletest::ReadFileText(report), "KIVO Analysis Values\r\n\r\n" + head +
                                                      "  Average: 2.50\r\n\r\n" + head +
                                                      "  Total:\r\n  Total:   20.00\r\n");
    EXPECT_FALSE(AppendAnalysisReport(folder_ / "gone" / "x.txt", Record(1)));
}

}  // namespace
