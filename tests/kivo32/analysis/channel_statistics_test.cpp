// The channel statistics of a grid: one line per value with average, maximum and minimum at their
// records, totals only for values that are no statistic, the THD estimate of a channel, empty cells left
// out, and a grid without values.
#include "kivo32/analysis/channel_statistics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/kivo32/analysis/cells_fixture.h"

namespace {

using datafiletest::Bytes;

class ChannelStatisticsTest : public gridtest::CellsFixture {
protected:
    std::string Statistics(const CSetupTable& setup, const std::vector<Bytes>& records) {
        std::string text;
        EXPECT_TRUE(BuildChannelStatistics(Open(setup, records), text, progress_));
        return text;
    }
    static std::vector<std::string> Lines(const std::string& text) { return gridtest::SplitCrLf(text); }
};

TEST_F(ChannelStatisticsTest, AverageMaximumAndMinimumAtTheirRecordsWithoutEmptyCells) {
    const float empty = NAN;
    const std::string text =
        Statistics(gridtest::ChannelsSetup(2), gridtest::Records(4, 2, 900, [&](int i, int c) {
                       const float first[] = {2, 8, empty, 8};
                       const float second[] = {-1, -3, -2, -3};
                       return c == 0 ? first[i] : second[i];
                   }));
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 5u) << text;
    EXPECT_EQ(lines[0],
              "Chan                     Average   Maximum  (Date Time)            Minimum  (Date Time)       "
              "      Total");
    EXPECT_EQ(lines[1].substr(0, 23), "---------------------- ");
    // Three values: 6 on average; the later of two equal maxima; the empty cell is no 0 minimum.
    EXPECT_EQ(lines[2],
              "Chan 1 Avg KW              6.000  8.000  (03/15/24 10:45:00)      2.000  (03/15/24 10:00:00)");
    EXPECT_EQ(lines[3],
              "Chan 2 Avg KW             -2.250 -1.000  (03/15/24 10:00:00)     -3.000  (03/15/24 10:45:00)");
    EXPECT_EQ(lines[4], "");
}

TEST_F(ChannelStatisticsTest, AGridWithoutValuesSaysSo) {
    CSetupTable setup;
    const std::string text = Statistics(setup, {datafiletest::RecordBytes({24, 3, 15}, {10, 0, 0}, {})});
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 3u) << text;
    EXPECT_EQ(lines[2], "No values were logged.");
}

// Channel 1 logging the averages of `quantities` (PowerQuantity order).
CSetupTable AveragesSetup(std::initializer_list<int> quantities) {
    CSetupTable setup = datafiletest::OneValueSetup(0);
    setup.GetHardwareChannel(0).SetPowerOptions(kQuantityKW, 0);
    for (const int quantity : quantities) {
        setup.GetHardwareChannel(0).SetPowerOptions(quantity, kOptionBit1);
    }
    return setup;
}

TEST_F(ChannelStatisticsTest, ThdFromTheChannelsAveragesAndTheApparentPowerFromVoltsAndAmps) {
    struct Case {
        const char* name;
        std::initializer_list<int> quantities;
        std::vector<float> values;
    };
    const Case cases[] = {
        {"kVA logged",
         {kQuantityVoltage, kQuantityCurrent, kQuantityKW, kQuantityKVA, kQuantityPF, kQuantityKVAR},
         {230, 10, 2.0f, 2.3f, 0.87f, 1.0f}},
        {"kVA from volts and amps",
         {kQuantityVoltage, kQuantityCurrent, kQuantityKW, kQuantityKVAR},
         {230, 10, 2.0f, 1.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text =
            Statistics(AveragesSetup(c.quantities),
                       gridtest::Records(3, static_cast<int>(c.values.size()), 900,
                                         [&](int, int column) { return c.values[column]; }));
        // sqrt((2.3 / sqrt(2^2 + 1^2))^2 - 1) x 100
        EXPECT_NE(text.find("\r\nChan 1 THD = 24.08"), std::string::npos) << text;
        // A wide average still stands apart from the maximum.
        EXPECT_NE(text.find("Chan 1 Avg Volts         230.000 230.000  (03/15/24 10:30:00)"),
                  std::string::npos);
        EXPECT_NE(text.find("PLEASE NOTE: Results suggest that some values may be distorted by THD."),
                  std::string::npos);
    }
}

TEST_F(ChannelStatisticsTest, MostlyNegativePowerFactorsAverageNegativeWithoutATotal) {
    const float factors[] = {-0.9f, -0.8f, 0.7f};
    const std::string text = Statistics(AveragesSetup({kQuantityPF}),
                                        gridtest::Records(3, 1, 900, [&](int i, int) { return factors[i]; }));
    const auto lines = Lines(text);
    ASSERT_GE(lines.size(), 3u) << text;
    EXPECT_EQ(
        lines[2],
        "Chan 1 Avg dPF            -0.80    0.70   (03/15/24 10:30:00)     -0.90   (03/15/24 10:00:00)");
}

}  // namespace
