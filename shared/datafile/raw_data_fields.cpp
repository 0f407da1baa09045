// CRawData: the field list of a record, the text and time of the current record, interval texts.
#include "shared/datafile/raw_data.h"

#include <strings.h>
#include <array>
#include <cmath>
#include <cstdio>

#include "platform/base/byte_order.h"
#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/common/date_time_text.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/record_bytes.h"
#include "shared/datafile/value_text.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr int kDateTimeFieldSize = 3;

struct IntervalText {
    int number;
    unsigned unitId;
};

// Number and unit word of interval codes 0-16; code 7 has a text of its own.
constexpr std::array<IntervalText, 17> kIntervalTexts{{
    {1, IDS_UNIT_MINUTE},
    {5, IDS_UNIT_MINUTES},
    {15, IDS_UNIT_MINUTES},
    {30, IDS_UNIT_MINUTES},
    {1, IDS_UNIT_HOUR},
    {12, IDS_UNIT_HOURS},
    {24, IDS_UNIT_HOURS},
    {0, IDS_INTERVAL_CODE_7},
    {5, IDS_UNIT_SECONDS},
    {10, IDS_UNIT_SECONDS},
    {15, IDS_UNIT_SECONDS},
    {30, IDS_UNIT_SECONDS},
    {3, IDS_UNIT_SECONDS},
    {2, IDS_UNIT_MINUTES},
    {10, IDS_UNIT_MINUTES},
    {20, IDS_UNIT_MINUTES},
    {1, IDS_UNIT_SECOND},
}};
constexpr std::uint8_t kIntervalCode7 = 7;

enum class IntervalUnit { None, Second, Minute, Hour };

// True when `word` begins with `unit`, compared without regard to case.
bool StartsWithUnit(const std::string& word, const std::string& unit) {
    return !unit.empty() && word.size() >= unit.size() &&
           ::strncasecmp(word.c_str(), unit.c_str(), unit.size()) == 0;
}

// The unit of a word: its first letters are "second", "minute" or "hour", or the singular unit word of
// the program's language.
IntervalUnit UnitOfWord(const std::string& word) {
    if (StartsWithUnit(word, "second") || StartsWithUnit(word, LoadText(IDS_UNIT_SECOND))) {
        return IntervalUnit::Second;
    }
    if (StartsWithUnit(word, "minute") || StartsWithUnit(word, LoadText(IDS_UNIT_MINUTE))) {
        return IntervalUnit::Minute;
    }
    if (StartsWithUnit(word, "hour") || StartsWithUnit(word, LoadText(IDS_UNIT_HOUR))) {
        return IntervalUnit::Hour;
    }
    return IntervalUnit::None;
}

std::optional<std::uint8_t> CodeOfInterval(int number, IntervalUnit unit) {
    struct Entry {
        IntervalUnit unit;
        int number;
        std::uint8_t code;
    };
    static constexpr std::array<Entry, 16> kCodes{{
        {IntervalUnit::Minute, 1, 0},
        {IntervalUnit::Minute, 2, 13},
        {IntervalUnit::Minute, 5, 1},
        {IntervalUnit::Minute, 10, 14},
        {IntervalUnit::Minute, 15, 2},
        {IntervalUnit::Minute, 20, 15},
        {IntervalUnit::Minute, 30, 3},
        {IntervalUnit::Second, 1, 16},
        {IntervalUnit::Second, 3, 12},
        {IntervalUnit::Second, 5, 8},
        {IntervalUnit::Second, 10, 9},
        {IntervalUnit::Second, 15, 10},
        {IntervalUnit::Second, 30, 11},
        {IntervalUnit::Hour, 1, 4},
        {IntervalUnit::Hour, 12, 5},
        {IntervalUnit::Hour, 24, 6},
    }};
    for (const Entry& entry : kCodes) {
        if (entry.unit == unit && entry.number == number) {
            return entry.code;
        }
    }
    return std::nullopt;
}

}  // namespace

bool CRawData::BuildFieldList() {
    if (setup_ == nullptr) {
        return false;
    }
    fields_.clear();
    CRawDataField date;
    date.name = LoadText(IDS_DATE_COLUMN) + "\r\n ";
    date.storageKind = CRawDataField::kStorageDate;
    date.valueKind = CRawDataField::kValueKindDate;
    date.size = kDateTimeFieldSize;
    date.offset = kDateOffset;
    fields_.push_back(date);
    CRawDataField time;
    time.name = LoadText(IDS_TIME_COLUMN) + "\r\n ";
    time.storageKind = CRawDataField::kStorageTime;
    time.valueKind = CRawDataField::kValueKindTime;
    time.size = kDateTimeFieldSize;
    time.offset = kTimeOffset;
    fields_.push_back(time);
    const int end = setup_->BuildDataFields(fields_, kFirstValueOffset);
    if (end < 0) {
        fields_.clear();
        return false;
    }
    record_size_ = end;
    return true;
}

bool CRawData::GetFieldText(int index, std::string& text) const {
    const CRawDataField* field = GetField(index);
    if (field == nullptr || !FieldFitsRecord(*field, record_.size())) {
        return false;
    }
    switch (field->storageKind) {
        case CRawDataField::kStorageFloat: {
            const float value = ReadRecordFloat(record_, field->offset);
            text.clear();
            if (!std::isnan(value)) {
                AppendFixed(text, ValueShownAs(field->valueKind, value, setup_->GetIntervalSeconds()),
                            GridDecimals(field->valueKind));
            }
            return true;
        }
        case CRawDataField::kStorageDate: {
            const RecordDate date = ReadRecordDate(record_, field->offset);
            // The record keeps two digits of its year; a short date with four shows the century too.
            const int year = ShortDateHasFourDigitYear() ? RecordCalendarYear(date.year) : date.year;
            text = FormatDateText(year, date.month, date.day, false);
            return true;
        }
        case CRawDataField::kStorageTime: {
            const RecordTimeOfDay time = ReadRecordTimeOfDay(record_, field->offset);
            text = platform::StringPrintf("%2.02d:%2.02d:%2.02d", time.hour, time.minute, time.second);
            return true;
        }
        default:
            return false;
    }
}

bool CRawData::GetRecordTime(std::time_t& time) const {
    if (fields_.size() < 2 || fields_[0].storageKind != CRawDataField::kStorageDate ||
        fields_[1].storageKind != CRawDataField::kStorageTime ||
        !FieldFitsRecord(fields_[0], record_.size()) || !FieldFitsRecord(fields_[1], record_.size())) {
        return false;
    }
    const std::optional<std::time_t> local = day_cache_.LocalTime(
        ReadRecordDate(record_, fields_[0].offset), ReadRecordTimeOfDay(record_, fields_[1].offset));
    if (!local) {
        return false;
    }
    time = *local;
    return true;
}

std::string CRawData::FormatIntervalCode(std::uint8_t code) {
    if (code >= kIntervalTexts.size()) {
        return {};
    }
    const IntervalText& interval = kIntervalTexts[code];
    if (code == kIntervalCode7) {
        return LoadText(interval.unitId);
    }
    return platform::StringPrintf("%d %s", interval.number, LoadText(interval.unitId).c_str());
}

std::uint8_t CRawData::ParseIntervalText(const char* text) {
    return FindIntervalCode(text).value_or(0);
}

std::optional<std::uint8_t> CRawData::FindIntervalCode(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    int number = 0;
    char word[32] = {};
    if (std::sscanf(text, "%d %31s", &number, word) != 2) {
        return std::nullopt;
    }
    return CodeOfInterval(number, UnitOfWord(word));
}
