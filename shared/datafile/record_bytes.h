// The fields of a data record: little-endian floats, dates (two-digit year, month, day) and times of day.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>

#include "shared/setup/raw_data_field.h"

struct RecordDate {
    int year = 0;  // the two-digit year byte
    int month = 0;
    int day = 0;
};

struct RecordTimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Whether `field` lies wholly inside a record of `recordSize` bytes.
bool FieldFitsRecord(const CRawDataField& field, std::size_t recordSize);

float ReadRecordFloat(std::span<const std::uint8_t> record, int offset);
void WriteRecordFloat(std::span<std::uint8_t> record, int offset, float value);
// A missing value: a quiet NaN.
void WriteRecordMissing(std::span<std::uint8_t> record, int offset);
RecordDate ReadRecordDate(std::span<const std::uint8_t> record, int offset);
void WriteRecordDate(std::span<std::uint8_t> record, int offset, const RecordDate& date);
RecordTimeOfDay ReadRecordTimeOfDay(std::span<const std::uint8_t> record, int offset);
void WriteRecordTimeOfDay(std::span<std::uint8_t> record, int offset, const RecordTimeOfDay& time);

// The calendar year of a year byte: below 50 is 20yy, otherwise 19yy.
int RecordCalendarYear(int yearByte);
// The year byte of a calendar year: its last two digits.
int RecordYearByte(int calendarYear);
// The local time of a record's date and time, daylight saving as the zone decides; nullopt when the
// system cannot represent it.
std::optional<std::time_t> RecordLocalTime(const RecordDate& date, const RecordTimeOfDay& time);
