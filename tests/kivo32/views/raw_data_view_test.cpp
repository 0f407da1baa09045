// The data grid over files of each model: headers, record numbers, dates in the user's order, values,
// grey date and time cells; and the look-ups the reports and extractions use.
#include <gtest/gtest.h>

#include <QDialog>

#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/ui/modal_driver.h"

namespace {

using datafiletest::OneValueSetup;
using datafiletest::TimedRecords;

class RawDataViewTest : public gridtest::GridFixture {};

TEST_F(RawDataViewTest, ShowsEveryModelsFileCellByCell) {
    for (const int model : {0, 1, 2, 4, 13, 14}) {
        SCOPED_TRACE(model);
        CRawDataView* view = OpenGrid("model" + std::to_string(model) + ".kivo", OneValueSetup(model),
                                      TimedRecords(5));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->GetRowCount(), 5);
        ASSERT_EQ(view->GetColCount(), 3);
        EXPECT_EQ(view->GetCellText(0, 3), view->GetColumnField(3)->name);
        EXPECT_NE(view->GetCellText(0, 3).find('\n'), std::string::npos);
        EXPECT_EQ(view->GetCellText(4, 0), "4");
        EXPECT_EQ(view->GetCellText(2, 1), "03/15/24");
        EXPECT_EQ(view->GetCellText(2, 2), "10:15:00");
        EXPECT_EQ(view->GetCellText(5, 3).substr(0, 1), "5");
        platform::GridCell cell;
        ASSERT_TRUE(view->GetCell(1, 1, cell));
        EXPECT_TRUE(cell.grey);
        ASSERT_TRUE(view->GetCell(1, 3, cell));
        EXPECT_FALSE(cell.grey);
        // What the widget shows is what the view supplies.
        const QAbstractItemModel& model = *view->Grid().model();
        EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), "10:15:00");
        EXPECT_EQ(model.headerData(3, Qt::Vertical, Qt::DisplayRole).toString(), "4");
    }
}

TEST_F(RawDataViewTest, DatesFollowTheUsersOrderAndRowTimesTheRecord) {
    struct Case {
        const char* format;
        int order;
        const char* date;
    };
    // A short date with four-digit years shows the record's century as well.
    for (const Case& order :
         {Case{"MM/dd/yy", 0, "03/15/24"}, Case{"dd.MM.yy", 2, "15.03.24"}, Case{"yy-MM-dd", 4, "24-03-15"},
          Case{"dd/MM/yyyy", 2, "15/03/2024"}, Case{"yyyy-MM-dd", 4, "2024-03-15"}}) {
        SCOPED_TRACE(order.format);
        context_.shortDateFormat = order.format;
        context_.dateOrder = order.order;
        CRawDataView* view =
            OpenGrid(std::string("order") + std::to_string(order.order) + ".kivo", OneValueSetup(0), TimedRecords(3));
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->GetCellText(1, 1), order.date);
        // The time stamps come from the records, whatever the text looks like.
        std::optional<double> first;
        std::optional<double> last;
        view->GetDataDateRange(first, last);
        ASSERT_TRUE(first && last);
        std::tm expected{};
        expected.tm_year = 124;
        expected.tm_mon = 2;
        expected.tm_mday = 15;
        expected.tm_hour = 10;
        EXPECT_DOUBLE_EQ(*first, platform::ToOleDate(expected));
        expected.tm_min = 30;
        EXPECT_DOUBLE_EQ(*last, platform::ToOleDate(expected));
    }
}

TEST_F(RawDataViewTest, YearsAfter2069KeepTheirCentury) {
    std::vector<datafiletest::Bytes> records{datafiletest::RecordBytes({70, 1, 2}, {3, 4, 5}, {1.0f})};
    CRawDataView* view = OpenGrid("future.kivo", OneValueSetup(0), records);
    ASSERT_NE(view, nullptr);
    std::optional<double> first;
    std::optional<double> last;
    view->GetDataDateRange(first, last);
    ASSERT_TRUE(first);
    const std::optional<std::tm> time = platform::FromOleDate(*first);
    ASSERT_TRUE(time);
    EXPECT_EQ(time->tm_year + 1900, 1970);
}

