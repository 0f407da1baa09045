// The data graph's one pass through the records: serial dates from the records' own dates and times
// (two-digit years below 70 in this century), the shown values with gaps for missing ones, records
// without a valid time left out, and a stopped pass.
#include "kivo32/views/graph_data_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/ui/graph/serial_date.h"
#include "tests/kivo32/views/grid_fixture.h"

namespace {

using datafiletest::Bytes;
using datafiletest::RecordBytes;

class GraphDataLoadTest : public gridtest::CellsFixture {};

TEST_F(GraphDataLoadTest, ReadsDatesAndValuesOfTheRequestedColumns) {
    const float missing = std::nanf("");
    const CRawDataGrid& cells =
        Open(gridtest::ChannelsSetup(3), {
                                             RecordBytes({69, 12, 31}, {23, 59, 58}, {1, 10, 100}),
                                             RecordBytes({70, 1, 1}, {0, 0, 1}, {2, missing, 200}),
                                             RecordBytes({24, 13, 1}, {0, 0, 2}, {3, 30, 300}),
                                             RecordBytes({24, 3, 15}, {10, 0, 0}, {4, 40, 400}),
                                         });
    GraphLoadResult result;
    ASSERT_TRUE(LoadGraphValues(cells, {1, 4, {5, 4}}, result, progress_));

    // Month 13 gives no date: that record is left out of every subset. Year 69 is 2069, after the
    // others: the points come in time order.
    EXPECT_EQ(result.undatedRecords, 1);
    EXPECT_EQ(result.outOfOrderRecords, 1);
    const double expected[] = {platform::CreateSerialDate({1, 1, 70, 0, 0, 1}),
                               platform::CreateSerialDate({3, 15, 124, 10, 0, 0}),
                               platform::CreateSerialDate({12, 31, 169, 23, 59, 58})};
    ASSERT_EQ(result.data.x.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(result.data.x[i], expected[i]) << i;
    }
    // The subsets follow the request's column order; a missing value is a gap.
    ASSERT_EQ(result.data.SubsetCount(), 2u);
    EXPECT_EQ(result.data.subsets[0].Sample(0), 200.0f);
    EXPECT_EQ(result.data.subsets[0].Sample(2), 100.0f);
    EXPECT_TRUE(result.data.subsets[1].IsNull(0));
    const platform::SampleSummary summary = result.data.subsets[1].Summarise(0, 3);
    EXPECT_EQ(summary.count, 2u);
    EXPECT_DOUBLE_EQ(summary.Average(), 25.0);
}

TEST_F(GraphDataLoadTest, RecordsOutOfTimeOrderAreCountedAndPutInOrder) {
    // Unwritten memory decodes as dates that jump back and forth; a repeated time keeps its order.
    const CRawDataGrid& cells =
        Open(gridtest::ChannelsSetup(1), {
                                             RecordBytes({24, 3, 15}, {10, 0, 0}, {1}),
                                             RecordBytes({61, 7, 2}, {5, 0, 0}, {2}),
                                             RecordBytes({24, 3, 15}, {9, 0, 0}, {3}),
                                             RecordBytes({24, 3, 15}, {9, 0, 0}, {4}),
                                             RecordBytes({24, 3, 15}, {8, 0, 0}, {5}),
                                         });
    GraphLoadResult result;
    ASSERT_TRUE(LoadGraphValues(cells, {1, 5, {3}}, result, progress_));
    EXPECT_EQ(result.outOfOrderRecords, 2);
    ASSERT_EQ(result.data.PointCount(), 5u);
    EXPECT_TRUE(std::is_sorted(result.data.x.begin(), result.data.x.end()));
    std::vector<float> values;
    for (std::size_t p = 0; p < 5; ++p) {
        values.push_back(result.data.subsets[0].Sample(p));
    }
    EXPECT_EQ(values, (std::vector<float>{5, 3, 4, 1, 2}));

    // Records in order are left as they are.
    ASSERT_TRUE(LoadGraphValues(cells, {3, 4, {3}}, result, progress_));
    EXPECT_EQ(result.outOfOrderRecords, 0);
}

TEST_F(GraphDataLoadTest, RefusesWhatItCannotGraphAndStopsWhenAsked) {
    const CRawDataGrid& cells =
        Open(gridtest::ChannelsSetup(2), gridtest::Records(10, 2, 60, [](int i, int) { return float(i); }));
    GraphLoadResult result;
    EXPECT_TRUE(LoadGraphValues(cells, {2, 9, {3}}, result, progress_));
    EXPECT_EQ(result.data.PointCount(), 8u);
    EXPECT_EQ(result.data.subsets[0].Sample(0), 1.0f);

    EXPECT_FALSE(LoadGraphValues(cells, {1, 10, {1}}, result, progress_)) << "the date column";
    EXPECT_FALSE(LoadGraphValues(cells, {1, 11, {3}}, result, progress_)) << "past the last record";
    GridWalkProgress stopped;
    stopped.Stop();
    EXPECT_FALSE(LoadGraphValues(cells, {1, 10, {3}}, result, stopped));
}

}  // namespace
