// The summary report of a data file per model: heading, title, first and last record, duration, the
// channel lines of the setup, line frequency, interval, the peak-demand window and the file's texts; a
// file converted from CSV.
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

TEST_F(DataFileSummaryTest, TheSetupNameAndTheLoggerIdEachStandOnTheirOwnLine) {
    CSetupTable setup = datafiletest::OneValueSetup(13);
    setup.GetHeader().SetHeaderText("Active setup");
    setup.GetHeader().SetSubText("400014");
    const std::string text = Summary(setup, datafiletest::TimedRecords(2));
    EXPECT_NE(text.find("Setup\n-----\n\nSetup Name: Active setup\n\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nSetup Logger ID: 400014\n"), std::string::npos) << text;
}

TEST_F(DataFileSummaryTest, ScaledChannelsShowTheirOffsetAndMultiplier) {
    // A value is raw x 2.5 - 1.25: the offset is -1.25, the multiplier 2.5.
    const struct {
        std::uint8_t type;
        const char* head;
    } cases[] = {
        {kChannelTemperature, "Temperature"},
        {kChannel5VDC, "5 V DC"},
        {kChannel10VDC, "10 V DC"},
        {kChannel4mA, "4 mA"},
        {kChannel25mA, "25 mA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.head);
        CSetupTable setup = datafiletest::OneValueSetup(0);
        CSUTChannelHardware& channel = setup.GetHardwareChannel(1);
        channel.SetType(c.type);
        channel.SetOptions(0);  // logs nothing: the records stay those of channel 1
        channel.SetScaleValue1(2.5f);
        channel.SetScaleValue2(-1.25f);
        const std::string text = Summary(setup, datafiletest::TimedRecords(2));
        EXPECT_NE(text.find(std::string(" - ") + c.head + ": Offset =  -1.250; Multiplier = 2.500\n"),
                  std::string::npos)
            << text;
    }
}

TEST_F(DataFileSummaryTest, APeakDemandWindowOfModelsOneAndTwoFollowsTheInterval) {
    const struct {
        const char* name;
        int model;
        const char* firmware;
        std::uint8_t channel;
        std::uint8_t window;
        const char* line;  // empty: no line
    } cases[] = {
        {"model 2, moving", 2, "2.54", 5, 0x8F, "Demand Window: 15 minutes, Moving\n\n"},
        {"model 1, block", 1, "1.60", 6, 0x1E, "Demand Window: 30 minutes, Block\n\n"},
        {"firmware 53", 2, "2.53", 5, 0x8F, ""},
        {"no window", 2, "2.54", 0, 0x8F, ""},
        {"model 0", 0, "2.54", 5, 0x8F, ""},
        {"model 13", 13, "2.54", 5, 0x8F, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSetupTable setup = datafiletest::OneValueSetup(c.model);
        setup.GetExtendedData().SetTimeBlockByte1(c.channel);
        setup.GetExtendedData().SetTimeBlockByte2(c.window);
        CDataInfo info;
        info.SetTypeText(c.firmware);
        const std::string text = Summary(setup, datafiletest::TimedRecords(2), info);
        const std::size_t interval = text.find("Interval: ");
        const std::size_t file = text.find("File\n----\n");
        ASSERT_NE(interval, std::string::npos) << text;
        ASSERT_NE(file, std::string::npos) << text;
        const std::size_t afterInterval = text.find("\n\n", interval) + 2;
        EXPECT_EQ(text.substr(afterInterval, file - afterInterval), c.line) << text;
    }
}

}  // namespace
