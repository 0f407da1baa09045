// GridPrintProperties: how a grid lays itself out on paper: margins, lines, headers, page order, and
// the three cells of the line printed above and below every page.
#pragma once

#include <array>
#include <string>

namespace platform {

struct GridPrintProperties {
    // Margins are kept in thousandths of an inch.
    static constexpr int kUnitsPerInch = 1000;

    int topMargin = 500;
    int leftMargin = 500;
    int bottomMargin = 500;
    int rightMargin = 500;
    bool centerHorizontally = false;
    bool centerVertically = false;
    bool columnHeaders = true;
    bool horizontalLines = true;
    bool rowHeaders = true;
    bool verticalLines = true;
    bool frame = true;
    // 0: the pages of the rows go down first, then across to the next columns; 1: across first.
    int pageOrder = 0;
    // Left, middle and right cell of the page's header and footer lines.
    std::array<std::string, 3> header;
    std::array<std::string, 3> footer;

    bool operator==(const GridPrintProperties&) const = default;
};

}  // namespace platform
