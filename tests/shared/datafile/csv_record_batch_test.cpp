// A batch of record lines large enough to be shared among threads converts each line into its own
// record, and a line that cannot be read anywhere in it fails the batch.
#include "shared/datafile/csv_record_batch.h"

#include <gtest/gtest.h>

#include <string>

#include "shared/common/date_time_format_helper.h"
#include "shared/datafile/csv_import.h"
#include "tests/shared/datafile/data_file_fixtures.h"

namespace datafiletest {
namespace {

TEST(CsvRecordBatchTest, EveryLineBecomesItsOwnRecordAndOneBadLineFailsTheBatch) {
    CSetupTable setup = OneValueSetup(0);
    CDataInfo info;
    CRawData layout;
    ASSERT_TRUE(layout.Initialize(&info, &setup));
    ASSERT_TRUE(layout.BuildFieldList());
    const auto size = static_cast<std::size_t>(layout.GetRecordSize());
    constexpr int kLines = 5000;
    const auto lineOf = [](int i) {
        return std::to_string(i + 1) + ",03/" + std::to_string(1 + i % 28) + "/24," + std::to_string(i % 24) +
               ":" + std::to_string(i % 60) + ":00," + std::to_string(i) + ".25";
    };
    CsvRecordBatch batch;
    for (int i = 0; i < kLines; ++i) {
        batch.Add(lineOf(i));
    }
    ASSERT_EQ(batch.LineCount(), static_cast<std::size_t>(kLines));
    Bytes records(kLines * size, 0xAA);
    ASSERT_TRUE(batch.Convert(records, layout.GetFields(), kDateOrderMDY));
    for (int i = 0; i < kLines; ++i) {
        Bytes expected(size, 0);
        ASSERT_TRUE(CCsvImport::LineToRecord(expected, lineOf(i), layout.GetFields(), kDateOrderMDY));
        ASSERT_EQ(Bytes(records.begin() + static_cast<long>(i * size),
                        records.begin() + static_cast<long>((i + 1) * size)),
                  expected)
            << "line " << i;
        EXPECT_EQ(ReadRecordFloat(expected, CRawData::kFirstValueOffset), static_cast<float>(i) + 0.25f);
    }

    for (const int bad : {0, 2600, kLines - 1}) {
        SCOPED_TRACE(bad);
        batch.Clear();
        for (int i = 0; i < kLines; ++i) {
            batch.Add(i == bad ? "1,03/15/24,25:00:00,1" : lineOf(i));
        }
        EXPECT_FALSE(batch.Convert(records, layout.GetFields(), kDateOrderMDY));
    }
}

}  // namespace
}  // namespace datafiletest
