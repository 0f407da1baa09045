// The energy summary of a data file's setup table: nothing for models that keep no registers, the old
// firmware's notice, peak demand and totals of models 1 and 2, the demand window, peaks and registers of
// the software channels from model 13 on.
#include "kivo32/analysis/energy_summary.h"

#include <gtest/gtest.h>

#include "kivo32/analysis/analysis_ids.h"
#include "shared/datafile/data_info.h"
#include "shared/setup/setup_table.h"
#include "tests/kivo32/analysis/cells_fixture.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/temp_folder.h"

namespace {

// 2024-03-15 10:00:00 UTC, a Friday.
constexpr std::time_t kPeak = 1710496800;

class EnergySummaryTest : public testing::Test {
protected:
    std::string Summary(int model, const std::string& firmware) {
        setup_.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
        info_.SetTypeText(firmware);
        return BuildEnergySummary(setup_, info_);
    }
    void Totals(unsigned flags, std::array<std::int32_t, 6> values) {
        CSUTExtendedData& extended = setup_.GetExtendedData();
        extended.SetTimeSetting(static_cast<std::uint8_t>(flags));
        for (int i = 0; i < 6; ++i) {
            extended.SetLoggerValue(i, static_cast<std::uint32_t>(values[static_cast<std::size_t>(i)]));
        }
    }

    datafiletest::EnglishTexts texts_{"logger", "analysis"};
    testsupport::FakeAppContext context_;
    CSetupTable setup_;
    CDataInfo info_;
};

TEST_F(EnergySummaryTest, ModelsOneAndTwoShowPeakDemandAndTotals) {
    EXPECT_EQ(Summary(0, "2.60"), "");
    EXPECT_EQ(EnergySummaryWindowText(setup_, info_), "\r\nNo data available.");
    EXPECT_EQ(Summary(1, "1.53"),
              "This logger's firmware keeps no peak demand or energy totals."
              "                             Update the firmware to see them.");
    struct Case {
        const char* name;
        unsigned flags;
        std::array<std::int32_t, 6> values;
        const char* totals;
    };
    const Case cases[] = {
        {"none", 0, {}, "No energy totals were recorded.\r\n"},
        {"both sets",
         0x3F,
         {100, 200, 300, 4, 5, 6},
         "Energy totals (Chan 5): 100kWh, 200kVAh, 300kVARh\r\nEnergy totals (Chan 6): 4kWh, 5kVAh, "
         "6kVARh\r\n\r\n"},
        {"kVAh not available", 0x03, {100, -1, 0, 0, 0, 0}, "No energy totals were recorded.\r\n"},
        {"kVAh left out", 0x07, {100, -1, 300, 0, 0, 0}, "Energy totals (Chan 5): 100kWh, 300kVARh\r\n\r\n"},
        {"second set alone", 0x38, {0, 0, 0, 4, 5, 6}, "\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Totals(c.flags, c.values);
        EXPECT_EQ(Summary(2, "2.54"), std::string("Demand Window: No peak recorded\r\n\r\n") + c.totals);
    }

    setup_.GetExtendedData().SetLoggerTime(static_cast<std::uint32_t>(kPeak));
    setup_.GetExtendedData().SetDemandWindow(12345);
    Totals(0, {});
    EXPECT_EQ(Summary(1, "1.60"),
              "Demand Window: 12.345kW on Friday 03/15/2024 at 10:00:00\r\n\r\nNo energy totals were "
              "recorded.\r\n");
}

TEST_F(EnergySummaryTest, QuarvenShowsItsDemandWindowPeaksAndRegisters) {
    // Version 303 has no demand window.
    EXPECT_EQ(Summary(13, "3.203"), "");
    setup_.GetSoftwareChannel(0).SetType(kChannelSoftware);
    CSUTExtendedData& extended = setup_.GetExtendedData();
    extended.SetDemandWindow(15);
    extended.SetTimedValue(0, 12.5f, kPeak);
    extended.SetTimedValue(1, 13.5f, kPeak);
    extended.SetTimedValue(2, 2.25f, kPeak);
    for (int i = 0; i < 7; ++i) {
        extended.SetQuarvenValue(i, static_cast<float>(i + 1));
    }
    const std::string text = Summary(13, "3.201");
    EXPECT_EQ(text.substr(0, text.find("Chan ")),
              "Demand Window\r\n-----------\r\n\r\nDemand window, minutes.: 15\r\n\r\n");
    const std::string word = "Channel";
    EXPECT_NE(
        text.find(word +
                  " 5        12.500 10:00:00 03/15/2024         13.500 10:00:00 03/15/2024          2.250 "
                  "10:00:00 03/15/2024\r\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find(word + " 6           " + LoadText(IDS_ENERGY_NO_PEAK) + "\r\n"), std::string::npos)
        << text;
    EXPECT_NE(
        text.find(word + " 5       1.000     2.000     3.000     4.000     5.000     6.000     7.000\r\n"),
        std::string::npos)
        << text;
}

TEST_F(EnergySummaryTest, QuarvenFirmwareWithoutDemandWindowIsNamedAsTheReason) {
    const std::string notice =
        "\r\nThis logger's firmware keeps no peak demand or energy totals."
        "                             Update the firmware to see them.";
    struct Case {
        int model;
        const char* firmware;
        const char* window;
    };
    const Case cases[] = {
        {13, "NX401.150", notice.c_str()},
        {14, "NX401.200", notice.c_str()},
        {14, "NX401.203", notice.c_str()},
        {3, "BUC2.150", "\r\nNo data available."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firmware);
        EXPECT_EQ(Summary(c.model, c.firmware), "");
        EXPECT_EQ(EnergySummaryWindowText(setup_, info_), c.window);
    }
}

TEST_F(EnergySummaryTest, QuarvenFileReadBackKeepsItsSummaryAtEveryInterval) {
    setup_.GetHeader().SetModelCode(13);
    setup_.GetHardwareChannel(0).SetType(kChannelPower);
    setup_.GetSoftwareChannel(0).SetType(kChannelSoftware);
    setup_.GetSoftwareChannel(1).SetType(kChannelSoftware);
    CSUTExtendedData& extended = setup_.GetExtendedData();
    extended.SetTimedValue(0, 12.5f, kPeak);
    for (int i = 0; i < 14; ++i) {
        extended.SetQuarvenValue(i, static_cast<float>(i + 1));
    }
    info_.SetTypeText("NX401.234");
    testsupport::TempFolder folder;
    for (const std::uint8_t intervalCode : {std::uint8_t{2}, std::uint8_t{9}}) {
        SCOPED_TRACE(static_cast<int>(intervalCode));
        setup_.GetHeader().SetIntervalCode(intervalCode);
        const auto path = folder / "quarven.kivo";
        datafiletest::WriteDataFile(path, setup_, {}, info_);
        datafiletest::OpenedFile file(path, false);
        ASSERT_TRUE(file.opened);
        const std::string summary = BuildEnergySummary(*file.data.GetSetupTable(), *file.data.GetDataInfo());
        EXPECT_EQ(summary, BuildEnergySummary(setup_, info_));
        EXPECT_NE(summary, "");
    }
}

}  // namespace
