// The data graph's one pass through the records: serial dates from the records' own dates and times
// (two-digit years below 70 in this century), the shown values with gaps for missing ones, records
// without a valid time left out, and a stopped pass.
#include "kivo32/views/graph_data_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

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

TEST_F(GraphDataLoadTest, ClocksSetBackPutThePointsInTheOrderOfASortByTime) {
    // The hours of a day's records, in file order; the points are in the order a stable sort by time gives,
    // however few or many of them move.
    struct Case {
        const char* what;
        std::vector<int> hours;
    };
    const Case cases[] = {
        {"set back once in the middle, onto times already seen", {1, 2, 3, 4, 2, 3, 5, 6}},
        {"set back at the second record", {5, 1, 2, 3}},
        {"set back at the last record", {1, 2, 3, 0}},
        {"set back to the first time", {1, 1, 2, 3, 1, 4}},
        {"set back to the last time before it", {1, 2, 3, 3, 3, 4}},
        {"several times", {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5}},
        {"a whole run earlier", {6, 7, 8, 9, 1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::vector<std::uint8_t>> records;
        for (std::size_t i = 0; i < c.hours.size(); ++i) {
            records.push_back(RecordBytes({24, 3, 15}, {c.hours[i], 0, 0}, {float(i)}));
        }
        const CRawDataGrid& cells = Open(gridtest::ChannelsSetup(1), records);
        GraphLoadResult result;
        const int count = static_cast<int>(c.hours.size());
        ASSERT_TRUE(LoadGraphValues(cells, {1, count, {3}}, result, progress_));

        std::vector<float> expected(c.hours.size());
        std::iota(expected.begin(), expected.end(), 0.0f);
        std::stable_sort(expected.begin(), expected.end(), [&c](float a, float b) {
            return c.hours[static_cast<std::size_t>(a)] < c.hours[static_cast<std::size_t>(b)];
        });
        std::vector<float> values;
        std::vector<double> expectedX;
        for (std::size_t p = 0; p < expected.size(); ++p) {
            values.push_back(result.data.subsets[0].Sample(p));
            const int hour = c.hours[static_cast<std::size_t>(expected[p])];
            expectedX.push_back(platform::CreateSerialDate({3, 15, 124, hour, 0, 0}));
        }
        EXPECT_EQ(values, expected);
        EXPECT_EQ(result.data.x, expectedX);
        long earlier = 0;
        for (std::size_t i = 1; i < c.hours.size(); ++i) {
            earlier += c.hours[i] < c.hours[i - 1] ? 1 : 0;
        }
        EXPECT_EQ(result.outOfOrderRecords, earlier);
    }
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
