// The fields of a data record: little-endian floats, dates (two-digit year, month, day) and times of day.
#include "shared/datafile/record_bytes.h"

#include <bit>
#include <cstring>
#include <limits>

#include "platform/base/byte_order.h"
#include "platform/base/local_time.h"

using platform::ByteOrder;

namespace {

constexpr int kCenturySplit = 50;

}  // namespace

bool FieldFitsRecord(const CRawDataField& field, std::size_t recordSize) {
    return field.offset >= 0 && field.size >= 0 &&
           static_cast<std::size_t>(field.offset) + static_cast<std::size_t>(field.size) <= recordSize;
}

namespace {

// Every value of every record passes here: on a little-endian machine a float inside the record is
// copied as it is; anything else takes the checked general way.
bool IsDirectFloat(std::span<const std::uint8_t> record, int offset) {
    return std::endian::native == std::endian::little && offset >= 0 &&
           static_cast<std::size_t>(offset) + sizeof(float) <= record.size();
}

}  // namespace

float ReadRecordFloat(std::span<const std::uint8_t> record, int offset) {
    if (IsDirectFloat(record, offset)) {
        float value = 0.0f;
        std::memcpy(&value, record.data() + offset, sizeof value);
        return value;
    }
    return platform::ReadF32(record, static_cast<std::size_t>(offset), ByteOrder::Little);
}

void WriteRecordFloat(std::span<std::uint8_t> record, int offset, float value) {
    if (IsDirectFloat(record, offset)) {
        std::memcpy(record.data() + offset, &value, sizeof value);
        return;
    }
    platform::WriteF32(record, static_cast<std::size_t>(offset), value, ByteOrder::Little);
}

void WriteRecordMissing(std::span<std::uint8_t> record, int offset) {
    WriteRecordFloat(record, offset, std::numeric_limits<float>::quiet_NaN());
}

RecordDate ReadRecordDate(std::span<const std::uint8_t> record, int offset) {
    const auto at = static_cast<std::size_t>(offset);
    return {record[at], record[at + 1], record[at + 2]};
}

void WriteRecordDate(std::span<std::uint8_t> record, int offset, const RecordDate& date) {
    const auto at = static_cast<std::size_t>(offset);
    record[at] = static_cast<std::uint8_t>(date.year);
    record[at + 1] = static_cast<std::uint8_t>(date.month);
    record[at + 2] = static_cast<std::uint8_t>(date.day);
}

RecordTimeOfDay ReadRecordTimeOfDay(std::span<const std::uint8_t> record, int offset) {
    const auto at = static_cast<std::size_t>(offset);
    return {record[at], record[at + 1], record[at + 2]};
}

void WriteRecordTimeOfDay(std::span<std::uint8_t> record, int offset, const RecordTimeOfDay& time) {
    const auto at = static_cast<std::size_t>(offset);
    record[at] = static_cast<std::uint8_t>(time.hour);
    record[at + 1] = static_cast<std::uint8_t>(time.minute);
    record[at + 2] = static_cast<std::uint8_t>(time.second);
}

int RecordCalendarYear(int yearByte) {
    return yearByte < kCenturySplit ? 2000 + yearByte : 1900 + yearByte;
}

int RecordYearByte(int calendarYear) {
    return calendarYear % 100;
}

std::optional<std::time_t> RecordLocalTime(const RecordDate& date, const RecordTimeOfDay& time) {
    std::tm local{};
    local.tm_year = RecordCalendarYear(date.year) - 1900;
    local.tm_mon = date.month - 1;
    local.tm_mday = date.day;
    local.tm_hour = time.hour;
    local.tm_min = time.minute;
    local.tm_sec = time.second;
    local.tm_isdst = -1;
    return platform::FromLocalTime(local);
}
