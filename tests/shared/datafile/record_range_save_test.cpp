// The range saves: a range of records with the second setup copy, and grid rows read back with their
// missing intervals filled (daylight saving included), the question before a huge gap, empty cells.
#include "shared/datafile/record_range_save.h"

#include <gtest/gtest.h>

#include <cmath>

#include "shared/datafile/data_grid_rows.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/temp_folder.h"
#include "tests/support/time_zone.h"

namespace {

using datafiletest::Bytes;
using datafiletest::OpenedFile;

// Grid rows given as texts: date, time, value.
class TextRows : public CDataGridRows {
public:
    std::vector<std::vector<std::string>> rows;

    int GetRowCount() const override { return static_cast<int>(rows.size()); }
    std::string GetCellText(int row, int column) const override {
        const auto& cells = rows.at(static_cast<std::size_t>(row - 1));
        return column <= static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column - 1)] : "";
    }
};

// A record's date, time and first value as text.
struct ShownRecord {
    std::string date;
    std::string time;
    std::string value;

    bool operator==(const ShownRecord&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ShownRecord& record) {
    return out << record.date << " " << record.time << " [" << record.value << "]";
}

class RecordRangeSaveTest : public testing::Test {
protected:
    void SetUp() override {
        datafiletest::WriteDataFile(source_path_, datafiletest::OneValueSetup(0),
                                    datafiletest::TimedRecords(10));
    }

    // Every record of a data file as the grid shows it.
    static std::vector<ShownRecord> Shown(const std::filesystem::path& path) {
        OpenedFile file(path);
        EXPECT_TRUE(file.prepared);
        std::vector<ShownRecord> records;
        for (int index = 0; index < file.data.GetRecordCount(); ++index) {
            ShownRecord record;
            file.data.ReadRecord(index);
            file.data.GetFieldText(0, record.date);
            file.data.GetFieldText(1, record.time);
            file.data.GetFieldText(2, record.value);
            records.push_back(record);
        }
        return records;
    }

    testsupport::FakeAppContext context_;
    datafiletest::EnglishTexts texts_;
    testsupport::TempFolder folder_;
    std::filesystem::path source_path_ = folder_ / "source.kivo";
    std::filesystem::path target_ = folder_ / "range.kivo";
};

TEST_F(RecordRangeSaveTest, ARangeOfRecordsIsCopiedWithTheSecondSetupCopy) {
    OpenedFile source(source_path_);
    ASSERT_TRUE(source.prepared);
    RangeSaveCounts counts;
    ASSERT_TRUE(SaveRecordRangeFile(source.data, target_, 3, 5, counts));
    EXPECT_EQ(counts.written, 3);
    EXPECT_EQ(counts.inserted, 0);
    // The source's own information record keeps its count.
    EXPECT_EQ(source.data.GetDataInfo()->GetRecordCount(), 10u);

    const auto shown = Shown(target_);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown.front(), (ShownRecord{"03/15/24", "10:30:00", "3.000"}));
    EXPECT_EQ(shown.back(), (ShownRecord{"03/15/24", "11:00:00", "5.000"}));
    const auto setupBytes = CSetupTable::GetStreamSize(0, 306, false, true, true);
    OpenedFile target(target_);
    EXPECT_EQ(std::filesystem::file_size(target_),
              static_cast<std::uintmax_t>(target.data.GetDataOffset()) + 3 * 11 + setupBytes);

