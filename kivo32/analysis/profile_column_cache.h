// CProfileColumnCache: one channel's values and every record's time stamp, read from a data file in one
// pass so that the load profiles of that channel, whatever their period, days or records, need no
// further read. The data-file document keeps one and shares it among its load-profile windows.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/timestamp_tou.h"

class CRawData;

class CProfileColumnCache {
public:
    enum class FillResult { Done, Stopped, BadDate, ReadFailed, NoValueColumn, NoMemory };
    struct FillOutcome {
        FillResult result = FillResult::Done;
        // The grid row (from 1) whose record stopped the pass.
        long row = 0;
    };

    // Reads grid column `column` (a value column: field column - 1) and the date and time of every
    // record of `data`, an open file with record access. Twelve bytes a record; a missing value is kept
    // as not a number. Anything but Done leaves the cache empty with no column.
    FillOutcome Fill(CRawData& data, int column, GridWalkProgress& progress);
    void Clear();

    // The grid column held; 0 for none.
    int GetColumn() const { return column_; }
    std::size_t GetRowCount() const { return values_.size(); }
    // Element r - 1 belongs to grid row r.
    std::span<const float> GetValues() const { return values_; }
    const CTimestampTOUArray& GetTimes() const { return times_; }
    std::size_t BytesPerRecord() const { return sizeof(float) + sizeof(CTimestampTOU); }

private:
    int column_ = 0;
    std::vector<float> values_;
    CTimestampTOUArray times_;
};
