// The rules of the logger clock dialog: the fields' ranges, the clamp while typing, the order of the
// date fields by the user's short date format, and the clock that runs while the dialog is open.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum class ClockField { Month, Day, Year, Hour, Minute, Second };

struct ClockFieldRange {
    int minimum;
    int maximum;
};
ClockFieldRange RangeOf(ClockField field);

// The text a field keeps while the user types `typed` (digits): a value above the field's maximum loses
// its last digit. The year is not clamped while typing; every range is checked again on OK.
std::string ClampTypedField(ClockField field, std::string_view typed);

// How the date fields stand from left to right, and the label that says so.
struct DateArrangement {
    std::array<ClockField, 3> fields;
    unsigned labelId;
};
// By the first letter of the user's short date format: "d" day first, "y" year first; anything else
// keeps month, day, year.
DateArrangement ArrangeDateFields(std::string_view shortDateFormat);

// A clock reading as the dialog shows it: the year with two digits.
struct ClockReading {
    int year = 0;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const ClockReading&) const = default;
};

// `base` moved on by `seconds`, carried into the date past midnight. A two-digit year below 70 is of
// the 2000s (the leap years follow from it).
ClockReading AdvanceClock(const ClockReading& base, std::int64_t seconds);
