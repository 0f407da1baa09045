// CProfileColumnCache: one channel's values and the records' time stamps, read in one pass.
#include "kivo32/analysis/profile_column_cache.h"

#include <new>

#include "kivo32/analysis/raw_data_grid.h"
#include "shared/datafile/record_bytes.h"

CProfileColumnCache::FillOutcome CProfileColumnCache::Fill(CRawData& data, int column,
                                                           GridWalkProgress& progress) {
    Clear();
    const CRawDataGrid cells(data);
    const CRawDataField* value = cells.GetColumnField(column);
    const CRawDataField* date = data.GetField(0);
    const CRawDataField* time = data.GetField(1);
    const std::size_t recordSize = static_cast<std::size_t>(data.GetRecordSize());
    if (value == nullptr || !value->valueColumn || value->storageKind != CRawDataField::kStorageFloat ||
        date == nullptr || time == nullptr || !FieldFitsRecord(*value, recordSize) ||
        !FieldFitsRecord(*date, recordSize) || !FieldFitsRecord(*time, recordSize)) {
        return {FillResult::NoValueColumn, 0};
    }
    const int rows = cells.GetRowCount();
    try {
        values_.resize(static_cast<std::size_t>(rows));
    } catch (const std::bad_alloc&) {
        Clear();
        return {FillResult::NoMemory, 0};
    }
    if (!times_.SetSize(static_cast<std::size_t>(rows))) {
        Clear();
        return {FillResult::NoMemory, 0};
    }
    for (int index = 0; index < rows; ++index) {
        const long row = index + 1;
        if (!progress.ReportRow(row, 1, rows)) {
            Clear();
            return {FillResult::Stopped, row};
        }
        if (!data.ReadRecord(index)) {
            Clear();
            return {FillResult::ReadFailed, row};
        }
        const auto record = data.GetRecordBuffer();
        const RecordDate day = ReadRecordDate(record, date->offset);
        const RecordTimeOfDay clock = ReadRecordTimeOfDay(record, time->offset);
        CTimestampTOU stamp;
        if (!stamp.SetFromFields(RecordCalendarYear(day.year), day.month, day.day, clock.hour, clock.minute,
                                 clock.second)) {
            Clear();
            return {FillResult::BadDate, row};
        }
        times_.SetAt(static_cast<std::size_t>(index), stamp);
        values_[static_cast<std::size_t>(index)] = ReadRecordFloat(record, value->offset);
    }
    progress.Report(100);
    column_ = column;
    return {};
}

void CProfileColumnCache::Clear() {
    column_ = 0;
    std::vector<float>().swap(values_);
    times_.RemoveAll();
}
