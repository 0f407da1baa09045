// Cells of CSV lines: taking them apart with their quotes, and writing texts as cells.
#pragma once

#include <string>
#include <string_view>

// Walks the cells of one line. A cell that starts with a double quote runs to its closing quote (a
// doubled quote inside stands for one) and anything up to the next comma after it is dropped; any
// other cell runs to the next comma.
class CsvCursor {
public:
    explicit CsvCursor(std::string_view line) : rest_(line) {}

    // True after the last cell was taken.
    bool AtEnd() const { return at_end_; }
    // The next cell without its quotes; empty after the last one.
    std::string NextCSVField();
    // The same without a copy: the text between the quotes of a quoted cell, a doubled quote inside it
    // left doubled. For the cells of record lines, which hold numbers, dates and times.
    std::string_view NextCellView();

private:
    std::string_view rest_;
    bool at_end_ = false;
};

// Appends `text` as a cell: in double quotes when `quoted`, or when it holds a comma or a quote, which
// would otherwise end or open a cell; quotes inside are doubled.
void AppendCsvText(std::string& line, std::string_view text, bool quoted);
// `text` without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);
