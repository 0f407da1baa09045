// CCsvImport: finding the parts of a CSV file, its time span and its record lines.
#include "shared/datafile/csv_import.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/calendar.h"
#include "shared/common/date_time_text.h"
#include "shared/datafile/csv_cells.h"
#include "shared/datafile/csv_line_reader.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"

namespace {

constexpr std::string_view kHeaderMarker = "#HEADER";
constexpr std::string_view kDataMarker = "#DATA";
constexpr int kFullFormTitleLines = 3;
constexpr int kShortFormTitleLines = 2;
// Records written to the data file at a time.
constexpr std::size_t kWriteBytes = 64 * 1024;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsRecordLine(std::string_view line) {
    return !line.empty() && std::isdigit(static_cast<unsigned char>(line.front())) != 0;
}

// The label line starts with an empty quoted cell or an empty cell.
bool IsLabelLine(std::string_view line) {
    return StartsWith(line, "\"\"") || StartsWith(line, ",");
}

// The cells of a record line.
std::vector<std::string> SplitCells(std::string_view line) {
    std::vector<std::string> cells;
    CsvCursor cursor(line);
    while (!cursor.AtEnd()) {
        cells.push_back(cursor.NextCSVField());
    }
    return cells;
}

}  // namespace

CCsvImport::CCsvImport(CsvLineReader& csv, std::string name, CMessageSink& messages)
    : csv_(csv), name_(std::move(name)), messages_(messages) {}

void CCsvImport::ShowNameMessage(unsigned id) const {
    messages_.ShowMessage(platform::FormatLoadedText(id, {name_}));
}

bool CCsvImport::Rewind() {
    try {
        csv_.Rewind();
    } catch (const CPSTFileException& error) {
        messages_.ReportFileException(error);
        return false;
    }
    return true;
}

bool CCsvImport::ReadLine(std::string& line) {
    try {
        return csv_.ReadLine(line);
    } catch (const CPSTFileException& error) {
        messages_.ReportFileException(error);
        return false;
    }
}

bool CCsvImport::SkipToData(bool keepTitles) {
    if (!Rewind()) {
        return false;
    }
    std::string line;
    if (!ReadLine(line)) {
        ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
        return false;
    }
    short_form_ = !StartsWith(line, kHeaderMarker);
    if (short_form_) {
        csv_.PushBack(std::move(line));
    } else {
        do {
            if (!ReadLine(line)) {
                ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
                return false;
            }
        } while (!StartsWith(line, kDataMarker));
    }
    if (keepTitles) {
        return true;
    }
    for (int i = 0; i < (short_form_ ? kShortFormTitleLines : kFullFormTitleLines); ++i) {
        if (!ReadLine(line)) {
            ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
            return false;
        }
    }
    // A short form may still have a label line (a full export without its header section).
    if (short_form_ && ReadLine(line) && !IsLabelLine(line)) {
        csv_.PushBack(std::move(line));
    }
    return true;
}

bool CCsvImport::ScanRecordCount(long& count) {
    if (!SkipToData(true)) {
        return false;
    }
    count = 0;
    std::string line;
    while (ReadLine(line)) {
        count += IsRecordLine(line) ? 1 : 0;
    }
    return true;
}

bool CCsvImport::ReadRecordLineTime(std::time_t& time, int& year, unsigned missingId) {
    std::string line;
    do {
        if (!ReadLine(line)) {
            ShowNameMessage(missingId);
            return false;
        }
    } while (!IsRecordLine(line));
    if (ParseCSVDateTime(line.c_str(), time, year) == nullptr) {
        ShowNameMessage(IDS_CSV_NO_TIME);
        return false;
    }
    return true;
}

bool CCsvImport::ScanIntervalSeconds(long& seconds) {
    std::time_t first = 0;
    std::time_t second = 0;
    int year = 0;
    if (!SkipToData(false) || !ReadRecordLineTime(first, year, IDS_CSV_NO_RECORDS) ||
        !ReadRecordLineTime(second, year, IDS_CSV_TOO_FEW_LINES)) {
        return false;
    }
    seconds = static_cast<long>(second - first);
    return true;
}

bool CCsvImport::ScanTitleCellCount(int& count) {
    std::string line;
    if (!SkipToData(true)) {
        return false;
    }
    if (!ReadLine(line)) {
        ShowNameMessage(IDS_CSV_NO_RECORDS);
        return false;
    }
    count = static_cast<int>(SplitCells(line).size());
    return true;
}

