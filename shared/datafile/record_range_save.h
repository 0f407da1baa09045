// The range saves of a data file: a range of its records, or the rows of its grid read back with the
// missing intervals filled, written to a new data file with the source's information record and setup.
#pragma once

#include <filesystem>
#include <functional>

class CDataGridRows;
class CRawData;

struct RangeSaveCounts {
    int written = 0;   // records taken from the source or its grid
    int inserted = 0;  // empty records that fill missing intervals
};

// What to do with a gap of more than kGapQuestionRecords missing intervals.
enum class GapAnswer { kFill, kSkip, kCancel };
inline constexpr long kGapQuestionRecords = 10000;
// Asked with the grid row after the gap (from 1) and the records that the gap misses.
using GapQuestion = std::function<GapAnswer(int row, long missing)>;

// Writes records `first` to `last` (from 1; -1 the last) of `source`, which is open for record access,
// to the new data file `target` (kind 4), then the second copy of the setup. False when the range does
// not lie in the source (the caller's dialog checks it first) or a file operation failed (the user has
// been told); no file is left then.
bool SaveRecordRangeFile(CRawData& source, const std::filesystem::path& target, int first, int last,
                         RangeSaveCounts& counts);

// The same from rows `first` to `last` (from 1; -1 the last) of the source's grid. A row's date (two-digit
// years above 69 are 19xx) and time give its time; a row without them is left out. Between rows further
// apart than the logging interval, empty records step through each missing interval (by the clock, so a
// change to or from daylight saving time is no gap); `question` decides about a gap of more than
// kGapQuestionRecords, and kCancel stops the save. Empty cells are written as missing values, or as 0.0
// with `zeroForEmpty`. False when cancelled or a file operation failed; no file is left then, nor when
// no row was written (counts.written 0).
bool SaveGridRowsFile(CRawData& source, const CDataGridRows& rows, const std::filesystem::path& target,
                      int first, int last, bool zeroForEmpty, const GapQuestion& question,
                      RangeSaveCounts& counts);
