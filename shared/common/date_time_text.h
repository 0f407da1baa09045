// Dates and times as text in the user's order and with the user's separators, and back.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// "%2.02d<sep>%2.02d<sep>%2.02d" in the order that the first letter of the short date format gives
// ("d": day first, "y": year first, else month first); the separator is the format's first character
// that is no date letter ("/" for a control character or none). With `twoDigitYear` 2000 and later
// lose 2000 and 1901-1999 lose 1900. Without a format: the application's.
std::string FormatDateText(int year, int month, int day, bool twoDigitYear, std::string_view shortDateFormat);
std::string FormatDateText(int year, int month, int day, bool twoDigitYear);
// True when the application's short date format writes four-digit years ("yyyy"): record dates are then
// shown with their century.
bool ShortDateHasFourDigitYear();

// A calendar day as the data grid shows a record's date: FormatDateText in the user's order and with
// the user's separator, the century only when the user's short date writes four-digit years. Every
// date the program shows goes through it, so that one day reads one way everywhere.
std::string FormatShownDate(const std::tm& time);
// The time of day as the data grid shows a record's time: "hh:mm:ss".
std::string FormatShownTime(const std::tm& time);

// "%2.02d<sep>%2.02d<sep>%2.02d", hours first, with the first character of the time format that is no
// time letter as separator (":" for a control character, one above 126 or none). Without a format: the
// application's.
std::string FormatTimeText(int hours, int minutes, int seconds, std::string_view timeFormat);
std::string FormatTimeText(int hours, int minutes, int seconds);

// Reads a date in the order of `dateOrder` (0-5, "m/d/y" ... "y/d/m"): blanks and tabs before each
// field; day 1-31, month 1-12; "/" between the fields, or with `anySeparator` any of "/-." or blanks
// alone. A year has
// at most 2 digits and below 70 is 20yy, else 19yy; with `twoDigitYear` it may have 4 digits and
// becomes two (2000 and later lose 2000, 1901-1999 lose 1900). The date must end at NUL, blank, tab or
// ",": the result points there, or is nullptr (the outputs untouched) when the text is no date.
const char* ParseDateInOrder(const char* text, int dateOrder, int& year, int& month, int& day,
                             bool twoDigitYear, bool anySeparator);
// The same in the application's date order, or month-day-year with `fixedOrder`.
const char* ParseDate(const char* text, int& year, int& month, int& day, bool twoDigitYear, bool fixedOrder,
                      bool anySeparator);

// Reads "h:m:s", 1 or 2 digits each with blanks and tabs before them, hours 0-23, minutes and seconds
// 0-59, ending at NUL, blank, tab or ",": the result points there, or is nullptr.
const char* ParseTime(const char* text, int& hours, int& minutes, int& seconds);

// The fields of "h:m:s mm/dd/yy", the form of a logger's clock text (month first whatever the user's
// order; a two-digit year: below 70 is 20yy, else 19yy); nullopt when a field is missing or out of
// range, for the caller to report.
std::optional<std::tm> ReadClockText(const char* text);
// The local time of such a text.
std::optional<std::time_t> ParseDateTimeText(const char* text);
