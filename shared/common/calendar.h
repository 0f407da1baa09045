// Calendar arithmetic of the logger time stamps: leap years, two-digit years, minute counts and the
// loggers' packed date-times.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <span>

// Gregorian leap years (2000 is one, 1900 and 2100 are not).
bool IsLeapYear(int year);
// 1 to 31; 0 for a month outside 1-12.
int DaysInMonth(int year, int month);

// A year of 100 or more is kept; below 70 is 20yy, otherwise 19yy.
int ExpandTwoDigitYear(int year);

// Splits a count of minutes from the start of `year` into the date and time it reaches: whole years of
// 525600 or 527040 minutes move `year` on, then the months of that year.
void DayNumberToDate(std::uint32_t minutes, int& year, int& month, int& day, int& hour, int& minute);

// A date and time given field by field (month 1-12) as a broken-down time; nullopt for a field out of
// range (a day beyond its month too).
std::optional<std::tm> TimeFromFields(int year, int month, int day, int hour, int minute, int second);
// The same as an OLE date of that wall-clock time, whatever the time zone.
std::optional<double> OleDateFromFields(int year, int month, int day, int hour, int minute, int second);
// The local time of a date and time given field by field (month 1-12); nullopt for a field out of range
// (a day beyond its month too) or a year past 2100.
std::optional<std::time_t> LocalTimeFromFields(int year, int month, int day, int hour, int minute, int second);

// The local time of a logger's packed stamp: year (yy, below 70 is 20yy, else 19yy), month, day, hour,
// minute, second; daylight saving as the zone has it (a time in the spring gap moves on by the gap).
// nullopt for fewer than six bytes or a field out of range (a day beyond its month too): the caller
// reports a bad stamp.
std::optional<std::time_t> PackedDateTimeToTime(std::span<const std::uint8_t> packed);

// The same instant, broken down as UTC and built again (the time unchanged when it cannot be broken
// down).
std::time_t UTCTimeNormalize(std::time_t time);
