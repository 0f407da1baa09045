// The walks over a data file's rows without a window: the column analysis and the data-error report,
// read through the cells of the file as the grid shows them.
#include <gtest/gtest.h>

#include <cmath>

#include "kivo32/analysis/column_analysis.h"
#include "kivo32/analysis/data_error_report.h"
#include "kivo32/analysis/raw_data_grid.h"
#include "tests/kivo32/analysis/cells_fixture.h"
#include "tests/support/time_zone.h"

namespace {

using datafiletest::Bytes;

class GridWalksTest : public gridtest::CellsFixture {
protected:
    // Opens a one-channel file of `records`.
    const CRawDataGrid& Open(const std::vector<Bytes>& records, std::uint8_t intervalCode = 2) {
        return CellsFixture::Open(datafiletest::OneValueSetup(0, intervalCode), records);
    }
    // A record of 2024-03-15 at h:m:s holding `value`.
    static Bytes At(int hour, int minute, int second, float value = 1.0f, int day = 15, int month = 3) {
        return datafiletest::RecordBytes({24, month, day}, {hour, minute, second}, {value});
    }
};

std::vector<double> Values(const std::array<ColumnAnalysis::Entry, ColumnAnalysis::kRanked>& entries) {
    std::vector<double> values;
    for (const auto& entry : entries) {
        values.push_back(entry.value);
    }
    return values;
}

TEST_F(GridWalksTest, AnalyseColumnRanksTotalsAndSkipsEmptyCells) {
    struct Case {
        const char* name;
        std::vector<float> values;
        std::vector<double> highest;
        std::vector<double> lowest;
        long count;
        double total;
    };
    const float empty = NAN;
    const Case cases[] = {
        {"three values", {5, 9, 7}, {9, 7, 5, 0, 0}, {5, 7, 9, 0, 0}, 3, 21},
        {"one to ten", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {10, 9, 8, 7, 6}, {1, 2, 3, 4, 5}, 10, 55},
        {"empty cells are no zeros", {4, empty, 6, empty}, {6, 4, 0, 0, 0}, {4, 6, 0, 0, 0}, 2, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Bytes> records;
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            records.push_back(At(10, static_cast<int>(i), 0, c.values[i]));
        }
        const CRawDataGrid& cells = Open(records);
        ColumnAnalysis result;
        ASSERT_TRUE(AnalyseColumn(cells, 3, 1, cells.GetRowCount(), result, progress_));
        EXPECT_EQ(Values(result.highest), c.highest);
        EXPECT_EQ(Values(result.lowest), c.lowest);
        EXPECT_EQ(result.count, c.count);
        EXPECT_DOUBLE_EQ(result.total, c.total);
        EXPECT_DOUBLE_EQ(result.average, c.total / static_cast<double>(c.count));
        EXPECT_DOUBLE_EQ(result.peakToAverage, c.highest[0] / result.average);
    }
}

TEST_F(GridWalksTest, RankedValuesCarryTheirOwnRowsTimeAndEqualsKeepTheFirst) {
    const CRawDataGrid& cells = Open({At(10, 0, 0, 3), At(10, 1, 0, 8), At(10, 2, 0, 8), At(10, 3, 0, 1)});
    ColumnAnalysis result;
    ASSERT_TRUE(AnalyseColumn(cells, 3, 1, 4, result, progress_));
    EXPECT_EQ(result.highest[0].time, "10:01:00");
    EXPECT_EQ(result.highest[1].time, "10:02:00");
    EXPECT_EQ(result.highest[0].date, "03/15/24");
    EXPECT_EQ(result.lowest[0].time, "10:03:00");
    EXPECT_GT(result.decimals, 0);

    // A stopped walk says so.
    GridWalkProgress stopped;
    stopped.Stop();
    EXPECT_FALSE(AnalyseColumn(cells, 3, 1, 4, result, stopped));
}

TEST_F(GridWalksTest, DataErrorReportJudgesTheRecordTimes) {
    struct Case {
        const char* name;
        std::uint8_t intervalCode;
        std::vector<Bytes> records;
        std::string expected;
    };
    const Case cases[] = {
        {"regular", 2, {At(10, 0, 0), At(10, 15, 0), At(10, 30, 0)}, "No errors were found in the data.\n"},
        {"one record", 2, {At(10, 0, 0)}, "No errors were found in the data.\n"},
        {"15-minute gap",
         2,
         {At(10, 15, 0), At(10, 30, 0), At(11, 0, 0)},
         "03/15/24 11:00:00: records are missing before this one.\n\n1 record missing in 1 gap.\n"},
        {"two gaps",
         2,
         {At(10, 0, 0), At(11, 0, 0), At(11, 30, 0)},
         "03/15/24 11:00:00: records are missing before this one.\n"
         "03/15/24 11:30:00: records are missing before this one.\n\n4 records missing in 2 gaps.\n"},
        {"same time",
         2,
         {At(10, 0, 0), At(10, 0, 0)},
         "03/15/24 10:00:00: the record is less than one interval after the one before.\n\n"
         "1 record less than one interval after the one before.\n"},
        {"5 s: one second late passes",
         8,
         {At(10, 0, 1), At(10, 0, 6)},
         "No errors were found in the data.\n"},
        {"5 s: two seconds late",
         8,
         {At(10, 0, 2), At(10, 0, 7)},
         "03/15/24 10:00:02: the record is not on the logging interval.\n"
         "03/15/24 10:00:07: the record is not on the logging interval.\n"
         "No errors were found in the data.\n"},
        {"minutes: seconds off",
         2,
         {At(10, 0, 0), At(10, 15, 0), At(10, 29, 59)},
         "03/15/24 10:29:59: the record is not on a whole minute.\n"
         "03/15/24 10:29:59: the record is less than one interval after the one before.\n\n"
         "1 record less than one interval after the one before.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CRawDataGrid& cells = Open(c.records, c.intervalCode);
        std::string report;
        ASSERT_TRUE(BuildDataErrorReport(
            cells, "Site A.kivo", file_->data.GetSetupTable()->GetIntervalSeconds(), report, progress_));
        EXPECT_EQ(report, "Data File: Site A.kivo\n\n" + c.expected);
    }
}

TEST_F(GridWalksTest, DataErrorReportSeesNoGapAtAClockChangeAndRefusesIntervalZero) {
    // The logger's clock keeps no summer time: 01:45 to 02:15 on the night the zone skips 02:00-03:00
    // are two regular steps.
    testsupport::WithTimeZone(testsupport::kNewYork, [&] {
        const CRawDataGrid& cells =
            Open({At(1, 45, 0, 1, 10), At(2, 0, 0, 1, 10), At(2, 15, 0, 1, 10), At(3, 0, 0, 1, 10)});
        std::string report;
        ASSERT_TRUE(BuildDataErrorReport(cells, "dst.kivo", 900, report, progress_));
        EXPECT_EQ(report,
                  "Data File: dst.kivo\n\n03/10/24 03:00:00: records are missing before this one.\n\n"
                  "2 records missing in 1 gap.\n");
        EXPECT_FALSE(BuildDataErrorReport(cells, "dst.kivo", 0, report, progress_));
        EXPECT_EQ(report, "");
    });
}

}  // namespace
