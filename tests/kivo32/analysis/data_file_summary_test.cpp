// The summary report of a data file per model: heading, title, first and last record, duration, the
// channel lines of the setup, line frequency, interval and the file's texts; a file converted from CSV.
#include "kivo32/analysis/data_file_summary.h"

#include <gtest/gtest.h>

#include "shared/datafile/data_info.h"
#include "shared/datafile/model_names.h"
#include "tests/kivo32/analysis/cells_fixture.h"

namespace {

class DataFileSummaryTest : public gridtest::CellsFixture {
protected:
    std::string Summary(const CSetupTable& setup, const std::vector<datafiletest::Bytes>& records,
                        CDataInfo info = {}) {
        std::string text;
        EXPECT_TRUE(BuildDataFileSummary(Open(setup, records, info), "Site A.kivo", text, progress_));
        return text;
    }
};

TEST_F(DataFileSummaryTest, EachModelNamesItselfItsChannelsAndSettings) {
    struct Case {
        int model;
        bool lineFrequency;
    };
    for (const Case c : {Case{0, true}, Case{1, true}, Case{3, false}, Case{13, true}, Case{14, true}}) {
        SCOPED_TRACE(c.model);
        CSetupTable setup = datafiletest::OneValueSetup(c.model);
        setup.GetHardwareChannel(0).SetPTRatio(2.0f);
        setup.GetHardwareChannel(0).SetCTSize(100.0f);
        CDataInfo info;
        info.SetTypeText("2.61");
        const std::string text = Summary(setup, datafiletest::TimedRecords(3), info);
        EXPECT_EQ(text.rfind("Data File Summary\n-----------------\n\nData File: Site A.kivo\n\n"
                             "First record: 03/15/24 10:00:00\nLast record: 03/15/24 10:30:00\n\n"
                             "Duration: 0.03 days\n\n",
                             0),
                  0u)
            << text;
        EXPECT_NE(text.find(": VHi: "), std::string::npos);
        EXPECT_NE(text.find("PT = 2.000; CT = 100.000"), std::string::npos);
        EXPECT_EQ(text.find("CT Type") != std::string::npos, c.model >= 13);
        EXPECT_EQ(text.find("Line Frequency: ") != std::string::npos, c.lineFrequency);
        EXPECT_NE(text.find("Interval: 15 "), std::string::npos);
        EXPECT_NE(text.find("Model: " + GetLoggerTypeName(c.model) + "\n"), std::string::npos);
        EXPECT_NE(text.find("Firmware: 2.61\n"), std::string::npos);
        // The statistics of the values.
        EXPECT_NE(text.find(" 1 Avg KW "), std::string::npos);
        EXPECT_NE(text.find("2.000  3.000  (03/15/24 10:30:00)"), std::string::npos);
    }
}

TEST_F(DataFileSummaryTest, OneRecordLastsOneIntervalAndAConvertedFileSaysSo) {
    CDataInfo info;
    info.SetIdText(kConvertedMarker);
    const std::string text = Summary(datafiletest::OneValueSetup(0), datafiletest::TimedRecords(1), info);
    EXPECT_NE(text.find("Data File: Site A.kivo (Converted from CSV file)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Duration: 0.01 days\n"), std::string::npos);
    EXPECT_NE(text.find("PT = CSV file; CT = CSV file"), std::string::npos);
    EXPECT_NE(text.find("Memory Mode: CSV file\n"), std::string::npos);
    EXPECT_NE(text.find("Logger ID: CSV file\n"), std::string::npos);
}

}  // namespace
