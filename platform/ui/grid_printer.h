// GridPrinter: prints the cells of a GridCellSource on a PagePainter, page by page, with the column
// headers, the row headers, grid lines and a header and footer line on every page.
#pragma once

#include <vector>

#include "platform/ui/grid_cell_source.h"
#include "platform/ui/grid_print_properties.h"
#include "platform/ui/page_painter.h"

namespace platform {

// The page count comes from the row count: nothing walks the rows to lay the pages out, and a page
// reads only its own rows. Column widths come from the headers and the first rows.
class GridPrinter {
public:
    GridPrinter(const GridCellSource& source, const GridPrintProperties& properties);

    // Measures the columns and the pages on `painter`'s page; call before PageCount and PrintPage.
    void Layout(PagePainter& painter);
    int PageCount() const;
    // Draws page `page` (from 1) between the painter's StartPage and EndPage.
    void PrintPage(PagePainter& painter, int page) const;

private:
    struct ColumnGroup {
        int first;
        int last;
    };

    // The rows of `rowPage` and the columns of `group` for page `page`.
    void PageParts(int page, int& rowPage, int& group) const;
    void DrawLineCells(PagePainter& painter, const std::array<std::string, 3>& cells, int y) const;
    std::string CellText(int row, int column) const;

    const GridCellSource& source_;
    GridPrintProperties properties_;
    PageRect area_{};
    std::vector<int> widths_;  // by grid column, 0 the row headers
    std::vector<ColumnGroup> groups_;
    int line_height_ = 0;
    int header_height_ = 0;
    int rows_per_page_ = 1;
    int row_pages_ = 1;
};

}  // namespace platform
