// GridCellSource: what a virtual grid asks its owner for: the counts and each cell it shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// How one cell looks and what it holds. Texts are Windows-1252.
struct GridCell {
    enum class Align { Left, Center, Right };

    std::string text;
    // A grey interior marks cells the user cannot select.
    bool grey = false;
    bool wrap = false;
    // A push-button cell: a click on it reaches the owner as a button click.
    bool button = false;
    Align align = Align::Left;
    // An interior colour of the cell's own (0xRRGGBB), in place of the grid's.
    std::optional<std::uint32_t> interior = std::nullopt;
};

// Rows and columns count from 1; row 0 holds the column headers and column 0 the row headers. The grid
// asks only for the cells it draws, so a source may hold millions of rows it never loads.
class GridCellSource {
public:
    virtual ~GridCellSource() = default;

    virtual int GetRowCount() const = 0;
    virtual int GetColCount() const = 0;
    // Fills `cell`; false leaves the cell empty.
    virtual bool GetCell(int row, int column, GridCell& cell) const = 0;
};

}  // namespace platform
