// The data graph view over a data grid offscreen: the graph of the grid's selection with its statistics
// and axes, the data-label limit, refused selections, cancel and close during the load, zoom statistics,
// the read-out, keys and commands, the attributes at close, and printing.
#include "kivo32/views/raw_data_graph_view.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cmath>
#include <filesystem>
#include <functional>

#include "kivo32/views/data_graph_commands.h"
#include "kivo32/views/graph_object_attributes.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/ui/graph/serial_date.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/user_data_folder.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/recording_graph_canvas.h"

namespace {

using platform::GridRange;

constexpr platform::GraphColor kRed = 0xFFFF0000;
constexpr platform::GraphColor kGrey = 0xFFC0C0C0;

class GraphViewTest : public gridtest::GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        std::filesystem::create_directories(UserDataFolder());
        // The program's start on default attributes: analysis values on, data cursor off.
        std::filesystem::remove(AttributesFile());
        attributes_.LoadGOAttributes(true, true, true, true);
        attributes_.SetDefaultAttributes(true, true, true, true);
        graph_template_ = documents_.AddDocTemplate(MakeRawDataGraphTemplate(attributes_));
    }

    // A grid of `channels` channels (columns 3 and up) over `records` records, every 15 minutes from
    // 2024-03-15 10:00; channel c of record i holds i + 100 c.
    CRawDataView* OpenChannels(int channels, int records) {
        return OpenGrid("site.kivo", gridtest::ChannelsSetup(channels), ChannelRecords(channels, records));
    }
    static std::vector<datafiletest::Bytes> ChannelRecords(int channels, int records) {
        return gridtest::Records(records, channels, 900, [](int i, int c) { return float(i + 100 * c); });
    }
    CRawDataGraphView* Graph(CRawDataView* grid) {
        CRawDataGraphView* graph = ShowDataGraph(*graph_template_, grid);
        QApplication::processEvents();
        if (graph != nullptr) {
            graph->Control()->grab();  // lays the graph out as a paint would
        }
        return graph;
    }
    static std::vector<std::string> Texts(const platform::GraphTable& table) {
        std::vector<std::string> texts;
        for (const auto& row : table.rows) {
            texts.push_back(row.text);
        }
        return texts;
    }
    static std::string Heading(CRawDataView& grid, int column) {
        std::string heading = grid.GetCellText(0, column);
        std::replace(heading.begin(), heading.end(), '\n', ' ');
        return heading;
    }
    std::size_t GraphViews(CRawDataView& grid) const {
        const auto& views = grid.GetDocument()->Views();
        return static_cast<std::size_t>(std::count_if(views.begin(), views.end(), [](platform::View* view) {
            return dynamic_cast<CRawDataGraphView*>(view) != nullptr;
        }));
    }
    static std::filesystem::path AttributesFile() {
        return UserDataFolder() / CGraphObjectAttributes::kFileName;
    }
    // Runs the event loop, closed windows' deletion included, until `done()`; false on time-out.
    static bool Settle(const std::function<bool()>& done) {
        return testsupport::ProcessEventsUntil([&] {
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return done();
        });
    }

    CGraphObjectAttributes attributes_{"KIVO 15"};
    platform::DocTemplate* graph_template_ = nullptr;
};

