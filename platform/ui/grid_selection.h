// GridSelection: the cells a grid has selected, kept as a list of ranges, never as a list of cells.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/ui/grid_range.h"

namespace platform {

// A plain class: the grid widget paints from it and feeds it the mouse, and tests drive it without a
// screen. Every answer is made from the ranges, so a selection over millions of rows costs no more
// than one over ten.
class GridSelection {
public:
    // The grid's size; whole-column ranges and whole rows follow it.
    void SetSize(int rowCount, int columnCount);
    int RowCount() const { return row_count_; }
    int ColumnCount() const { return column_count_; }

    const std::vector<GridRange>& Ranges() const { return ranges_; }
    bool IsEmpty() const { return ranges_.empty(); }

    void Select(const GridRange& range);
    // Takes the range's cells out of every range, splitting those it cuts.
    void Deselect(const GridRange& range);
    void Clear() { ranges_.clear(); }
    // Replaces the last range (the one the mouse is drawing).
    void ReplaceLast(const GridRange& range);

    bool IsSelected(int row, int column) const;
    // The columns selected over every row, ascending.
    std::vector<int> WholeColumns() const;
    // The first and the last row that any range touches.
    std::optional<std::pair<int, int>> RowSpan() const;

private:
    int row_count_ = 0;
    int column_count_ = 0;
    std::vector<GridRange> ranges_;
};

}  // namespace platform