TEST_F(RawDataViewTest, ColumnHeadingSplitsTitleAndUnit) {
    CRawDataView* view = OpenGrid("site.kivo", OneValueSetup(0), TimedRecords(2));
    ASSERT_NE(view, nullptr);
    std::string cell;
    std::string title;
    std::string unit;
    EXPECT_EQ(view->GetColumnHeading(3, cell, title, unit), 6);
    EXPECT_EQ(cell, "Chan 1\nAvg KW");
    EXPECT_EQ(title, "Chan 1");
    EXPECT_EQ(unit, "Avg KW");
    // The date column's header ends at its carriage return, before any line feed: all of it is the unit.
    EXPECT_EQ(view->GetColumnHeading(1, cell, title, unit), -1);
    EXPECT_EQ(title, "");
    EXPECT_EQ(unit, "Date");
    EXPECT_EQ(view->GetColumnHeading(4, cell, title, unit), -1);
    EXPECT_EQ(cell + title + unit, "");
}

TEST_F(RawDataViewTest, FindRecordRangeMatchesWithinHalfASecond) {
    CRawDataView* view = OpenGrid("site.kivo", OneValueSetup(0), TimedRecords(10));
    ASSERT_NE(view, nullptr);
    std::optional<double> first;
    std::optional<double> last;
    view->GetDataDateRange(first, last);
    const double quarter = 15.0 / 1440.0;
    const double second = 1.0 / 86400.0;
    struct Case {
        const char* name;
        double from;
        double to;
        long firstRecord;
        long lastRecord;
    };
    const Case cases[] = {
        {"whole file", *first, *last, 1, 10},
        {"0.4 s late counts as equal", *first + 2 * quarter + 0.4 * second, *first + 5 * quarter - 0.4 * second, 3, 6},
        {"0.6 s late does not", *first + 2 * quarter + 0.6 * second, *first + 5 * quarter - 0.6 * second, 4, 5},
        {"beyond the end", *last + quarter, *last + 2 * quarter, 11, 10},
        {"before the start", *first - 2 * quarter, *first - quarter, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        long firstRecord = -1;
        long lastRecord = -1;
        view->FindRecordRange(c.from, c.to, firstRecord, lastRecord);
        EXPECT_EQ(firstRecord, c.firstRecord);
        EXPECT_EQ(lastRecord, c.lastRecord);
    }
}

TEST_F(RawDataViewTest, RecordTimesAreCheckedAfterOpeningAndNotToldOnceClosed) {
    auto records = TimedRecords(4);
    records.push_back(datafiletest::RecordBytes({24, 3, 15}, {12, 0, 0}, {9.0f}));
    broker_.AnswerMessageBox(IDOK);
    // A window the download opened first (the CSV Save As) is answered before the finding shows.
    QDialog saveAs;
    saveAs.setModal(true);
    saveAs.show();
    CRawDataView* view = OpenGrid("gap.kivo", OneValueSetup(0), records);
    ASSERT_NE(view, nullptr);
    testsupport::ProcessEventsFor(300);
    EXPECT_TRUE(broker_.Asked().empty());
    saveAs.close();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !broker_.Asked().empty(); }));
    // The finding says where to look next.
    EXPECT_EQ(
        broker_.Asked().back().text,
        "4 records missing in 1 gap.\n\nData > Data Error Report lists each gap and each short interval, "
        "with its time.");

    // Closed before the program's events run again, the file's check stops and says nothing.
    datafiletest::WriteDataFile(folder_ / "gap2.kivo", OneValueSetup(0), records);
    platform::Document* document = documents_.OpenDocumentFile(folder_ / "gap2.kivo");
    ASSERT_NE(document, nullptr);
    document->OnCloseDocument();
    testsupport::ProcessEventsFor(100);
    EXPECT_EQ(broker_.Asked().size(), 1u);
}

TEST_F(RawDataViewTest, YAxisTableStaysInsideItself) {
    CRawDataView* view = OpenGrid("site.kivo", OneValueSetup(0), TimedRecords(2));
    ASSERT_NE(view, nullptr);
    view->SetColumnYAxis(3, 2);
    view->SetColumnYAxis(CRawDataView::kYAxisColumns, 1);
    view->SetColumnYAxis(-1, 1);
    EXPECT_EQ(view->GetColumnYAxis(3), 2);
    EXPECT_EQ(view->GetColumnYAxis(CRawDataView::kYAxisColumns), 0);
    view->ClearColumnYAxes();
    EXPECT_EQ(view->GetColumnYAxis(3), 0);
}

}  // namespace