    std::filesystem::remove(target_);
    EXPECT_FALSE(SaveRecordRangeFile(source.data, target_, 8, 11, counts));
    EXPECT_FALSE(std::filesystem::exists(target_));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

TEST_F(RecordRangeSaveTest, GridRowsAreReadBackAndEachMissingIntervalIsFilled) {
    OpenedFile source(source_path_);
    ASSERT_TRUE(source.prepared);
    TextRows rows;
    rows.rows = {{"03/15/24", "10:00:00", "1.5"},
                 {"03/15/24", "10:15:00", ""},
                 {"not a date", "10:20:00", "9"},
                 {"03/15/24", "11:00:00", "4"},
                 {"03/15/24", "11:20:00", "5"}};
    for (const bool zeroForEmpty : {false, true}) {
        SCOPED_TRACE(zeroForEmpty);
        RangeSaveCounts counts;
        ASSERT_TRUE(SaveGridRowsFile(source.data, rows, target_, 1, -1, zeroForEmpty, nullptr, counts));
        EXPECT_EQ(counts.written, 4);
        EXPECT_EQ(counts.inserted, 2);
        const std::string empty = zeroForEmpty ? "0.000" : "";
        EXPECT_EQ(Shown(target_), (std::vector<ShownRecord>{{"03/15/24", "10:00:00", "1.500"},
                                                            {"03/15/24", "10:15:00", empty},
                                                            {"03/15/24", "10:30:00", empty},
                                                            {"03/15/24", "10:45:00", empty},
                                                            {"03/15/24", "11:00:00", "4.000"},
                                                            {"03/15/24", "11:20:00", "5.000"}}));
    }
    // Rows 4 and 5 alone.
    RangeSaveCounts counts;
    ASSERT_TRUE(SaveGridRowsFile(source.data, rows, target_, 4, 5, false, nullptr, counts));
    EXPECT_EQ(counts.written, 2);
    EXPECT_EQ(counts.inserted, 0);
}

TEST_F(RecordRangeSaveTest, TheChangeToSummerTimeIsNoGapButAnHourWithoutRecordsIs) {
    testsupport::WithTimeZone(testsupport::kNewYork, [&] {
        OpenedFile source(source_path_);
        ASSERT_TRUE(source.prepared);
        TextRows rows;
        // Clocks go from 02:00 to 03:00 on 2024-03-10.
        rows.rows = {
            {"03/10/24", "01:45:00", "1"}, {"03/10/24", "03:00:00", "2"}, {"03/10/24", "04:00:00", "3"}};
        RangeSaveCounts counts;
        ASSERT_TRUE(SaveGridRowsFile(source.data, rows, target_, 1, -1, false, nullptr, counts));
        EXPECT_EQ(counts.inserted, 3);
        const auto shown = Shown(target_);
        ASSERT_EQ(shown.size(), 6u);
        EXPECT_EQ(shown[1].time, "03:00:00");
        EXPECT_EQ(shown[2].time, "03:15:00");
        EXPECT_EQ(shown[4].time, "03:45:00");
    });
}

TEST_F(RecordRangeSaveTest, AGapOfMoreThanTenThousandRecordsIsFilledOnlyWhenTheUserSaysSo) {
    OpenedFile source(source_path_);
    ASSERT_TRUE(source.prepared);
    TextRows rows;
    // A year typed wrong: a year and a quarter of an hour at 15 minutes.
    rows.rows = {{"03/15/24", "10:00:00", "1"}, {"03/15/25", "10:15:00", "2"}};
    const long missing = 365 * 96;
    struct Case {
        GapAnswer answer;
        bool saved;
        int inserted;
    };
    for (const Case& c : {Case{GapAnswer::kCancel, false, 0}, Case{GapAnswer::kSkip, true, 0},
                          Case{GapAnswer::kFill, true, static_cast<int>(missing)}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        std::filesystem::remove(target_);
        std::vector<std::pair<int, long>> asked;
        const GapQuestion question = [&](int row, long records) {
            asked.emplace_back(row, records);
            return c.answer;
        };
        RangeSaveCounts counts;
        EXPECT_EQ(SaveGridRowsFile(source.data, rows, target_, 1, -1, false, question, counts), c.saved);
        EXPECT_EQ(asked, (std::vector<std::pair<int, long>>{{2, missing}}));
        EXPECT_EQ(std::filesystem::exists(target_), c.saved);
        EXPECT_EQ(counts.inserted, c.inserted);
        if (c.saved) {
            OpenedFile target(target_, false);
            EXPECT_EQ(target.data.GetDataInfo()->GetRecordCount(),
                      static_cast<std::uint32_t>(2 + c.inserted));
        }
    }
}

TEST_F(RecordRangeSaveTest, RowsWithoutADateWriteNoFile) {
    OpenedFile source(source_path_);
    ASSERT_TRUE(source.prepared);
    TextRows rows;
    rows.rows = {{"", "", "1"}, {"13/45/24", "10:00:00", "2"}, {"02/30/24", "10:00:00", "3"}};
    RangeSaveCounts counts;
    EXPECT_TRUE(SaveGridRowsFile(source.data, rows, target_, 1, -1, false, nullptr, counts));
    EXPECT_EQ(counts.written, 0);
    EXPECT_FALSE(std::filesystem::exists(target_));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
}

}  // namespace
