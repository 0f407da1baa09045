// GridRange: a block of grid cells, or of whole columns, with the arithmetic the selection needs.
#pragma once

#include <algorithm>
#include <optional>

namespace platform {

// Rows and columns count from 1 as the grid shows them (row 0 holds the column headers, column 0 the
// row headers). A range of whole columns covers every row, however many the grid has now or later.
struct GridRange {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    bool wholeColumns = false;

    static GridRange Cells(int top, int left, int bottom, int right) {
        return {std::min(top, bottom), std::min(left, right), std::max(top, bottom), std::max(left, right),
                false};
    }
    static GridRange Columns(int left, int right) {
        return {0, std::min(left, right), 0, std::max(left, right), true};
    }

    // The rows the range covers in a grid of `rowCount` rows.
    int FirstRow() const { return wholeColumns ? 1 : top; }
    int LastRow(int rowCount) const { return wholeColumns ? rowCount : bottom; }

    bool Contains(int row, int column) const {
        return column >= left && column <= right && (wholeColumns ? row >= 1 : row >= top && row <= bottom);
    }
    // The cells that both hold, as cells of a grid of `rowCount` rows; nullopt when they do not meet.
    std::optional<GridRange> Intersect(const GridRange& other, int rowCount) const {
        const int firstRow = std::max(FirstRow(), other.FirstRow());
        const int lastRow = std::min(LastRow(rowCount), other.LastRow(rowCount));
        const int firstColumn = std::max(left, other.left);
        const int lastColumn = std::min(right, other.right);
        if (firstRow > lastRow || firstColumn > lastColumn) {
            return std::nullopt;
        }
        return Cells(firstRow, firstColumn, lastRow, lastColumn);
    }

    bool operator==(const GridRange&) const = default;
};

}  // namespace platform
