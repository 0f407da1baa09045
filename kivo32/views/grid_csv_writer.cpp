// WriteGridCsv: grid rows as CSV text, the cells exactly as the grid shows them.
#include "kivo32/views/grid_csv_writer.h"

#include <charconv>

namespace {

constexpr const char* kLineEnd = "\r\n";

}  // namespace

bool WriteGridCsv(const CRawDataGrid& cells, long firstRow, long lastRow, const std::vector<int>& columns,
                  CsvOutput& output, GridWalkProgress& progress) {
    std::string titles = "\"Record\"";
    std::string units = "\"Number\"";
    std::string cell;
    std::string title;
    std::string unit;
    for (const int column : columns) {
        CRawDataGrid::SplitHeading(cells.GetCellText(0, column), cell, title, unit);
        titles += ",\"" + title + "\"";
        units += ",\"" + unit + "\"";
    }
    output.Text() += titles + kLineEnd + units + kLineEnd;
    for (long row = firstRow; row <= lastRow; ++row) {
        if (!progress.ReportRow(row, firstRow, lastRow)) {
            return false;
        }
        std::string& text = output.Text();
        char number[16];
        text.append(number, std::to_chars(number, number + sizeof number, row).ptr);
        for (const int column : columns) {
            text += ',';
            if (cells.ReadCellText(static_cast<int>(row), column, cell)) {
                text += cell;
            }
        }
        text += kLineEnd;
        output.WriteIfFull();
    }
    return true;
}
