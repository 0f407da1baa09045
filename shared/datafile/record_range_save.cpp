// The range saves of a data file: copied records, or grid rows with the missing intervals filled.
#include "shared/datafile/record_range_save.h"

#include <climits>
#include <optional>
#include <vector>

#include "platform/base/local_time.h"
#include "platform/base/number_text.h"
#include "shared/common/calendar.h"
#include "shared/common/date_time_text.h"
#include "shared/datafile/data_grid_rows.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

namespace {

using Record = std::vector<std::uint8_t>;

// Records go to the file in blocks of about this size.
constexpr std::size_t kBlockBytes = 64 * 1024;
constexpr int kDateColumn = 1;
constexpr int kTimeColumn = 2;
constexpr int kFirstValueField = 2;

// A new data file with copies of the source's information record and setup table (the range save sets
// its own record count in the copy).
bool CreateTarget(CRawData& source, CRawData& target, const std::filesystem::path& path) {
    target.SetMessageSink(source.GetMessageSink());
    if (!target.Initialize()) {
        return false;
    }
    *target.GetDataInfo() = *source.GetDataInfo();
    *target.GetSetupTable() = *source.GetSetupTable();
    return target.CreateDataFile(path, CFileHeader::kKindDataFile);
}

// Collects whole records and writes them a block at a time.
class BlockWriter {
public:
    explicit BlockWriter(CRawData& target) : target_(target) {}

    bool Add(const Record& record) {
        block_.insert(block_.end(), record.begin(), record.end());
        return block_.size() < kBlockBytes || Flush();
    }
    bool Flush() {
        const bool ok = block_.empty() || target_.WriteRecords(block_);
        block_.clear();
        return ok;
    }

private:
    CRawData& target_;
    std::vector<std::uint8_t> block_;
};

// A grid row's date and time as its cells give them, and the local time they make.
struct RowTime {
    RecordDate date;
    RecordTimeOfDay timeOfDay;
    std::time_t time = 0;
};

// nullopt when the date or the time cell does not read as one.
std::optional<RowTime> ReadRowTime(const CDataGridRows& rows, int row) {
    const std::string date = rows.GetCellText(row, kDateColumn);
    const std::string time = rows.GetCellText(row, kTimeColumn);
    RowTime result;
    int year = 0;
    if (ParseDate(date.c_str(), year, result.date.month, result.date.day, false, false, false) == nullptr ||
        ParseTime(time.c_str(), result.timeOfDay.hour, result.timeOfDay.minute, result.timeOfDay.second) ==
            nullptr) {
        return std::nullopt;
    }
    const std::optional<std::time_t> local =
        LocalTimeFromFields(year, result.date.month, result.date.day, result.timeOfDay.hour,
                            result.timeOfDay.minute, result.timeOfDay.second);
    if (!local) {
        return std::nullopt;
    }
    result.date.year = RecordYearByte(year);
    result.time = *local;
    return result;
}

void WriteEmptyValue(Record& record, const CRawDataField& field, bool zeroForEmpty) {
    if (field.storageKind != CRawDataField::kStorageFloat) {
        WriteRecordTimeOfDay(record, field.offset, {});
    } else if (zeroForEmpty) {
        WriteRecordFloat(record, field.offset, 0.0f);
    } else {
        WriteRecordMissing(record, field.offset);
    }
}

// The record of grid row `row`: its time, and each value cell read back as its field stores it.
Record RowRecord(const CRawData& source, const CDataGridRows& rows, int row, const RowTime& time,
                 bool zeroForEmpty) {
    Record record(static_cast<std::size_t>(source.GetRecordSize()), 0);
    WriteRecordDate(record, CRawData::kDateOffset, time.date);
    WriteRecordTimeOfDay(record, CRawData::kTimeOffset, time.timeOfDay);
    const auto& fields = source.GetFields();
    for (std::size_t index = kFirstValueField; index < fields.size(); ++index) {
        const CRawDataField& field = fields[index];
        const std::string text = rows.GetCellText(row, static_cast<int>(index) + 1);
        double value = 0.0;
        RecordTimeOfDay timeOfDay;
        if (field.storageKind == CRawDataField::kStorageFloat && ParseDouble(text, value)) {
            WriteRecordFloat(record, field.offset, static_cast<float>(value));
        } else if (field.storageKind == CRawDataField::kStorageTime &&
                   ParseTime(text.c_str(), timeOfDay.hour, timeOfDay.minute, timeOfDay.second) != nullptr) {
            WriteRecordTimeOfDay(record, field.offset, timeOfDay);
        } else {
            WriteEmptyValue(record, field, zeroForEmpty);
        }
    }
    return record;
}

// An inserted record at `time`, every value empty.
std::optional<Record> EmptyRecord(const CRawData& source, std::time_t time, bool zeroForEmpty) {
    const std::optional<std::tm> local = platform::ToLocalTime(time);
    if (!local) {
        return std::nullopt;
    }
    Record record(static_cast<std::size_t>(source.GetRecordSize()), 0);
    WriteRecordDate(record, CRawData::kDateOffset,
                    {RecordYearByte(local->tm_year + 1900), local->tm_mon + 1, local->tm_mday});
    WriteRecordTimeOfDay(record, CRawData::kTimeOffset, {local->tm_hour, local->tm_min, local->tm_sec});
    const auto& fields = source.GetFields();
    for (std::size_t index = kFirstValueField; index < fields.size(); ++index) {
        WriteEmptyValue(record, fields[index], zeroForEmpty);
    }
    return record;
}

// Fills the intervals missing between `previous` and `next`; false when cancelled or a write failed.
bool FillGap(const CRawData& source, BlockWriter& writer, std::time_t previous, std::time_t next,
             long interval, int row, bool zeroForEmpty, const GapQuestion& question,
             RangeSaveCounts& counts) {
    const long missing = static_cast<long>((next - previous) / interval) - 1;
    if (missing <= 0) {
        return true;
    }
    const GapAnswer answer = missing > kGapQuestionRecords ? question(row, missing) : GapAnswer::kFill;
    if (answer == GapAnswer::kSkip) {
        return true;
    }
    const long long total = static_cast<long long>(counts.written) + counts.inserted + missing;
    if (answer == GapAnswer::kCancel || total > INT_MAX) {
        return false;
    }
    for (long step = 1; step <= missing; ++step) {
        const std::optional<Record> record =
            EmptyRecord(source, previous + static_cast<std::time_t>(step) * interval, zeroForEmpty);
        if (!record || !writer.Add(*record)) {
            return false;
        }
        ++counts.inserted;
    }
    return true;
}

}  // namespace

