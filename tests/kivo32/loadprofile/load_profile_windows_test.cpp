// The load-profile windows on a data grid offscreen: a channel over a week profiled as a table, switched
// to weekly and weekdays through the frame as the dialog bar does it, shown as a graph and back, a second
// window with its own parameters, a window closed while it computes, the CSV export, the graph printed to
// PDF, and the analysis values with their report, each line shown whole.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include "kivo32/analysis/load_profile_graph_data.h"
#include "kivo32/loadprofile/analysis_value_dlg.h"
#include "kivo32/loadprofile/dialog_bar_lp.h"
#include "kivo32/loadprofile/load_profile_child_frame.h"
#include "kivo32/loadprofile/load_profile_commands.h"
#include "kivo32/loadprofile/load_profile_graph_view.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/loadprofile/load_profile_templates.h"
#include "kivo32/loadprofile/load_profile_view.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/string_format.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/printer_page_painter.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/eventually.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

constexpr int kChannel = 3;
constexpr int kWeekRecords = 7 * 96;

// Records every 15 minutes from Monday 2024-03-11 00:15 for a week; the value is the hour of the
// interval the record closes, plus 100 on the weekend.
std::vector<datafiletest::Bytes> WeekRecords(int count = kWeekRecords) {
    std::vector<datafiletest::Bytes> records;
    for (int i = 0; i < count; ++i) {
        const int closes = (i + 1) * 900;
        const int start = closes - 900;
        const int day = 11 + closes / 86400;
        const float weekend = start / 86400 % 7 >= 5 ? 100.0F : 0.0F;
        records.push_back(datafiletest::RecordBytes({24, 3, day}, {closes / 3600 % 24, closes / 60 % 60, 0},
                                                    {static_cast<float>(start % 86400 / 3600) + weekend}));
    }
    return records;
}

class LoadProfileWindowsTest : public gridtest::GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        auto table = std::make_unique<platform::DocTemplate>(
            kLoadProfileTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
            [] { return new CLoadProfileChildFrame; }, [] { return new CLoadProfileView; });
        auto graph = std::make_unique<platform::DocTemplate>(
            kLoadProfileGraphTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
            [] { return new CLoadProfileChildFrame; }, [] { return new CLoadProfileGraphView; });
        table_ = table.get();
        graph_ = graph.get();
        documents_.AddDocTemplate(std::move(table));
        documents_.AddDocTemplate(std::move(graph));
    }

    CRawDataView* OpenWeek(int records = kWeekRecords) {
        CRawDataView* grid = OpenGrid("week.kivo", datafiletest::OneValueSetup(0), WeekRecords(records));
        if (grid != nullptr) {
            grid->Grid().MouseDown(1, kChannel, 0);
            grid->Grid().MouseMove(records, kChannel);
            grid->Grid().MouseUp(records, kChannel, 0);
        }
        return grid;
    }

    // Waits until the view has a profile computed.
    static bool Computed(QPointer<CLoadProfileViewBase> view) {
        return testsupport::Eventually([&] {
                   QApplication::processEvents();
                   return view == nullptr || !view->IsComputing();
               }) &&
               view != nullptr && view->Profile().GetBucketCount() > 0;
    }

    static CLoadProfileChildFrame* FrameOf(CLoadProfileViewBase* view) {
        return dynamic_cast<CLoadProfileChildFrame*>(view->ParentFrame());
    }

    // What the dialog bar does for a choice: the message to the frame, which posts it to the view.
    static CLoadProfileViewBase* Choose(CLoadProfileChildFrame* frame, unsigned message, int value) {
        frame->Target()->PostMessage(platform::Message(message, static_cast<std::uintptr_t>(value)));
        QApplication::processEvents();
        QApplication::processEvents();
        auto* view = frame->ProfileView();
        return Computed(view) ? view : nullptr;
    }

    platform::DocTemplate* table_ = nullptr;
    platform::DocTemplate* graph_ = nullptr;
};

