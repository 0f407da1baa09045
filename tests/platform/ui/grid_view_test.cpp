// The virtual grid widget offscreen: cells asked of the source only when shown, grey cells, header
// texts, frozen columns, and the mouse shaping the selection through the owner's answers.
#include "platform/ui/grid_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::GridCell;
using platform::GridRange;

// Rows of "r.c" cells; column 1 is grey and refuses to start a selection; cell (2, 3) is a button.
class CountingSource : public platform::GridCellSource, public platform::GridEvents {
public:
    int rows = 1'000'000;
    mutable long cellsAsked = 0;
    std::vector<std::string> events;

    int GetRowCount() const override { return rows; }
    int GetColCount() const override { return 4; }
    bool GetCell(int row, int column, GridCell& cell) const override {
        ++cellsAsked;
        cell.text = row == 0 ? "Title " + std::to_string(column) + "\nkW" : std::to_string(row) + "." +
                                                                             std::to_string(column);
        cell.grey = column == 1;
        cell.button = row == 2 && column == 3;
        return true;
    }

    bool OnStartSelection(int row, int column, unsigned flags) override {
        events.push_back("start " + Cell(row, column) + Flags(flags));
        return column != 1;
    }
    bool OnLButtonClickedRowCol(int row, int column, unsigned flags) override {
        events.push_back("click " + Cell(row, column) + Flags(flags));
        return true;
    }
    void OnLButtonUp(unsigned flags) override { events.push_back("up" + Flags(flags)); }
    void OnRButtonUp(int row, int column, int, int) override { events.push_back("right " + Cell(row, column)); }
    void OnClickedButtonRowCol(int row, int column) override { events.push_back("button " + Cell(row, column)); }

private:
    static std::string Cell(int row, int column) { return std::to_string(row) + "," + std::to_string(column); }
    static std::string Flags(unsigned flags) {
        return std::string(flags & platform::kGridFlagControl ? " ctrl" : "") +
               (flags & platform::kGridFlagShift ? " shift" : "");
    }
};

class GridViewTest : public testsupport::QtTest {
protected:
    GridViewTest() {
        grid_.resize(600, 400);
        grid_.SetHeaderHeight(40);
        grid_.SetFrozenColumns(2);
        grid_.show();
        QApplication::processEvents();
    }

    void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
              Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, modifiers);
        QApplication::sendEvent(widget, &event);
    }
    void Click(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
        Send(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
        Send(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, modifiers);
    }
    // The middle of the cell's rectangle in the main viewport.
    QPoint CellCentre(int row, int column) {
        return grid_.visualRect(grid_.model()->index(row - 1, column - 1)).center();
    }

    CountingSource source_;
    platform::GridView grid_{source_, source_};
};

TEST_F(GridViewTest, AsksOnlyForTheCellsItShows) {
    EXPECT_EQ(grid_.model()->rowCount(), 1'000'000);
    EXPECT_LT(source_.cellsAsked, 2000);
    grid_.scrollToBottom();
    QApplication::processEvents();
    EXPECT_LT(source_.cellsAsked, 4000);
    const QAbstractItemModel& model = *grid_.model();
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Title 3\nkW");
    EXPECT_EQ(model.headerData(41, Qt::Vertical, Qt::DisplayRole).toString(), "42.0");
    EXPECT_EQ(model.data(model.index(41, 2), Qt::DisplayRole).toString(), "42.3");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QBrush>().color(), QColor(0xC0C0C0));
    EXPECT_FALSE(model.data(model.index(0, 2), Qt::BackgroundRole).isValid());
}

TEST_F(GridViewTest, MouseOnCellsAndHeadersShapesTheSelection) {
    QWidget* cells = grid_.viewport();
    Send(cells, QEvent::MouseButtonPress, CellCentre(3, 3), Qt::LeftButton);
    Send(cells, QEvent::MouseMove, CellCentre(5, 4), Qt::LeftButton);
    Send(cells, QEvent::MouseButtonRelease, CellCentre(5, 4), Qt::LeftButton);
    EXPECT_EQ(grid_.Selection().Ranges(), std::vector{GridRange::Cells(3, 3, 5, 4)});
    EXPECT_EQ(source_.events, (std::vector<std::string>{"start 3,3", "up"}));

    // A header click selects the whole column; Ctrl adds a second one.
    QHeaderView* header = grid_.horizontalHeader();
    const int x3 = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
    const int x4 = header->sectionViewportPosition(3) + header->sectionSize(3) / 2;
    Click(header->viewport(), {x3, 10});
    Click(header->viewport(), {x4, 10}, Qt::ControlModifier);
    EXPECT_EQ(grid_.Selection().WholeColumns(), (std::vector<int>{3, 4}));

    // A refused start leaves the selection, and the click still reaches the owner.
    source_.events.clear();
    Click(cells, CellCentre(2, 1));
    EXPECT_EQ(grid_.Selection().WholeColumns(), (std::vector<int>{3, 4}));
    EXPECT_EQ(source_.events, (std::vector<std::string>{"start 2,1", "click 2,1", "up"}));

    source_.events.clear();
    Click(cells, CellCentre(2, 3));
    Send(cells, QEvent::MouseButtonRelease, CellCentre(4, 4), Qt::RightButton);
    EXPECT_EQ(source_.events,
              (std::vector<std::string>{"start 2,3", "button 2,3", "click 2,3", "up", "right 4,4"}));
    int row = 0;
    int column = 0;
    ASSERT_TRUE(grid_.GetCurrentCell(row, column));
    EXPECT_EQ(std::pair(row, column), std::pair(2, 3));
    // The keyboard moves it as well.
    grid_.setCurrentIndex(grid_.model()->index(6, 1));
    ASSERT_TRUE(grid_.GetCurrentCell(row, column));
    EXPECT_EQ(std::pair(row, column), std::pair(7, 2));
}

