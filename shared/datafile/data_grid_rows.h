// CDataGridRows: the rows of a data file's grid as the range save reads them back, by the texts of
// their cells.
#pragma once

#include <string>

class CDataGridRows {
public:
    virtual ~CDataGridRows() = default;

    virtual int GetRowCount() const = 0;
    // The text of row `row` (from 1) in grid column `column`: 1 the date, 2 the time, k >= 3 field k - 1
    // of the data record.
    virtual std::string GetCellText(int row, int column) const = 0;
};