TEST_F(LoadProfileWindowsTest, TableFollowsTheBarAndTheFrameSwitchesToTheGraphAndBack) {
    CRawDataView* grid = OpenWeek();
    ASSERT_NE(grid, nullptr);
    auto* table = dynamic_cast<CLoadProfileView*>(OpenLoadProfile(table_, grid, false));
    ASSERT_TRUE(Computed(table));
    EXPECT_EQ(table->GetRowCount(), 96);
    EXPECT_EQ(table->GetColCount(), 3);
    platform::GridCell cell;
    ASSERT_TRUE(table->GetCell(1, 1, cell));
    EXPECT_EQ(cell.text, "00:00:00");
    ASSERT_TRUE(table->GetCell(1, 3, cell));
    // Five weekdays of 0.0 and two weekend days of 100.0.
    EXPECT_EQ(cell.text, platform::StringPrintf("%.3f", 200.0 / 7));
    EXPECT_EQ(table->Bar().Presentation().currentIndex(), 0);

    CLoadProfileChildFrame* frame = FrameOf(table);
    table = dynamic_cast<CLoadProfileView*>(Choose(frame, WM_LP_PERIOD, CParametersForView::kWeekly));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetRowCount(), 672);
    EXPECT_EQ(table->GetColCount(), 4);
    ASSERT_TRUE(table->GetCell(1, 1, cell));
    EXPECT_EQ(cell.text, "Monday");
    ASSERT_TRUE(table->GetCell(672, 4, cell));
    EXPECT_EQ(cell.text, "123.000");
    EXPECT_EQ(table->Bar().Period().currentIndex(), 1);

    table = dynamic_cast<CLoadProfileView*>(Choose(frame, WM_LP_DAYS, CParametersForView::kWeekdays));
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(table->GetCell(672, 4, cell));
    EXPECT_EQ(cell.text, "0.000");
    ASSERT_TRUE(table->GetCell(96 + 13 * 4 + 1, 4, cell));
    EXPECT_EQ(cell.text, "13.000");

    frame->SwitchView(ID_LOAD_PROFILE_GRAPH);
    auto* graph = dynamic_cast<CLoadProfileGraphView*>(frame->ProfileView());
    ASSERT_TRUE(Computed(graph));
    ASSERT_NE(graph->Control(), nullptr);
    EXPECT_EQ(graph->Control()->Data().PointCount(), 672U);
    LoadProfileGraphData prepared;
    ASSERT_TRUE(PrepareLoadProfileGraphData(graph->Profile(), prepared));
    EXPECT_EQ(graph->Control()->Settings().axes[0].manualRange,
              std::make_pair(prepared.yMinimum, prepared.yMaximum));
    EXPECT_EQ(graph->Parameters().m_nDayFilterType, CParametersForView::kWeekdays);
    EXPECT_EQ(graph->Bar().Presentation().currentIndex(), 1);
    EXPECT_EQ(graph->Bar().Days().currentIndex(), 1);

    broker_.AnswerMessageBox(IDOK);
    frame->OnCommand(ID_LOAD_PROFILE_GRAPH);
    EXPECT_EQ(frame->ProfileView(), graph) << "the graph shown already stays";

    frame->Target()->PostMessage(platform::Message(WM_LP_PRESENTATION_COMMAND, ID_LOAD_PROFILE_TABLE));
    QApplication::processEvents();
    table = dynamic_cast<CLoadProfileView*>(frame->ProfileView());
    ASSERT_TRUE(Computed(table));
    EXPECT_EQ(table->GetRowCount(), 672);
    EXPECT_EQ(table->Bar().Period().currentIndex(), 1);
    EXPECT_EQ(table->Bar().Days().currentIndex(), 1);
}

TEST_F(LoadProfileWindowsTest, EachWindowKeepsItsOwnParameters) {
    CRawDataView* grid = OpenWeek();
    ASSERT_NE(grid, nullptr);
    QPointer<CLoadProfileViewBase> first = OpenLoadProfile(table_, grid, false);
    ASSERT_TRUE(Computed(first));
    ASSERT_NE(Choose(FrameOf(first), WM_LP_PERIOD, CParametersForView::kWeekly), nullptr);

    grid->Grid().MouseDown(1, kChannel, 0);
    grid->Grid().MouseMove(kWeekRecords, kChannel);
    grid->Grid().MouseUp(kWeekRecords, kChannel, 0);
    QPointer<CLoadProfileViewBase> second = OpenLoadProfile(graph_, grid, true);
    ASSERT_TRUE(Computed(second));
    EXPECT_EQ(second->Bar().Period().currentIndex(), 1) << "a new window starts from the last choice";
    ASSERT_NE(Choose(FrameOf(second), WM_LP_PERIOD, CParametersForView::kDaily), nullptr);
    EXPECT_EQ(second->Bar().Period().currentIndex(), 0);
    EXPECT_EQ(first->Bar().Period().currentIndex(), 1);
    EXPECT_EQ(first->Profile().GetBucketCount(), 672);
    EXPECT_EQ(second->Profile().GetBucketCount(), 96);
}