TEST_F(GridViewTest, FrozenColumnsTakeClicksAndStayWhenScrolled) {
    ASSERT_NE(grid_.findChild<QTableView*>(), nullptr);
    QTableView* frozen = grid_.findChild<QTableView*>();
    EXPECT_FALSE(frozen->isColumnHidden(1));
    EXPECT_TRUE(frozen->isColumnHidden(2));
    grid_.horizontalScrollBar()->setValue(grid_.horizontalScrollBar()->maximum());
    grid_.verticalScrollBar()->setValue(500);
    QApplication::processEvents();
    // The frozen columns show the rows the grid shows, and hold only those.
    EXPECT_EQ(frozen->model()->data(frozen->model()->index(0, 1), Qt::DisplayRole).toString(), "501.2");
    EXPECT_LT(frozen->model()->rowCount(), 40);
    const QPoint inFrozen = frozen->visualRect(frozen->model()->index(2, 1)).center();
    Click(frozen->viewport(), inFrozen, Qt::ControlModifier);
    EXPECT_EQ(source_.events.front(), "start 503,2 ctrl");
}

TEST_F(GridViewTest, FrozenCellsStandBesideTheCellsOfTheirRowAlsoAtTheEnd) {
    auto* frozen = grid_.findChild<QTableView*>();
    ASSERT_NE(frozen, nullptr);
    // The frozen cell drawn at the height of the grid's cell of `row` (from 1) in column 3.
    const auto frozenBeside = [&](int row) {
        const QRect cell = grid_.visualRect(grid_.model()->index(row - 1, 2));
        const int y = frozen->viewport()->mapFromGlobal(grid_.viewport()->mapToGlobal(cell.center())).y();
        const int x = frozen->visualRect(frozen->model()->index(0, 1)).center().x();
        return frozen->model()->data(frozen->indexAt(QPoint(x, y)), Qt::DisplayRole).toString();
    };
    bool topRowCut = false;
    // Heights that do not hold a whole number of rows leave the top row cut at the end of the table.
    for (const int height : {400, 407, 413, 421}) {
        SCOPED_TRACE(height);
        grid_.resize(600, height);
        grid_.scrollToTop();
        QApplication::processEvents();
        EXPECT_EQ(frozenBeside(1), "1.2");
        grid_.scrollToBottom();
        QApplication::processEvents();
        topRowCut = topRowCut || grid_.rowViewportPosition(grid_.rowAt(0)) < 0;
        for (const int row : {source_.rows, source_.rows - 1, grid_.rowAt(0) + 2}) {
            EXPECT_EQ(frozenBeside(row), QString::number(row) + ".2") << row;
        }
    }
    EXPECT_TRUE(topRowCut);
}

TEST_F(GridViewTest, CopyPutsTheSelectedCellsOnTheClipboardAsTabSeparatedLines) {
    struct Case {
        const char* name;
        std::vector<GridRange> ranges;
        std::string text;
    };
    const Case cases[] = {
        {"nothing selected", {}, ""},
        {"one cell", {GridRange::Cells(5, 2, 5, 2)}, "5.2\n"},
        {"a block", {GridRange::Cells(2, 2, 3, 4)}, "2.2\t2.3\t2.4\n3.2\t3.3\t3.4\n"},
        // Cells between two ranges stay empty, so that the columns keep their places.
        {"two ranges",
         {GridRange::Cells(1, 2, 1, 2), GridRange::Cells(3, 4, 3, 4)},
         "1.2\t\t\n\t\t\n\t\t3.4\n"},
    };
    source_.rows = 6;
    grid_.Reload();
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        grid_.Selection().Clear();
        for (const GridRange& range : test.ranges) {
            grid_.Selection().Select(range);
        }
        EXPECT_EQ(platform::SelectedCellsText(source_, grid_.Selection()), test.text);
    }
    // A whole column runs over every row.
    grid_.Selection().Clear();
    grid_.Selection().Select(GridRange::Columns(3, 3));
    EXPECT_EQ(platform::SelectedCellsText(source_, grid_.Selection()), "1.3\n2.3\n3.3\n4.3\n5.3\n6.3\n");

    QApplication::clipboard()->clear();
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(&grid_, &copy);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "1.3\n2.3\n3.3\n4.3\n5.3\n6.3\n");
}

}  // namespace
