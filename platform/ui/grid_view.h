// GridView: the virtual grid widget: a table over a GridCellSource with a header row, a row-header
// column, frozen columns, a selection of ranges shaped by the mouse, and Copy of the selected cells.
#pragma once

#include <QTableView>
#include <memory>
#include <string>

#include "platform/ui/grid_cell_source.h"
#include "platform/ui/grid_selection.h"

namespace platform {

class GridTableModel;
class GridWindowModel;

// Key flags that reach the owner with a click, as the mouse messages carry them.
inline constexpr unsigned kGridFlagShift = 4;
inline constexpr unsigned kGridFlagControl = 8;

// What the grid tells its owner. Rows and columns as GridCellSource counts them.
class GridEvents {
public:
    virtual ~GridEvents() = default;

    // Whether a selection may start at the cell (row 0: a column header, column 0: a row header).
    virtual bool OnStartSelection(int row, int column, unsigned flags) = 0;
    // A click that began and ended on the same cell, after the grid's own handling of the press. The
    // result is the owner's to give; the grid does nothing more with it.
    virtual bool OnLButtonClickedRowCol(int row, int column, unsigned flags) = 0;
    // The left button went up, after the grid has shaped its selection.
    virtual void OnLButtonUp(unsigned flags) = 0;
    // The right button went up on the cell, at `globalX`, `globalY` of the screen.
    virtual void OnRButtonUp(int row, int column, int globalX, int globalY) = 0;
    // A push-button cell was clicked.
    virtual void OnClickedButtonRowCol(int row, int column) = 0;
};

// The selected cells as tab-separated lines (Windows-1252), over the rows and columns that hold them;
// a cell between the ranges that is not selected is left empty. Empty without a selection.
std::string SelectedCellsText(const GridCellSource& source, const GridSelection& selection);

class GridView : public QTableView {
    Q_OBJECT

public:
    GridView(const GridCellSource& source, GridEvents& events, QWidget* parent = nullptr);
    ~GridView() override;

    GridSelection& Selection() { return selection_; }
    const GridSelection& Selection() const { return selection_; }
    // The counts or cells of the source changed.
    void Reload();
    // Repaints after the selection was changed from outside the mouse.
    void SelectionChanged();
    // The first `count` data columns stay in place while the others scroll sideways.
    void SetFrozenColumns(int count);
    int FrozenColumns() const { return frozen_count_; }
    // Rows are all one fixed height, from the font; the header row has its own.
    void SetHeaderHeight(int height);
    // Width of grid column `column` (0: the row headers).
    void SetColumnWidth(int column, int width);

    // The cell the keyboard and the last click are on; false when there is none.
    bool GetCurrentCell(int& row, int& column) const;
    // The grid cell under a point of the viewport, or of a header; (-1, -1) outside every cell.
    std::pair<int, int> CellAt(const QWidget* widget, const QPoint& position) const;

    // The mouse, as the widget's events deliver it; tests drive these directly as well.
    void MouseDown(int row, int column, unsigned flags);
    void MouseMove(int row, int column);
    void MouseUp(int row, int column, unsigned flags);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Copy (Ctrl+C) puts the selected cells on the clipboard.
    void keyPressEvent(QKeyEvent* event) override;
    // The keyboard moves the current cell too.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceFrozenView();
    // The frozen columns show the rows the main view shows.
    void FollowScrolledRows();
    // The range from the anchor to (row, column) in the kind the press chose.
    GridRange DragRange(int row, int column) const;

    const GridCellSource& source_;
    GridEvents& events_;
    GridSelection selection_;
    std::unique_ptr<GridTableModel> model_;
    QTableView* frozen_ = nullptr;
    std::unique_ptr<GridWindowModel> frozen_rows_;
    int frozen_count_ = 0;

    enum class DragKind { None, Cells, Columns, Rows };
    DragKind drag_ = DragKind::None;
    int anchor_row_ = 0;
    int anchor_column_ = 0;
    int press_row_ = -1;
    int press_column_ = -1;
    int current_row_ = 0;
    int current_column_ = 0;
};

}  // namespace platform
