// The grid's exports and reports through the view: CSV with and without a selection, columns selected
// apart, Save As of a selection, the data-error report and summary files, and the analysis refusing two
// columns.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/message_box_flags.h"
#include "shared/common/user_data_folder.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

class GridExportTest : public gridtest::GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        // Channel 2 of record 2 was not logged.
        view_ = OpenGrid("site.kivo", gridtest::ChannelsSetup(3), gridtest::Records(4, 3, 900, [](int i, int c) {
                             return i == 1 && c == 1 ? NAN : static_cast<float>(10 * (c + 1) + i);
                         }));
        ASSERT_NE(view_, nullptr);
    }

    std::vector<std::string> Lines(const std::filesystem::path& path) {
        const std::string text = datafiletest::ReadFileText(path);
        EXPECT_TRUE(text.ends_with("\r\n")) << "every line ends in CR LF";
        return gridtest::SplitCrLf(text);
    }
    std::string Cell(int row, int column) { return view_->GetCellText(row, column); }

    CRawDataView* view_ = nullptr;
};

TEST_F(GridExportTest, CsvWithoutSelectionHasEveryRowAndColumn) {
    const auto path = folder_ / "all.csv";
    broker_.AnswerMessageBox(IDOK);
    ASSERT_TRUE(view_->ExportCSVFile(path));
    const auto lines = Lines(path);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], R"("Record","","","Chan 1","Chan 2","Chan 3")");
    EXPECT_EQ(lines[1], R"("Number","Date","Time","Avg KW","Avg KW","Avg KW")");
    EXPECT_EQ(lines[2], "1,03/15/24,10:00:00," + Cell(1, 3) + "," + Cell(1, 4) + "," + Cell(1, 5));
    // The cell that holds no value is an empty field.
    EXPECT_EQ(lines[3], "2,03/15/24,10:15:00," + Cell(2, 3) + ",," + Cell(2, 5));
    EXPECT_EQ(Cell(2, 3).substr(0, 2), "11");
    EXPECT_EQ(broker_.Asked().back().text, "The data was exported to " + path.string() + ".");
}

TEST_F(GridExportTest, CsvOfColumnsSelectedApartHasThoseColumnsOnly) {
    view_->Grid().MouseDown(2, 3, 0);
    view_->Grid().MouseUp(3, 3, 0);
    view_->Grid().MouseDown(2, 5, platform::kGridFlagControl);
    view_->Grid().MouseUp(3, 5, platform::kGridFlagControl);
    const auto path = folder_ / "part.csv";
    broker_.AnswerMessageBox(IDOK);
    ASSERT_TRUE(view_->ExportCSVFile(path));
    const auto lines = Lines(path);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], R"("Record","","","Chan 1","Chan 3")");
    EXPECT_EQ(lines[1], R"("Number","Date","Time","Avg KW","Avg KW")");
    EXPECT_EQ(lines[2], "2,03/15/24,10:15:00," + Cell(2, 3) + "," + Cell(2, 5));
    EXPECT_EQ(lines[3], "3,03/15/24,10:30:00," + Cell(3, 3) + "," + Cell(3, 5));
}

TEST_F(GridExportTest, CsvOfASelectionKeepsTheTimeOfEachMaximum) {
    // Channel 1 logs its maximum kW with the time it occurred, then its average.
    CSetupTable setup = datafiletest::OneValueSetup(0);
    setup.GetHardwareChannel(0).SetPowerOptions(kQuantityKW, kOptionBit4 | kOptionBit1);
    std::vector<datafiletest::Bytes> records;
    for (int i = 0; i < 3; ++i) {
        datafiletest::Bytes record(CRawData::kFirstValueOffset + 4 + 3 + 4, 0);
        WriteRecordDate(record, CRawData::kDateOffset, {24, 3, 15});
        WriteRecordTimeOfDay(record, CRawData::kTimeOffset, {10, 15 * i, 0});
        WriteRecordFloat(record, CRawData::kFirstValueOffset, 120.0f + static_cast<float>(i));
        WriteRecordTimeOfDay(record, CRawData::kFirstValueOffset + 4, {9, 50 + i, 7});
        WriteRecordFloat(record, CRawData::kFirstValueOffset + 7, 100.0f + static_cast<float>(i));
        records.push_back(record);
    }
    CRawDataView* view = OpenGrid("peaks.kivo", setup, records);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->GetColCount(), 5);
    // Max KW, Time of Max, Avg KW over records 2 and 3.
    view->Grid().MouseDown(2, 3, 0);
    view->Grid().MouseMove(3, 5);
    view->Grid().MouseUp(3, 5, 0);
    const auto path = folder_ / "peaks.csv";
    broker_.AnswerMessageBox(IDOK);
    ASSERT_TRUE(view->ExportCSVFile(path));
    const auto lines = Lines(path);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], R"("Record","","","Chan 1","Chan 1","Chan 1")");
    EXPECT_EQ(lines[1], R"("Number","Date","Time","Max KW","Time of Max","Avg KW")");
    EXPECT_EQ(lines[2],
              "2,03/15/24,10:15:00," + view->GetCellText(2, 3) + ",09:51:07," + view->GetCellText(2, 5));
    EXPECT_EQ(lines[3],
              "3,03/15/24,10:30:00," + view->GetCellText(3, 3) + ",09:52:07," + view->GetCellText(3, 5));
    EXPECT_EQ(view->GetCellText(3, 3).substr(0, 3), "122");
}