TEST_F(LoadProfileWindowsTest, AChangeThroughAnotherViewComputesTheProfileAgain) {
    CRawDataView* grid = OpenWeek();
    ASSERT_NE(grid, nullptr);
    QPointer<CLoadProfileViewBase> table = OpenLoadProfile(table_, grid, false);
    ASSERT_TRUE(Computed(table));
    int computed = 0;
    QObject::connect(table, &CLoadProfileViewBase::ProfileComputed, [&computed](bool) { ++computed; });
    // Its own update, or one without a sender, leaves the profile as it is.
    table->GetDocument()->UpdateAllViews(table);
    table->GetDocument()->UpdateAllViews(nullptr, 7);
    EXPECT_FALSE(table->IsComputing());
    table->GetDocument()->UpdateAllViews(grid);
    ASSERT_TRUE(Computed(table));
    EXPECT_EQ(computed, 1);
}

TEST_F(LoadProfileWindowsTest, AWindowClosedWhileComputingLeavesNothingRunning) {
    CRawDataView* grid = OpenWeek(20 * 96);
    ASSERT_NE(grid, nullptr);
    QPointer<CLoadProfileViewBase> view = OpenLoadProfile(table_, grid, false);
    ASSERT_NE(view, nullptr);
    QPointer<platform::ChildFrame> frame = view->ParentFrame();
    frame->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(view.isNull());
    EXPECT_TRUE(frame.isNull());
    // The grid's document lives on, and its next profile reads the file again.
    EXPECT_NE(grid->GetDocument(), nullptr);
    ASSERT_TRUE(Computed(OpenLoadProfile(table_, grid, false)));
}

TEST_F(LoadProfileWindowsTest, SelectionsTheProfileRefuses) {
    CRawDataView* grid = OpenWeek(10);
    ASSERT_NE(grid, nullptr);
    grid->Grid().MouseDown(2, kChannel, 0);
    grid->Grid().MouseUp(2, kChannel, 0);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(OpenLoadProfile(table_, grid, false), nullptr);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(OpenLoadProfile(graph_, nullptr, true), nullptr);
    ASSERT_EQ(broker_.Asked().size(), 2U);
    EXPECT_EQ(broker_.Asked()[1].text, "KIVO Error #100");
}

TEST_F(LoadProfileWindowsTest, TableExportsAndGraphPrints) {
    CRawDataView* grid = OpenWeek();
    ASSERT_NE(grid, nullptr);
    auto* table = dynamic_cast<CLoadProfileView*>(OpenLoadProfile(table_, grid, false));
    ASSERT_TRUE(Computed(table));
    const std::filesystem::path csv = folder_ / "profile.csv";
    datafiletest::WriteFileText(csv, "old\r\n");
    broker_.AnswerMessageBox(IDOK);
    ASSERT_TRUE(table->ExportCsv(csv));
    const std::vector<std::string> lines = gridtest::SplitCrLf(datafiletest::ReadFileText(csv));
    ASSERT_EQ(lines.size(), 96U);
    EXPECT_EQ(lines[0], "00:00:00,00:14:59," + platform::StringPrintf("%.3f", 200.0 / 7));
    EXPECT_EQ(lines[95].substr(0, 18), "23:45:00,23:59:59,");

    CLoadProfileChildFrame* frame = FrameOf(table);
    frame->SwitchView(ID_LOAD_PROFILE_GRAPH);
    auto* graph = dynamic_cast<CLoadProfileGraphView*>(frame->ProfileView());
    ASSERT_TRUE(Computed(graph));
    QPrinter printer(QPrinter::HighResolution);
    const std::filesystem::path pdf = folder_ / "profile.pdf";
    platform::SetPdfOutput(printer, pdf);
    ASSERT_TRUE(graph->PrintGraph(printer));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000U);
    const std::filesystem::path png = folder_ / "profile.png";
    ASSERT_TRUE(graph->WritePicture(png));
    EXPECT_GT(std::filesystem::file_size(png), 1000U);
}