TEST_F(GraphViewTest, OneChannelShowsItsStatisticsAndLabelsItsAxis) {
    CRawDataView* grid = OpenChannels(3, 20);
    grid->ApplyRangeDialogSelection({4}, false, 3, 12);
    CRawDataGraphView* graph = Graph(grid);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(GetActiveRawDataGraphView(main_.get()), graph);
    const platform::GraphSettings& settings = graph->Control()->Settings();
    EXPECT_EQ(graph->Control()->Data().PointCount(), 10u);
    EXPECT_EQ(settings.mainTitle, "site.kivo");
    EXPECT_EQ(settings.subtitle, "03/15/24 - 03/15/24");

    // Records 3..12 of the second channel hold 102..111.
    EXPECT_TRUE(settings.statistics.shown);
    EXPECT_EQ(Texts(settings.statistics), (std::vector<std::string>{"Statistics", "Average: 106.50",
                                                                    "Minimum: 102.00", "Maximum: 111.00"}));
    ASSERT_EQ(settings.axes.size(), 1u);
    EXPECT_EQ(settings.axes[0].label, Heading(*grid, 4));
    // The time axis is captioned with the time word.
    ASSERT_EQ(settings.annotations.size(), 2u);
    EXPECT_EQ(settings.annotations[1], "|TIME|");
    EXPECT_EQ(settings.subsets[0].color, kRed);

    testsupport::RecordingGraphCanvas canvas;
    graph->Control()->Render(canvas, {0, 0, 900, 560});
    EXPECT_NE(canvas.FindText("Average: 106.50"), nullptr);
    EXPECT_NE(canvas.FindText(Heading(*grid, 4)), nullptr);
    EXPECT_NE(canvas.FindText("Data graph"), nullptr);
}

TEST_F(GraphViewTest, RecordsDownloadedIntoTheOpenFileAreGraphedInTheSameWindow) {
    QPointer<CRawDataView> grid = OpenChannels(3, 20);
    grid->ApplyRangeDialogSelection({4}, true, 0, 0);
    QPointer<CRawDataGraphView> graph = Graph(grid);
    ASSERT_TRUE(graph != nullptr);
    EXPECT_EQ(graph->Control()->Data().PointCount(), 20u);

    // The download appends ten records to the file and has it shown anew.
    const std::filesystem::path path = grid->GetDocument()->PathName();
    datafiletest::WriteDataFile(path, gridtest::ChannelsSetup(3), ChannelRecords(3, 30));
    platform::Document* shown = platform::DocManager::ReopenDocumentWith(*documents_.Templates().front(), path);
    // Windows that closed are gone once the deletions posted have run.
    ASSERT_TRUE(Settle([] { return true; }));
    ASSERT_TRUE(grid != nullptr && graph != nullptr);
    EXPECT_EQ(shown, grid->GetDocument());
    EXPECT_EQ(grid->GetRowCount(), 30);
    EXPECT_EQ(graph->Control()->Data().PointCount(), 30u);
    EXPECT_EQ(Texts(graph->Control()->Settings().statistics),
              (std::vector<std::string>{"Statistics", "Average: 114.50", "Minimum: 100.00", "Maximum: 129.00"}));
}

TEST_F(GraphViewTest, EmptyAxesCloseUpAndTheGridLearnsTheNewAxes) {
    struct Case {
        std::vector<int> chosen;
        std::vector<int> closedUp;
        std::vector<int> axisCounts;
    };
    const Case cases[] = {
        {{1, 2, 2}, {0, 1, 1}, {1, 2}}, {{0, 2, 2}, {0, 1, 1}, {1, 2}},    {{2, 0, 2}, {1, 0, 1}, {1, 2}},
        {{2, 2, 2}, {0, 0, 0}, {3}},    {{0, 1, 2}, {0, 1, 2}, {1, 1, 1}},
    };
    CRawDataView* grid = OpenChannels(3, 20);
    for (const Case& test : cases) {
        const std::string name = ::testing::PrintToString(test.chosen);
        for (int i = 0; i < 3; ++i) {
            grid->SetColumnYAxis(i, test.chosen[static_cast<std::size_t>(i)]);
        }
        grid->ApplyRangeDialogSelection({3, 4, 5}, true, 1, 20);
        CRawDataGraphView* graph = Graph(grid);
        ASSERT_NE(graph, nullptr) << name;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(grid->GetColumnYAxis(i), test.closedUp[static_cast<std::size_t>(i)])
                << name << " " << i;
        }
        const platform::GraphSettings& settings = graph->Control()->Settings();
        std::vector<int> counts;
        for (const platform::GraphAxis& axis : settings.axes) {
            counts.push_back(axis.subsetCount);
            // An axis with one subset takes its colour; no axis is labelled with several subsets.
            EXPECT_EQ(axis.color == 0xFF000000, axis.subsetCount != 1 || settings.axes.size() == 1) << name;
            EXPECT_TRUE(axis.label.empty()) << name;
        }
        EXPECT_EQ(counts, test.axisCounts) << name;
        // The subsets are drawn axis by axis, each keeping its own colour and label.
        const auto first = std::find(test.closedUp.begin(), test.closedUp.end(), 0) - test.closedUp.begin();
        EXPECT_EQ(settings.subsets[0].label, Heading(*grid, 3 + static_cast<int>(first))) << name;
        // Three subsets with the analysis values: the legend rows, each followed by its values.
        ASSERT_EQ(settings.statistics.rows.size(), 7u) << name;
        EXPECT_EQ(settings.statistics.rows[1].text, "----- " + settings.subsets[0].label) << name;
        EXPECT_EQ(settings.statistics.rows[1].color, settings.subsets[0].color) << name;
        QPointer<CRawDataGraphView> closing = graph;
        graph->ParentFrame()->close();
        EXPECT_TRUE(Settle([&] { return closing == nullptr; }));
    }
}