TEST_F(GridExportTest, CsvThatCannotBeCreatedIsReported) {
    const auto path = folder_ / "missing folder" / "x.csv";
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(view_->ExportCSVFile(path));
    EXPECT_NE(broker_.Asked().back().text.find("cannot be written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(GridExportTest, SaveSelectionAsWritesTheSelectedRecordsAndOpensThem) {
    view_->Grid().MouseDown(2, 3, 0);
    view_->Grid().MouseUp(3, 4, 0);
    const auto path = folder_ / "part.kivo";
    broker_.AnswerMessageBox(IDOK);
    ASSERT_TRUE(view_->SaveSelectionAs(path));
    datafiletest::OpenedFile saved(path);
    ASSERT_TRUE(saved.prepared);
    EXPECT_EQ(saved.data.GetRecordCount(), 2);
    EXPECT_EQ(documents_.Templates().front()->Documents().size(), 2u);
}

TEST_F(GridExportTest, DataErrorReportIsWrittenAndShown) {
    testsupport::RecordingDesktopServices desktop;
    ASSERT_TRUE(view_->ReportDataErrors());
    const auto path = UserDataFolder() / "Data" / "site-Data Errors.txt";
    EXPECT_EQ(datafiletest::ReadFileText(path), "Data File: site.kivo\r\n\r\nNo errors were found in the data.\r\n");
    EXPECT_EQ(desktop.Opened(), std::vector<std::string>{path.string()});
}

TEST_F(GridExportTest, SummaryReportIsWrittenWithCrLfAndShown) {
    testsupport::RecordingDesktopServices desktop;
    ASSERT_TRUE(view_->ReportDataFileSummary());
    const auto path = UserDataFolder() / "Data" / "site-Summary.txt";
    const std::string text = datafiletest::ReadFileText(path);
    EXPECT_EQ(text.rfind("Data File Summary\r\n-----------------\r\n\r\nData File: site.kivo\r\n", 0), 0u);
    EXPECT_EQ(text.find("\r\r"), std::string::npos);
    EXPECT_EQ(desktop.Opened(), std::vector<std::string>{path.string()});
}

TEST_F(GridExportTest, AReportNoViewerOpensSaysItWasWrittenAndWhere) {
    testsupport::RecordingDesktopServices desktop;
    desktop.SetAnswer(false);
    const struct {
        bool (CRawDataView::*report)();
        const char* file;
    } reports[] = {{&CRawDataView::ReportDataErrors, "site-Data Errors.txt"},
                   {&CRawDataView::ReportDataFileSummary, "site-Summary.txt"}};
    for (const auto& [report, file] : reports) {
        broker_.AnswerMessageBox(IDOK);
        ASSERT_TRUE((view_->*report)()) << file;
        const auto path = UserDataFolder() / "Data" / file;
        ASSERT_TRUE(path.is_absolute());
        EXPECT_TRUE(std::filesystem::is_regular_file(path));
        const std::string text = broker_.Asked().back().text;
        EXPECT_EQ(text.rfind("The report was written to:", 0), 0u) << text;
        EXPECT_NE(text.find("\n    " + path.string() + "\n"), std::string::npos) << text;
    }
}

TEST_F(GridExportTest, AnalysisTakesOneColumnOnly) {
    view_->Grid().MouseDown(1, 3, 0);
    view_->Grid().MouseUp(4, 4, 0);
    ColumnAnalysis result;
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(view_->AnalyseSelectedColumn(result, false));
    EXPECT_EQ(broker_.Asked().back().text, "Select one channel only.");

    view_->Grid().MouseDown(0, 4, 0);
    view_->Grid().MouseUp(0, 4, 0);
    ASSERT_TRUE(view_->AnalyseSelectedColumn(result, false));
    EXPECT_EQ(result.count, 3);
    EXPECT_DOUBLE_EQ(result.total, 20 + 22 + 23);
}

}  // namespace

namespace {

TEST_F(GridExportTest, AnalysisValuesNameTheColumnAndTheSpanOfTheSelection) {
    // 15-minute records from 10:00: the last selected one, at 10:45, covers 10:30 to 10:45.
    view_->Grid().MouseDown(2, 5, 0);
    view_->Grid().MouseUp(4, 5, 0);
    AnalysisValueRecord record;
    ASSERT_TRUE(view_->BuildAnalysisValues(3, false, record));
    EXPECT_EQ(record.kind, 3);
    EXPECT_EQ(record.file, "site.kivo");
    EXPECT_EQ(record.columns, "Chan 3 Avg KW");
    EXPECT_EQ(record.firstTime, "03/15/24 10:15:00");
    EXPECT_EQ(record.lastTime, "03/15/24 10:30:00");
    EXPECT_EQ(record.values.count, 3);

    // Columns chosen apart are named apart, left to right.
    view_->Grid().MouseDown(0, 3, platform::kGridFlagControl);
    view_->Grid().MouseUp(0, 3, platform::kGridFlagControl);
    EXPECT_EQ(view_->GetSelectedColumnTitles(), "Chan 1 Avg KW, Chan 3 Avg KW");
}

TEST_F(GridExportTest, SaveAsGoesByTheExtensionChosen) {
    struct Case {
        const char* name;
        bool written;
    };
    for (const Case c : {Case{"copy.csv", true}, Case{"copy.kivo", true}, Case{"copy.txt", false}}) {
        SCOPED_TRACE(c.name);
        const auto path = folder_ / c.name;
        broker_.AnswerFileName(path);
        if (c.written && path.extension() == ".csv") {
            broker_.AnswerMessageBox(IDOK);
        }
        view_->OnFileSaveAs();
        EXPECT_EQ(std::filesystem::exists(path), c.written);
    }
    EXPECT_EQ(broker_.Asked().front().fileRequest.fileName, "site");
}

}  // namespace
