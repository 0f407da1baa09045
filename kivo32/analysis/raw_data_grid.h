// CRawDataGrid: the cells of a data file's grid read from its model on demand: headers, record numbers,
// dates, times and values, and each row's time stamp.
#pragma once

#include <optional>
#include <string>

#include "shared/datafile/data_grid_rows.h"
#include "shared/datafile/raw_data.h"

// Two time stamps (OLE dates) this close, half a second, are the same.
inline constexpr double kSameTimeStamp = 0.5 / 86400.0;

// Grid column 0 holds the record number, column c >= 1 shows field c - 1 of the data file (1 the
// date, 2 the time, 3 and up the logged values); row r >= 1 shows record r - 1, row 0 the headers.
// Nothing is copied: every answer reads the model's current record, which its block cache makes cheap
// for neighbouring rows.
class CRawDataGrid : public CDataGridRows {
public:
    explicit CRawDataGrid(CRawData& data) : data_(data) {}

    int GetRowCount() const override;
    int GetColCount() const;
    // The text of any grid cell, as the grid shows it; empty when the record cannot be read.
    std::string GetCellText(int row, int column) const override;
    // The cell's text; false when the record cannot be read or the field cannot be formatted.
    bool ReadCellText(int row, int column, std::string& text) const;

    // The field of grid column `column`, null outside the field list.
    const CRawDataField* GetColumnField(int column) const;
    long GetColumnFieldIndex(int column) const;
    // A column of measured values, which the user may select.
    bool IsValueColumn(int column) const;

    // The record's own date and time as an OLE date (the wall-clock time as logged, whatever the
    // user's date format); nullopt when the row cannot be read or holds no valid time.
    std::optional<double> GetRowTime(int row) const;

    CRawData& Data() const { return data_; }

    // The header of `column` as the reports read it: up to its first carriage return, a " PF" ending read
    // " dPF" (the power factor's displacement), split as SplitHeading splits it.
    int GetColumnHeading(int column, std::string& cell, std::string& title, std::string& unit) const;
    // A header text up to its first carriage return, split at its first line feed into title and unit;
    // the line feed's position, or -1 when there is none (then all of it is the unit).
    static int SplitHeading(const std::string& header, std::string& cell, std::string& title,
                            std::string& unit);

private:
    CRawData& data_;
};