TEST_F(GraphViewTest, DataLabelsAreHeldOffAbove100PointsButStayChosen) {
    attributes_.useDefaultAttributes = 0;
    attributes_.showDataPoints = 1;
    attributes_.includeDataLabels = 1;
    for (const int points : {100, 101}) {
        const bool tooMany = points > 100;
        CRawDataView* grid =
            OpenGrid("labels" + std::to_string(points) + ".kivo", gridtest::ChannelsSetup(1),
                     gridtest::Records(points, 1, 900, [](int i, int) { return float(i % 7); }));
        grid->ApplyRangeDialogSelection({3}, true, 1, points);
        if (tooMany) {
            broker_.AnswerMessageBox(IDOK);
        }
        const std::size_t asked = broker_.Asked().size();
        CRawDataGraphView* graph = Graph(grid);
        ASSERT_NE(graph, nullptr) << points;
        ASSERT_EQ(broker_.Asked().size(), asked + (tooMany ? 1 : 0)) << points;
        if (tooMany) {
            EXPECT_EQ(broker_.Asked().back().caption, "KIVO Raw Data Graph");
            EXPECT_EQ(broker_.Asked().back().style, static_cast<unsigned>(MB_OK | MB_ICONINFORMATION));
            EXPECT_EQ(
                broker_.Asked().back().text.rfind("The number of data points being graphed is 101.\n\n", 0),
                0u);
        }
        EXPECT_EQ(graph->Control()->Settings().style.includeDataLabels, !tooMany) << points;
        testsupport::RecordingGraphCanvas canvas;
        EXPECT_EQ(graph->Control()->Render(canvas, {0, 0, 1200, 560}).labelsDrawn, !tooMany) << points;

        // Own attributes are saved at close; the labels held off for this graph stay the user's choice.
        QPointer<CRawDataGraphView> closing = graph;
        graph->ParentFrame()->close();
        EXPECT_TRUE(Settle([&] { return closing == nullptr; }));
        EXPECT_EQ(attributes_.includeDataLabels, 1) << points;
        EXPECT_TRUE(std::filesystem::exists(AttributesFile()));
    }
}

