// CRawDataGrid: the cells of a data file's grid read from its model on demand.
#include "kivo32/analysis/raw_data_grid.h"

#include "shared/common/calendar.h"
#include "shared/datafile/record_bytes.h"

int CRawDataGrid::GetRowCount() const {
    return data_.IsOpen() ? data_.GetRecordCount() : 0;
}

int CRawDataGrid::GetColCount() const {
    return data_.IsOpen() ? data_.GetFieldCount() : 0;
}

const CRawDataField* CRawDataGrid::GetColumnField(int column) const {
    return data_.GetField(static_cast<int>(GetColumnFieldIndex(column)));
}

long CRawDataGrid::GetColumnFieldIndex(int column) const {
    return column >= 1 && column <= GetColCount() ? column - 1 : -1;
}

bool CRawDataGrid::IsValueColumn(int column) const {
    const CRawDataField* field = GetColumnField(column);
    return field != nullptr && field->valueColumn;
}

std::string CRawDataGrid::GetCellText(int row, int column) const {
    std::string text;
    return ReadCellText(row, column, text) ? text : std::string();
}

bool CRawDataGrid::ReadCellText(int row, int column, std::string& text) const {
    if (row == 0) {
        const CRawDataField* field = GetColumnField(column);
        text = field != nullptr ? field->name : std::string();
        return field != nullptr;
    }
    if (row < 1 || row > GetRowCount()) {
        return false;
    }
    if (column == 0) {
        text = std::to_string(row);
        return true;
    }
    const long field = GetColumnFieldIndex(column);
    return field >= 0 && data_.ReadRecord(row - 1) && data_.GetFieldText(static_cast<int>(field), text);
}

std::optional<double> CRawDataGrid::GetRowTime(int row) const {
    const CRawDataField* date = data_.GetField(0);
    const CRawDataField* time = data_.GetField(1);
    if (row < 1 || row > GetRowCount() || date == nullptr || time == nullptr ||
        date->storageKind != CRawDataField::kStorageDate ||
        time->storageKind != CRawDataField::kStorageTime || !data_.ReadRecord(row - 1)) {
        return std::nullopt;
    }
    const auto record = data_.GetRecordBuffer();
    if (!FieldFitsRecord(*date, record.size()) || !FieldFitsRecord(*time, record.size())) {
        return std::nullopt;
    }
    const RecordDate day = ReadRecordDate(record, date->offset);
    const RecordTimeOfDay clock = ReadRecordTimeOfDay(record, time->offset);
    return OleDateFromFields(RecordCalendarYear(day.year), day.month, day.day, clock.hour, clock.minute,
                             clock.second);
}

int CRawDataGrid::GetColumnHeading(int column, std::string& cell, std::string& title,
                                   std::string& unit) const {
    std::string header = GetCellText(0, column);
    header = header.substr(0, header.find('\r'));
    if (header.size() >= 3 && header.compare(header.size() - 3, 3, " PF") == 0) {
        header.replace(header.size() - 3, 3, " dPF");
    }
    return SplitHeading(header, cell, title, unit);
}

int CRawDataGrid::SplitHeading(const std::string& header, std::string& cell, std::string& title,
                               std::string& unit) {
    cell = header.substr(0, header.find('\r'));
    const std::size_t lineFeed = cell.find('\n');
    if (lineFeed == std::string::npos) {
        title.clear();
        unit = cell;
        return -1;
    }
    title = cell.substr(0, lineFeed);
    unit = cell.substr(lineFeed + 1);
    return static_cast<int>(lineFeed);
}
