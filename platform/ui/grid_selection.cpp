// GridSelection: the cells a grid has selected, kept as a list of ranges.
#include "platform/ui/grid_selection.h"

#include <algorithm>

namespace platform {

void GridSelection::SetSize(int rowCount, int columnCount) {
    row_count_ = rowCount;
    column_count_ = columnCount;
}

void GridSelection::Select(const GridRange& range) {
    ranges_.push_back(range);
}

void GridSelection::ReplaceLast(const GridRange& range) {
    if (ranges_.empty()) {
        ranges_.push_back(range);
    } else {
        ranges_.back() = range;
    }
}

void GridSelection::Deselect(const GridRange& range) {
    std::vector<GridRange> kept;
    for (const GridRange& held : ranges_) {
        const std::optional<GridRange> cut = held.Intersect(range, row_count_);
        if (!cut) {
            kept.push_back(held);
            continue;
        }
        // What is left of `held` around the cut: whole-column ranges keep that form while the cut
        // leaves them every row.
        const int firstRow = held.FirstRow();
        const int lastRow = held.LastRow(row_count_);
        const bool allRowsLeft = cut->top == firstRow && cut->bottom == lastRow;
        auto keepColumns = [&](int left, int right) {
            if (left > right) {
                return;
            }
            kept.push_back(held.wholeColumns ? GridRange::Columns(left, right)
                                             : GridRange::Cells(firstRow, left, lastRow, right));
        };
        keepColumns(held.left, cut->left - 1);
        keepColumns(cut->right + 1, held.right);
        if (!allRowsLeft) {
            if (cut->top > firstRow) {
                kept.push_back(GridRange::Cells(firstRow, cut->left, cut->top - 1, cut->right));
            }
            if (cut->bottom < lastRow) {
                kept.push_back(GridRange::Cells(cut->bottom + 1, cut->left, lastRow, cut->right));
            }
        }
    }
    ranges_ = std::move(kept);
}

bool GridSelection::IsSelected(int row, int column) const {
    return std::any_of(ranges_.begin(), ranges_.end(),
                       [&](const GridRange& range) { return range.Contains(row, column); });
}

std::vector<int> GridSelection::WholeColumns() const {
    std::vector<int> columns;
    for (int column = 1; column <= column_count_; ++column) {
        // The rows of the column that some range covers, merged from the top down.
        std::vector<std::pair<int, int>> spans;
        for (const GridRange& range : ranges_) {
            if (column >= range.left && column <= range.right) {
                spans.emplace_back(range.FirstRow(), range.LastRow(row_count_));
            }
        }
        std::sort(spans.begin(), spans.end());
        int coveredTo = 0;
        for (const auto& [first, last] : spans) {
            if (first > coveredTo + 1) {
                break;
            }
            coveredTo = std::max(coveredTo, last);
        }
        if (!spans.empty() && coveredTo >= row_count_) {
            columns.push_back(column);
        }
    }
    return columns;
}

std::optional<std::pair<int, int>> GridSelection::RowSpan() const {
    if (ranges_.empty()) {
        return std::nullopt;
    }
    std::pair<int, int> span{ranges_.front().FirstRow(), ranges_.front().LastRow(row_count_)};
    for (const GridRange& range : ranges_) {
        span.first = std::min(span.first, range.FirstRow());
        span.second = std::max(span.second, range.LastRow(row_count_));
    }
    return span;
}

}  // namespace platform