TEST_F(GraphViewTest, RecordsTheTimeAxisCannotTakeAsTheyStandAreToldOnce) {
    broker_.SetDefaultAnswer(IDOK);  // the grid's own check of the record times speaks too
    const struct {
        const char* file;
        // The date of record i.
        std::function<std::array<int, 3>(int)> date;
        std::size_t points;
        std::string told;
    } cases[] = {
        // Month 13 makes no date: those records are left out.
        {"dates.kivo", [](int i) { return std::array<int, 3>{24, i % 3 == 1 ? 13 : 3, 15}; }, 7,
         "3 records whose date and time make no date on the graph were left out of it."},
        // Every other record goes back a day: all are graphed, in time order.
        {"noise.kivo", [](int i) { return std::array<int, 3>{24, 3, i % 2 ? 14 : 15}; }, 10,
         "5 records have a time earlier than the record before them (a damaged file, or memory the logger "
         "never wrote). The graph shows every record at its own time, in time order."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.file);
        const std::size_t askedBefore = broker_.Asked().size();
        std::vector<datafiletest::Bytes> records;
        for (int i = 0; i < 10; ++i) {
            const std::array<int, 3> date = test.date(i);
            records.push_back(datafiletest::RecordBytes({date[0], date[1], date[2]}, {10, i, 0}, {float(i)}));
        }
        CRawDataView* grid = OpenGrid(test.file, gridtest::ChannelsSetup(1), records);
        grid->ApplyRangeDialogSelection({3}, true, 1, 10);
        CRawDataGraphView* graph = Graph(grid);
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(graph->Control()->Data().PointCount(), test.points);
        std::vector<std::string> told;
        const auto asked = broker_.Asked();
        for (std::size_t i = askedBefore; i < asked.size(); ++i) {
            if (asked[i].caption == "KIVO Raw Data Graph") {
                told.push_back(asked[i].text);
            }
        }
        EXPECT_EQ(told, std::vector<std::string>{test.told});
    }
}

TEST_F(GraphViewTest, UnusableSelectionsMakeNoGraph) {
    CRawDataView* grid = OpenChannels(3, 20);
    struct Case {
        const char* name;
        std::vector<GridRange> ranges;
    };
    std::vector<GridRange> eighteen(18, GridRange::Cells(1, 3, 10, 3));
    const Case cases[] = {
        {"nothing selected", {}},
        {"one record", {GridRange::Cells(5, 3, 5, 3)}},
        {"channels over different rows", {GridRange::Cells(1, 3, 10, 3), GridRange::Cells(2, 4, 11, 4)}},
        {"channels of different heights", {GridRange::Cells(1, 3, 10, 3), GridRange::Cells(1, 4, 12, 4)}},
        {"more than 17 channels", eighteen},
        {"the date and time only", {GridRange::Cells(1, 1, 10, 2)}},
    };
    for (const Case& test : cases) {
        grid->Grid().Selection().Clear();
        for (const GridRange& range : test.ranges) {
            grid->Grid().Selection().Select(range);
        }
        const std::size_t boxes = broker_.Boxes().size();
        broker_.AnswerMessageBox(IDOK);
        EXPECT_EQ(Graph(grid), nullptr) << test.name;
        ASSERT_EQ(broker_.Boxes().size(), boxes + 1) << test.name;
        EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDP_GRAPH_NOT_MADE) << test.name;
        EXPECT_TRUE(Settle([&] { return GraphViews(*grid) == 0; })) << test.name;
    }
    // Without a grid there is nothing to graph.
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(ShowDataGraph(*graph_template_, nullptr), nullptr);
    EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDP_GRAPH_NOT_MADE);
    // Nothing was saved: the graphs used the default attributes and were not changed.
    EXPECT_FALSE(std::filesystem::exists(AttributesFile()));
}

TEST_F(GraphViewTest, CancelOrCloseDuringTheLoadLeavesEverythingWhole) {
    struct Case {
        const char* name;
        std::function<void(QWidget* progress, CRawDataView* grid)> during;
        bool graphMade;
    };
    const auto graphFrame = [](CRawDataView* grid) -> platform::ChildFrame* {
        for (platform::View* view : grid->GetDocument()->Views()) {
            if (dynamic_cast<CRawDataGraphView*>(view) != nullptr) {
                return view->ParentFrame();
            }
        }
        return nullptr;
    };
    const Case cases[] = {
        {"cancel", [](QWidget* progress, CRawDataView*) { progress->findChild<QPushButton*>()->click(); },
         false},
        {"close the graph", [&](QWidget*, CRawDataView* grid) { graphFrame(grid)->close(); }, false},
        {"close the document", [](QWidget*, CRawDataView* grid) { grid->GetDocument()->OnCloseDocument(); },
         false},
        {"close the grid", [](QWidget*, CRawDataView* grid) { grid->ParentFrame()->close(); }, true},
    };
    for (const Case& test : cases) {
        QPointer<CRawDataView> grid = OpenChannels(2, 200);
        grid->ApplyRangeDialogSelection({3, 4}, true, 1, 200);
        testsupport::OnNextModal([&](QWidget* progress) { test.during(progress, grid); });
        if (!test.graphMade) {
            broker_.AnswerMessageBox(IDOK);
        }
        QPointer<CRawDataGraphView> graph = Graph(grid);
        EXPECT_EQ(graph != nullptr, test.graphMade) << test.name;
        if (test.graphMade) {
            EXPECT_EQ(graph->Control()->Data().PointCount(), 200u);
            EXPECT_TRUE(Settle([&] { return graph->GridView() == nullptr; }));
        } else {
            ASSERT_FALSE(broker_.Boxes().empty());
            EXPECT_EQ(broker_.Boxes().back().ids.promptId, IDP_GRAPH_NOT_MADE) << test.name;
        }
        // Every window of the file goes; the next case opens it again.
        for (platform::DocTemplate* docTemplate : documents_.Templates()) {
            for (platform::Document* document : docTemplate->Documents()) {
                document->OnCloseDocument();
            }
        }
        EXPECT_TRUE(Settle([&] { return grid == nullptr && graph == nullptr; })) << test.name;
    }
}

