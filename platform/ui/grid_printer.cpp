// GridPrinter: prints the cells of a GridCellSource page by page on a PagePainter.
#include "platform/ui/grid_printer.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kFontPoints = 9;
// Rows whose cells set the column widths besides the headers.
constexpr int kMeasuredRows = 20;

// The lines of a header cell: split at line feeds, each cut at its carriage return.
std::vector<std::string> HeaderLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        lines.push_back(line.substr(0, line.find('\r')));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

int ToDevice(int units, int dotsPerInch) {
    return static_cast<int>(static_cast<long long>(units) * dotsPerInch / GridPrintProperties::kUnitsPerInch);
}

}  // namespace

GridPrinter::GridPrinter(const GridCellSource& source, const GridPrintProperties& properties)
    : source_(source), properties_(properties) {}

std::string GridPrinter::CellText(int row, int column) const {
    GridCell cell;
    return source_.GetCell(row, column, cell) ? cell.text : std::string();
}

void GridPrinter::Layout(PagePainter& painter) {
    painter.SelectFont({.pointSize = kFontPoints});
    const PageRect page = painter.DrawingRect();
    const int dpi = painter.DotsPerInch();
    area_ = {page.left + ToDevice(properties_.leftMargin, dpi), page.top + ToDevice(properties_.topMargin, dpi),
             page.right - ToDevice(properties_.rightMargin, dpi),
             page.bottom - ToDevice(properties_.bottomMargin, dpi)};
    const int padding = painter.AverageCharWidth();
    line_height_ = painter.TextHeight() + painter.TextHeight() / 4;

    const int columns = source_.GetColCount();
    const int rows = source_.GetRowCount();
    widths_.assign(static_cast<std::size_t>(columns) + 1, 0);
    int headerLines = 1;
    for (int column = 0; column <= columns; ++column) {
        int width = 0;
        if (column > 0) {
            const std::vector<std::string> lines = HeaderLines(CellText(0, column));
            headerLines = std::max(headerLines, static_cast<int>(lines.size()));
            for (const std::string& line : lines) {
                width = std::max(width, painter.TextWidth(line));
            }
        }
        for (int row = 1; row <= std::min(rows, kMeasuredRows); ++row) {
            width = std::max(width, painter.TextWidth(CellText(row, column)));
        }
        if (column == 0) {
            width = std::max(width, painter.TextWidth(std::to_string(rows)));
        }
        widths_[static_cast<std::size_t>(column)] = width + 2 * padding;
    }
    if (!properties_.rowHeaders) {
        widths_[0] = 0;
    }
    header_height_ = properties_.columnHeaders ? headerLines * line_height_ : 0;

    // Columns go on a page while they fit beside the row headers; a column wider than the page goes
    // alone.
    groups_.clear();
    const int room = area_.Width() - widths_[0];
    for (int column = 1; column <= columns;) {
        ColumnGroup group{column, column};
        int used = widths_[static_cast<std::size_t>(column)];
        while (group.last < columns && used + widths_[static_cast<std::size_t>(group.last) + 1] <= room) {
            ++group.last;
            used += widths_[static_cast<std::size_t>(group.last)];
        }
        groups_.push_back(group);
        column = group.last + 1;
    }
    if (groups_.empty()) {
        groups_.push_back({1, 0});
    }
    // One line each for the page's header and footer.
    const int bodyHeight = area_.Height() - 2 * line_height_ - header_height_;
    rows_per_page_ = std::max(1, bodyHeight / line_height_);
    row_pages_ = std::max(1, (rows + rows_per_page_ - 1) / rows_per_page_);
}

int GridPrinter::PageCount() const {
    return row_pages_ * static_cast<int>(groups_.size());
}

void GridPrinter::PageParts(int page, int& rowPage, int& group) const {
    const int index = page - 1;
    const int groups = static_cast<int>(groups_.size());
    if (properties_.pageOrder == 0) {
        rowPage = index % row_pages_;
        group = index / row_pages_;
    } else {
        rowPage = index / groups;
        group = index % groups;
    }
}

void GridPrinter::DrawLineCells(PagePainter& painter, const std::array<std::string, 3>& cells, int y) const {
    painter.TextOut(area_.left, y, cells[0]);
    painter.TextOut(area_.left + (area_.Width() - painter.TextWidth(cells[1])) / 2, y, cells[1]);
    painter.TextOut(area_.right - painter.TextWidth(cells[2]), y, cells[2]);
}

void GridPrinter::PrintPage(PagePainter& painter, int page) const {
    painter.SelectFont({.pointSize = kFontPoints});
    int rowPage = 0;
    int groupIndex = 0;
    PageParts(page, rowPage, groupIndex);
    const ColumnGroup& group = groups_[static_cast<std::size_t>(groupIndex)];
    const int firstRow = rowPage * rows_per_page_ + 1;
    const int lastRow = std::min(source_.GetRowCount(), firstRow + rows_per_page_ - 1);
    const int padding = painter.AverageCharWidth();

    int tableWidth = widths_[0];
    for (int column = group.first; column <= group.last; ++column) {
        tableWidth += widths_[static_cast<std::size_t>(column)];
    }
    const int tableHeight = header_height_ + std::max(0, lastRow - firstRow + 1) * line_height_;
    const int left = properties_.centerHorizontally ? area_.left + (area_.Width() - tableWidth) / 2 : area_.left;
    const int bodyTop = area_.top + line_height_;
    const int bodyHeight = area_.Height() - 2 * line_height_;
    const int top = properties_.centerVertically ? bodyTop + (bodyHeight - tableHeight) / 2 : bodyTop;

    DrawLineCells(painter, properties_.header, area_.top);
    DrawLineCells(painter, properties_.footer, area_.bottom - line_height_);

    // The x of each printed column's left edge, and the right edge last.
    std::vector<std::pair<int, int>> edges;  // column, x
    int x = left;
    if (widths_[0] > 0) {
        edges.emplace_back(0, x);
        x += widths_[0];
    }
    for (int column = group.first; column <= group.last; ++column) {
        edges.emplace_back(column, x);
        x += widths_[static_cast<std::size_t>(column)];
    }
    const int right = x;

    if (properties_.columnHeaders) {
        for (const auto& [column, columnX] : edges) {
            if (column == 0) {
                continue;
            }
            int lineY = top;
            for (const std::string& line : HeaderLines(CellText(0, column))) {
                painter.TextOut(columnX + padding, lineY, line);
                lineY += line_height_;
            }
        }
    }
    int y = top + header_height_;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (const auto& [column, columnX] : edges) {
            const std::string text = CellText(row, column);
            const int width = widths_[static_cast<std::size_t>(column)];
            // Numbers and record numbers stand at the right of their cells.
            painter.TextOut(columnX + width - padding - painter.TextWidth(text), y, text);
        }
        y += line_height_;
        if (properties_.horizontalLines && row < lastRow) {
            painter.Line(left, y, right, y);
        }
    }
    const int bottom = top + tableHeight;
    if (properties_.horizontalLines && properties_.columnHeaders) {
        painter.Line(left, top + header_height_, right, top + header_height_);
    }
    if (properties_.verticalLines) {
        for (std::size_t i = 1; i < edges.size(); ++i) {
            painter.Line(edges[i].second, top, edges[i].second, bottom);
        }
    }
    if (properties_.frame) {
        painter.Line(left, top, right, top);
        painter.Line(right, top, right, bottom);
        painter.Line(right, bottom, left, bottom);
        painter.Line(left, bottom, left, top);
    }
}

}  // namespace platform