bool CCsvImport::GetCSVTimeSpan(std::time_t& first, int& firstYear, std::time_t& last, int& lastYear) {
    if (!SkipToData(false)) {
        return false;
    }
    std::string line;
    std::string lastLine;
    while (ReadLine(line)) {
        if (IsRecordLine(line)) {
            if (lastLine.empty() && ParseCSVDateTime(line.c_str(), first, firstYear) == nullptr) {
                ShowNameMessage(IDS_CSV_NO_RECORDS);
                return false;
            }
            lastLine = std::move(line);
        }
    }
    if (lastLine.empty()) {
        ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
        return false;
    }
    if (ParseCSVDateTime(lastLine.c_str(), last, lastYear) == nullptr) {
        ShowNameMessage(IDS_CSV_NO_RECORDS);
        return false;
    }
    return true;
}

const char* CCsvImport::ParseCSVDateTime(const char* line, std::time_t& time, int& year) {
    const char* date = std::strchr(line, ',');
    if (date == nullptr) {
        return nullptr;
    }
    int shortYear = 0;
    int month = 0;
    int day = 0;
    const char* end = ParseDate(date + 1, shortYear, month, day, true, false, true);
    if (end == nullptr || *end != ',') {
        return nullptr;
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    end = ParseTime(end + 1, hour, minute, second);
    if (end == nullptr) {
        return nullptr;
    }
    const std::uint8_t packed[] = {static_cast<std::uint8_t>(shortYear), static_cast<std::uint8_t>(month),
                                   static_cast<std::uint8_t>(day),       static_cast<std::uint8_t>(hour),
                                   static_cast<std::uint8_t>(minute),    static_cast<std::uint8_t>(second)};
    const std::optional<std::time_t> local = PackedDateTimeToTime(packed);
    if (!local) {
        return nullptr;
    }
    time = *local;
    year = ExpandTwoDigitYear(shortYear);
    return end;
}

bool CCsvImport::ImportCSVRecords(CRawData& target) {
    long count = static_cast<long>(target.GetDataInfo()->GetRecordCount());
    int cells = 0;
    if (!ScanTitleCellCount(cells) || !target.BuildFieldList() || !SkipToData(false)) {
        return false;
    }
    const auto size = static_cast<std::size_t>(target.GetRecordSize());
    const std::size_t recordsPerWrite = std::max<std::size_t>(1, kWriteBytes / size);
    std::vector<std::uint8_t> block;
    block.reserve(recordsPerWrite * size);
    std::string line;
    while (count > 0) {
        if (!ReadLine(line)) {
            ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
            return false;
        }
        if (!IsRecordLine(line)) {
            continue;  // blank or stray lines between the records are no records
        }
        block.resize(block.size() + size);
        if (!LineToRecord(std::span<std::uint8_t>(block).last(size), line, target.GetFields())) {
            ShowNameMessage(IDS_CSV_NO_TIME);
            return false;
        }
        --count;
        if (block.size() >= recordsPerWrite * size || count == 0) {
            if (!target.WriteRecords(block)) {
                messages_.ShowMessage(LoadText(IDS_CSV_RECORD_WRITE_FAILED));
                return false;
            }
            block.clear();
        }
    }
    return true;
}

bool CCsvImport::LineToRecord(std::span<std::uint8_t> record, std::string_view line,
                              const std::vector<CRawDataField>& fields) {
    const std::vector<std::string> cells = SplitCells(line);
    std::fill(record.begin(), record.end(), std::uint8_t{0});
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const CRawDataField& field = fields[index];
        if (!FieldFitsRecord(field, record.size())) {
            return false;
        }
        const std::string cell = index + 1 < cells.size() ? cells[index + 1] : std::string();
        switch (field.storageKind) {
            case CRawDataField::kStorageDate: {
                int year = 0;
                int month = 0;
                int day = 0;
                if (ParseDate(cell.c_str(), year, month, day, true, false, true) == nullptr) {
                    return false;
                }
                WriteRecordDate(record, field.offset, {year == 100 ? 0 : year, month, day});
                break;
            }
            case CRawDataField::kStorageTime: {
                int hour = 0;
                int minute = 0;
                int second = 0;
                if (ParseTime(cell.c_str(), hour, minute, second) != nullptr) {
                    WriteRecordTimeOfDay(record, field.offset, {hour, minute, second});
                } else if (index == 1) {
                    return false;  // the record's own time
                }
                break;
            }
            default: {
                double value = 0.0;
                if (ParseDouble(cell, value)) {
                    WriteRecordFloat(record, field.offset, static_cast<float>(value));
                } else {
                    WriteRecordMissing(record, field.offset);
                }
            }
        }
    }
    return true;
}