TEST_F(GraphViewTest, ZoomStatisticsFollowTheTimesInViewAndUndoPutsTheWholeBack) {
    // Five records on the 15th, none on the 16th, five on the 17th; the grid tells of the gap.
    broker_.SetDefaultAnswer(IDOK);
    std::vector<datafiletest::Bytes> records;
    for (int i = 0; i < 10; ++i) {
        const int day = i < 5 ? 15 : 17;
        records.push_back(
            datafiletest::RecordBytes({24, 3, day}, {10, i % 5, 0}, {i < 5 ? float(i + 1) : float(95 + i)}));
    }
    CRawDataView* grid = OpenGrid("gap.kivo", gridtest::ChannelsSetup(1), records);
    grid->ApplyRangeDialogSelection({3}, true, 1, 10);
    CRawDataGraphView* graph = Graph(grid);
    ASSERT_NE(graph, nullptr);
    platform::GraphControl& control = *graph->Control();
    const auto statistics = [&] { return Texts(control.Settings().statistics); };
    const std::vector<std::string> whole{"Statistics", "Average: 52.50", "Minimum: 1.00", "Maximum: 104.00"};
    EXPECT_EQ(statistics(), whole);

    // Undo and a scroll step do nothing before a zoom.
    EXPECT_TRUE(graph->OnCommand(ID_GRAPH_UNDO_ZOOM));
    EXPECT_FALSE(graph->IsZoomed());

    // From noon on the empty 16th: only the records of the 17th are in view.
    control.ZoomTo(platform::CreateSerialDate({3, 16, 124, 12, 0, 0}), control.Data().x.back());
    EXPECT_TRUE(graph->IsZoomed());
    EXPECT_EQ(control.Settings().subtitle, "03/16/24 12:00:00 - 03/17/24 10:04:00");
    EXPECT_EQ(statistics(), (std::vector<std::string>{"Statistics", "Average: 102.00", "Minimum: 100.00",
                                                      "Maximum: 104.00"}));

    EXPECT_TRUE(graph->OnCommand(ID_GRAPH_UNDO_ZOOM));
    EXPECT_FALSE(graph->IsZoomed());
    EXPECT_EQ(statistics(), whole);
    EXPECT_EQ(control.Settings().subtitle, "03/15/24 - 03/17/24");
}

