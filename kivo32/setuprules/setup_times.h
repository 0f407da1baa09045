// Start and stop times of the setup form: the six fields, their check, their order on the form, and the
// start and stop modes of a stored setup.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

// Month, day, two-digit year, hour, minute, second: the form's order of the six fields.
struct TimeFields {
    int month = 1;
    int day = 1;
    int year = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The fields of a local time, the seconds kept or set to 0.
TimeFields FieldsFromTime(const std::tm& local, bool zeroSeconds);

// The first field out of range, with the message (12546 date, 12547 time) and the range to name.
struct DateTimeFault {
    unsigned messageId;
    unsigned fieldNameId;
    int low;
    int high;
};
// Year 0-99, month 1-12, day 1 to the last day of that month (so that 31/02 is refused instead of
// becoming another date), hour 0-23, minute and second 0-59, in that order.
std::optional<DateTimeFault> CheckDateTime(const TimeFields& fields);
// The message of `fault` under the title of text `titleId` (start or stop time).
std::string DateTimeFaultText(const DateTimeFault& fault, unsigned titleId);
// The local time of checked fields (a two-digit year below 70 is 20yy).
std::optional<std::time_t> TimeFromFields(const TimeFields& fields);

// Where the three date fields stand, by the first letter of the user's short date format.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };
DateOrder DateOrderFromFormat(char firstLetter);
// The date label of an order ("Date (dd/mm/yy):").
std::string DateOrderLabel(DateOrder order);

// Start mode 1 (at once) or 2 (at the start time), stop mode 3 (ring memory), 4 (linear) or 5 (at the
// stop time), as a stored setup gives them; timed modes only with firmware level 1.
int StartModeFor(int firmwareLevel, std::uint32_t startTime);
int StopModeFor(int firmwareLevel, std::uint32_t stopTime, std::uint8_t optionByte);
