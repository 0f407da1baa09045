// CCsvImport: finding the parts of a CSV file, its time span and its record lines.
#include "shared/datafile/csv_import.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "shared/common/app_context.h"
#include "shared/common/calendar.h"
#include "shared/common/date_time_text.h"
#include "shared/datafile/csv_cells.h"
#include "shared/datafile/csv_line_reader.h"
#include "shared/datafile/csv_record_batch.h"
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
// The record lines whose spacing gives the logging interval.
constexpr int kIntervalSampleLines = 10;
// Room for a date or a time cell and its closing NUL.
constexpr std::size_t kDateTimeCellSize = 32;

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

std::size_t CountCells(std::string_view line) {
    std::size_t count = 0;
    for (CsvCursor cursor(line); !cursor.AtEnd(); cursor.NextCellView()) {
        ++count;
    }
    return count;
}

// A date or time cell as the text that ParseDate and ParseTime read; empty when it is too long to be one.
struct DateTimeCell {
    explicit DateTimeCell(std::string_view cell) {
        if (cell.size() < text.size()) {
            cell.copy(text.data(), cell.size());
        }
    }
    std::array<char, kDateTimeCellSize> text{};
};

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

bool CCsvImport::ReadLine(std::string_view& line) {
    try {
        return csv_.ReadLine(line);
    } catch (const CPSTFileException& error) {
        messages_.ReportFileException(error);
        return false;
    }
}

bool CCsvImport::ReadLine(std::string& line) {
    std::string_view view;
    if (!ReadLine(view)) {
        return false;
    }
    line.assign(view);
    return true;
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
        if (i == 0) {
            title_cells_ = CountCells(line);
        }
    }
    // A short form may still have a label line (a full export without its header section).
    if (short_form_ && ReadLine(line) && !IsLabelLine(line)) {
        csv_.PushBack(std::move(line));
    }
    return true;
}

bool CCsvImport::IsCutLastLine(std::string_view line) {
    if (!csv_.LineEnded()) {
        return true;
    }
    try {
        if (!csv_.AtEnd()) {
            return false;
        }
    } catch (const CPSTFileException& error) {
        messages_.ReportFileException(error);
        return true;
    }
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1 < title_cells_;
}

bool CCsvImport::ReadRecordLine(std::string_view& line) {
    while (ReadLine(line)) {
        if (!IsRecordLine(line)) {
            continue;  // blank or stray lines between the records are no records
        }
        if (IsCutLastLine(line)) {
            ends_early_ = true;
            return false;
        }
        return true;
    }
    return false;
}

bool CCsvImport::ScanIntervalSeconds(long& seconds) {
    if (!SkipToData(false)) {
        return false;
    }
    std::string_view line;
    std::time_t previous = 0;
    int year = 0;
    long smallest = 0;
    for (int index = 0; index < kIntervalSampleLines; ++index) {
        if (!ReadRecordLine(line)) {
            if (index < 2) {
                ShowNameMessage(index == 0 ? IDS_CSV_NO_RECORDS : IDS_CSV_TOO_FEW_LINES);
                return false;
            }
            break;
        }
        std::time_t time = 0;
        if (ParseCSVDateTime(std::string(line).c_str(), time, year) == nullptr) {
            ShowNameMessage(IDS_CSV_NO_TIME);
            return false;
        }
        const long step = static_cast<long>(time - previous);
        if (index > 0 && step > 0 && (smallest == 0 || step < smallest)) {
            smallest = step;
        }
        previous = time;
    }
    seconds = smallest;
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
    count = static_cast<int>(CountCells(line));
    return true;
}

bool CCsvImport::GetCSVTimeSpan(std::time_t& first, int& firstYear, std::time_t& last, int& lastYear,
                                long& count) {
    if (!SkipToData(false)) {
        return false;
    }
    count = 0;
    std::string_view line;
    std::string lastLine;
    while (ReadRecordLine(line)) {
        ++count;
        if (lastLine.empty() && ParseCSVDateTime(std::string(line).c_str(), first, firstYear) == nullptr) {
            ShowNameMessage(IDS_CSV_NO_RECORDS);
            return false;
        }
        lastLine.assign(line);
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
    const int dateOrder = GetAppContext().GetDateOrder();
    CsvRecordBatch batch;
    std::vector<std::uint8_t> block;
    std::string_view line;
    while (count > 0) {
        if (!ReadRecordLine(line)) {
            ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
            return false;
        }
        batch.Add(line);
        --count;
        if (!batch.IsFull() && count > 0) {
            continue;
        }
        block.resize(batch.LineCount() * size);
        if (!batch.Convert(block, target.GetFields(), dateOrder)) {
            ShowNameMessage(IDS_CSV_NO_TIME);
            return false;
        }
        if (!target.WriteRecords(block)) {
            messages_.ShowMessage(LoadText(IDS_CSV_RECORD_WRITE_FAILED));
            return false;
        }
        batch.Clear();
    }
    return true;
}

bool CCsvImport::LineToRecord(std::span<std::uint8_t> record, std::string_view line,
                              const std::vector<CRawDataField>& fields) {
    return LineToRecord(record, line, fields, GetAppContext().GetDateOrder());
}

bool CCsvImport::LineToRecord(std::span<std::uint8_t> record, std::string_view line,
                              const std::vector<CRawDataField>& fields, int dateOrder) {
    std::fill(record.begin(), record.end(), std::uint8_t{0});
    CsvCursor cells(line);
    cells.NextCellView();  // the record number
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const CRawDataField& field = fields[index];
        if (!FieldFitsRecord(field, record.size())) {
            return false;
        }
        const std::string_view cell = cells.NextCellView();
        switch (field.storageKind) {
            case CRawDataField::kStorageDate: {
                int year = 0;
                int month = 0;
                int day = 0;
                if (ParseDateInOrder(DateTimeCell(cell).text.data(), dateOrder, year, month, day, true,
                                     true) == nullptr) {
                    return false;
                }
                WriteRecordDate(record, field.offset, {year == 100 ? 0 : year, month, day});
                break;
            }
            case CRawDataField::kStorageTime: {
                int hour = 0;
                int minute = 0;
                int second = 0;
                if (ParseTime(DateTimeCell(cell).text.data(), hour, minute, second) != nullptr) {
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