TEST_F(GraphViewTest, TheReadOutShowsThePointUnderTheMouse) {
    attributes_.showDataCursor = 1;
    CRawDataView* grid = OpenChannels(2, 20);
    grid->ApplyRangeDialogSelection({3, 4}, true, 1, 20);
    CRawDataGraphView* graph = Graph(grid);
    ASSERT_NE(graph, nullptr);
    platform::GraphControl& control = *graph->Control();
    const platform::GraphLayout& layout = control.LastLayout();
    const auto moveTo = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(control.mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&control, &move);
    };
    const platform::GraphTable& readout = control.Settings().readout;

    // Point 5 of the second channel: record 5, 11:00, value 104.
    moveTo(QPoint(static_cast<int>(layout.XToPixel(control.Data().x[4])),
                  static_cast<int>(layout.YToPixel(0, 104.0))));
    ASSERT_EQ(readout.rows.size(), 1u);
    EXPECT_EQ(readout.rows[0].text, "Point 5: " + Heading(*grid, 4) + ", 03/15/24 11:00:00, 104.00");
    EXPECT_EQ(readout.rows[0].color, control.Settings().subsets[1].color);
    EXPECT_EQ(readout.background, 0xFFFFFFFFu);

    // Off the points the read-out empties and greys.
    moveTo(QPoint(layout.plot.left + 3, layout.plot.top + 3));
    EXPECT_EQ(readout.rows[0].text, "");
    EXPECT_EQ(readout.background, kGrey);
    moveTo(QPoint(2, 2));
    EXPECT_EQ(readout.rows[0].text, "");

    // An arrow key moves the data cursor on from the point the mouse touched, and the read-out with it.
    const QPoint point5(static_cast<int>(layout.XToPixel(control.Data().x[4])),
                        static_cast<int>(layout.YToPixel(0, 104.0)));
    moveTo(point5);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&control, &right);
    EXPECT_EQ(readout.rows[0].text, "Point 6: " + Heading(*grid, 4) + ", 03/15/24 11:15:00, 105.00");
    EXPECT_EQ(readout.background, 0xFFFFFFFFu);

    // The menu's data-cursor item switches the cursor off, and the attributes keep the choice.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions()[0]->text().toStdString(), "Data cursor");
        menu->actions()[0]->trigger();
        menu->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, point5, control.mapToGlobal(point5));
    QApplication::sendEvent(&control, &menu);
    EXPECT_FALSE(control.Settings().dataCursor);
    EXPECT_FALSE(control.Settings().menuItems[0].checked);
    EXPECT_EQ(attributes_.showDataCursor, 0);
}

TEST_F(GraphViewTest, KeysAndCommandsAndTheAttributesAtClose) {
    CRawDataView* grid = OpenChannels(1, 20);
    grid->ApplyRangeDialogSelection({3}, true, 1, 20);
    QPointer<CRawDataGraphView> graph = Graph(grid);
    ASSERT_NE(graph, nullptr);
    platform::GraphControl& control = *graph->Control();
    const auto press = [&](QWidget& target, int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&target, &event);
        return event.isAccepted();
    };

    // Ctrl+E: the graph settings under the extended title, which goes back afterwards.
    QString title;
    testsupport::OnNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        dialog->close();
    });
    EXPECT_TRUE(press(control, Qt::Key_E, Qt::ControlModifier));
    EXPECT_EQ(title.toStdString(), "site.kivo - Graph Settings");
    EXPECT_EQ(control.Settings().mainTitle, "site.kivo");

    // The graph options' switches reach an open graph.
    attributes_.showDataCursor = 1;
    RebuildDataGraphs(documents_);
    EXPECT_TRUE(control.Settings().dataCursor);
    EXPECT_TRUE(control.Settings().menuItems.at(0).checked);

    // Space: the next grid lines. On default attributes an unchanged graph saves nothing; a changed one
    // is saved at once.
    EXPECT_FALSE(std::filesystem::exists(AttributesFile()));
    EXPECT_TRUE(press(control, Qt::Key_Space, Qt::NoModifier));
    EXPECT_EQ(control.Settings().style.gridAttributes[0], 0);
    EXPECT_TRUE(std::filesystem::exists(AttributesFile()));
    EXPECT_EQ(attributes_.gridAttributes[0], 0);

    // Both keys are taken by a graph view that has no graph.
    CRawDataGraphView bare(attributes_);
    EXPECT_TRUE(press(bare, Qt::Key_Space, Qt::NoModifier));
    EXPECT_TRUE(press(bare, Qt::Key_E, Qt::ControlModifier));
    EXPECT_FALSE(press(bare, Qt::Key_A, Qt::NoModifier));

    // Closing the graph clears the grid's selection.
    graph->ParentFrame()->close();
    EXPECT_TRUE(Settle([&] { return graph == nullptr; }));
    EXPECT_TRUE(grid->Grid().Selection().IsEmpty());
}