bool SaveRecordRangeFile(CRawData& source, const std::filesystem::path& target, int first, int last,
                         RangeSaveCounts& counts) {
    counts = {};
    if (last == -1) {
        last = source.GetRecordCount();
    }
    if (first < 1 || last < first || last > source.GetRecordCount()) {
        return false;
    }
    CRawData file;
    if (!CreateTarget(source, file, target)) {
        return false;
    }
    if (!file.CopyRecords(source, first, last) || !file.CloseDataFile()) {
        file.Abort();
        return false;
    }
    counts.written = last - first + 1;
    return true;
}

bool SaveGridRowsFile(CRawData& source, const CDataGridRows& rows, const std::filesystem::path& target,
                      int first, int last, bool zeroForEmpty, const GapQuestion& question,
                      RangeSaveCounts& counts) {
    counts = {};
    if (last == -1) {
        last = rows.GetRowCount();
    }
    if (first < 1 || last > rows.GetRowCount() || source.GetFieldCount() < kFirstValueField) {
        return false;
    }
    CRawData file;
    if (!CreateTarget(source, file, target)) {
        return false;
    }
    BlockWriter writer(file);
    const long interval = source.GetSetupTable()->GetIntervalSeconds();
    std::optional<std::time_t> previous;
    for (int row = first; row <= last; ++row) {
        const std::optional<RowTime> time = ReadRowTime(rows, row);
        if (!time) {
            continue;
        }
        if (previous && interval > 0 &&
            !FillGap(source, writer, *previous, time->time, interval, row, zeroForEmpty, question, counts)) {
            file.Abort();
            return false;
        }
        if (!writer.Add(RowRecord(source, rows, row, *time, zeroForEmpty))) {
            file.Abort();
            return false;
        }
        ++counts.written;
        previous = time->time;
    }
    if (counts.written == 0) {
        file.Abort();
        return true;
    }
    if (!writer.Flush() ||
        !file.FinishRecords(source, counts.written + counts.inserted, source.GetRecordSize()) ||
        !file.CloseDataFile()) {
        file.Abort();
        return false;
    }
    return true;
}