TEST_F(LoadProfileWindowsTest, AnalysisValuesOfEachKindAndTheirReport) {
    testsupport::RecordingDesktopServices desktop;
    CRawDataView* grid = OpenWeek(96);
    ASSERT_NE(grid, nullptr);
    const std::string firstLine[] = {"11.500", "2.000", "0.000 (03/11/24 00:15:00)",
                                     "23.000 (03/11/24 23:15:00)", "1104.000"};
    for (int kind = 1; kind <= 5; ++kind) {
        SCOPED_TRACE(kind);
        AnalysisValueRecord record;
        ASSERT_TRUE(grid->BuildAnalysisValues(kind, false, record));
        CAnalysisValueDlg dialog(grid->GetDocument()->GetOriginalPath());
        dialog.SetAnalysisValues(record);
        EXPECT_EQ(dialog.Display().lines[0].substr(0, firstLine[kind - 1].size()), firstLine[kind - 1]);
        EXPECT_NE(dialog.windowTitle().toStdString().find("week.kivo"), std::string::npos);
        ASSERT_TRUE(dialog.OnReport());
    }
    const std::filesystem::path report = folder_ / "week.txt";
    ASSERT_EQ(desktop.Opened().size(), 5U);
    EXPECT_EQ(desktop.Opened().back(), report.string());
    const std::string text = datafiletest::ReadFileText(report);
    EXPECT_EQ(text.find("KIVO Analysis Values"), 0U);
    EXPECT_EQ(text.rfind("KIVO Analysis Values"), 0U);
    EXPECT_NE(text.find("  Total:   1104"), std::string::npos);
}

TEST(AnalysisValueDlgTest, EveryValueLineShowsWholeFromItsFirstDigit) {
    testsupport::EnsureQtApplication();
    SetProgramTexts(platform::EnglishTexts());
    for (const int kind : {4, 3, 5}) {
        SCOPED_TRACE(kind);
        AnalysisValueRecord record;
        record.kind = kind;
        record.file = "month.kivo";
        record.values.decimals = 3;
        record.values.total = 1234567.125;
        const double values[] = {132.25, 120.0, 119.5, 110.0, 100.0};
        for (int i = 0; i < ColumnAnalysis::kRanked; ++i) {
            const ColumnAnalysis::Entry entry{values[i], "07/03/2024",
                                              platform::StringPrintf("13:%02d:00", i)};
            record.values.highest[static_cast<std::size_t>(i)] = entry;
            record.values.lowest[static_cast<std::size_t>(ColumnAnalysis::kRanked - 1 - i)] = entry;
        }
        CAnalysisValueDlg dialog("month.kivo");
        dialog.SetAnalysisValues(record);
        dialog.show();
        QApplication::processEvents();
        int shown = 0;
        for (QLineEdit* line : dialog.findChildren<QLineEdit*>()) {
            if (!line->isVisible()) {
                continue;
            }
            ++shown;
            const QString text = line->text();
            EXPECT_EQ(line->cursorPosition(), 0) << text.toStdString();
            // With the caret at the end, the box scrolls only when the text is wider than it: its left
            // edge then no longer shows the first character.
            line->end(false);
            line->grab();
            EXPECT_EQ(line->cursorPositionAt(QPoint(line->contentsRect().left() + 1, line->height() / 2)), 0)
                << text.toStdString();
        }
        EXPECT_EQ(shown, kind == 5 ? 1 : ColumnAnalysis::kRanked);
        EXPECT_EQ(dialog.Display().lines[0], kind == 4   ? "132.250 (07/03/2024 13:00:00)"
                                             : kind == 3 ? "100.000 (07/03/2024 13:04:00)"
                                                         : "1234567.125");
    }
}

}  // namespace