TEST_F(GraphViewTest, ClosingAnUnchangedGraphOnDefaultAttributesWritesNothing) {
    CRawDataView* grid = OpenChannels(2, 20);
    grid->ApplyRangeDialogSelection({3, 4}, true, 1, 20);
    QPointer<CRawDataGraphView> graph = Graph(grid);
    ASSERT_NE(graph, nullptr);
    graph->ParentFrame()->close();
    EXPECT_TRUE(Settle([&] { return graph == nullptr; }));
    EXPECT_FALSE(std::filesystem::exists(AttributesFile()));
}

TEST_F(GraphViewTest, PrintsAtTheViewsAspect) {
    CRawDataView* grid = OpenChannels(1, 20);
    grid->ApplyRangeDialogSelection({3}, true, 1, 20);
    CRawDataGraphView* graph = Graph(grid);
    ASSERT_NE(graph, nullptr);
    const struct {
        QSize view;
        QSize print;
    } cases[] = {{{300, 200}, {6000, 5000}}, {{200, 300}, {6000, 9000}}, {{250, 250}, {7500, 7500}}};
    for (const auto& test : cases) {
        graph->resize(test.view);
        EXPECT_EQ(graph->PrintSize(), test.print) << test.view.width() << "x" << test.view.height();
    }
    QPrinter printer(QPrinter::HighResolution);
    const std::filesystem::path pdf = folder_ / "graph.pdf";
    platform::SetPdfOutput(printer, pdf);
    EXPECT_TRUE(graph->PrintGraph(printer));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);

    // File Print: the print dialog, then the page on the view's own printer.
    const std::filesystem::path chosen = folder_ / "chosen.pdf";
    platform::SetPdfOutput(graph->Printer(), chosen);
    broker_.AnswerDialog("Print", QDialog::Accepted);
    EXPECT_TRUE(graph->OnCommand(ID_FILE_PRINT));
    ASSERT_TRUE(std::filesystem::exists(chosen));
    EXPECT_GT(std::filesystem::file_size(chosen), 1000u);
}

TEST_F(GraphViewTest, TheSelectedColumnCommandGraphsOneColumnOnTheFirstAxis) {
    CRawDataView* grid = OpenChannels(3, 20);
    struct Case {
        const char* name;
        GridRange range;
        unsigned refusal;  // 0: a graph
    };
    const Case cases[] = {
        {"nothing", {}, IDP_NO_RECORDS_SELECTED},
        {"one cell", GridRange::Cells(4, 3, 4, 3), IDP_NO_RECORDS_SELECTED},
        {"two columns", GridRange::Cells(1, 3, 9, 4), IDS_ONE_COLUMN_ONLY},
        {"a whole column", GridRange::Columns(4, 4), 0},
    };
    for (const Case& test : cases) {
        grid->Grid().Selection().Clear();
        if (test.range.right > 0) {
            grid->Grid().Selection().Select(test.range);
        }
        grid->SetColumnYAxis(0, 2);
        grid->SetColumnYAxis(1, 2);
        const std::size_t boxes = broker_.Boxes().size();
        if (test.refusal != 0) {
            broker_.AnswerMessageBox(IDOK);
        }
        CRawDataGraphView* graph = GraphSelectedData(*graph_template_, *grid);
        if (test.refusal != 0) {
            EXPECT_EQ(graph, nullptr) << test.name;
            ASSERT_EQ(broker_.Boxes().size(), boxes + 1) << test.name;
            EXPECT_EQ(broker_.Boxes().back().ids.promptId, test.refusal) << test.name;
            continue;
        }
        ASSERT_NE(graph, nullptr) << test.name;
        EXPECT_EQ(graph->Control()->Data().PointCount(), 20u);
        EXPECT_EQ(grid->GetColumnYAxis(0), 0);
        EXPECT_EQ(grid->GetColumnYAxis(1), 0);
    }
}

}  // namespace
