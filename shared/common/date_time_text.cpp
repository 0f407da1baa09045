// Dates and times as text in the user's order and with the user's separators, and back.
#include "shared/common/date_time_text.h"

#include <charconv>
#include <cstring>

#include "platform/base/local_time.h"
#include "platform/base/string_format.h"
#include "shared/common/app_context.h"
#include "shared/common/calendar.h"

namespace {

// The first character of `format` that is none of `letters`; `fallback` when there is none, it is a
// control character, or it lies above `highest`.
char SeparatorOf(std::string_view format, std::string_view letters, char fallback, unsigned char highest) {
    const std::size_t position = format.find_first_not_of(letters);
    if (position == std::string_view::npos) {
        return fallback;
    }
    const auto c = static_cast<unsigned char>(format[position]);
    return c < 32 || c == 127 || c > highest ? fallback : static_cast<char>(c);
}

int ToTwoDigitYear(int year) {
    if (year >= 2000) {
        return year - 2000;
    }
    return year > 1900 ? year - 1900 : year;
}

std::string ThreeFields(int first, char separator, int second, int third) {
    return platform::StringPrintf("%2.02d%c%2.02d%c%2.02d", first, separator, second, separator, third);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool EndsField(char c) {
    return c == '\0' || IsBlank(c) || c == ',';
}

const char* SkipBlanksAndTabs(const char* p) {
    while (IsBlank(*p)) {
        ++p;
    }
    return p;
}

// After blanks and tabs, 1 to `maxDigits` decimal digits; nullptr when there is none.
const char* ReadDigits(const char* p, int maxDigits, int& value, int& digits) {
    p = SkipBlanksAndTabs(p);
    value = 0;
    digits = 0;
    while (digits < maxDigits && *p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        ++digits;
        ++p;
    }
    return digits > 0 ? p : nullptr;
}

// After whitespace, a signed decimal number as scanf's "%d" reads it.
const char* ReadInt(const char* p, int& value) {
    while (*p != '\0' && std::strchr(" \t\r\n\v\f", *p) != nullptr) {
        ++p;
    }
    if (*p == '+') {
        ++p;
    }
    const auto [end, error] = std::from_chars(p, p + std::strlen(p), value);
    return error == std::errc() ? end : nullptr;
}

const char* Expect(const char* p, char c) {
    return p != nullptr && *p == c ? p + 1 : nullptr;
}

}  // namespace

std::string FormatDateText(int year, int month, int day, bool twoDigitYear,
                           std::string_view shortDateFormat) {
    if (twoDigitYear) {
        year = ToTwoDigitYear(year);
    }
    const char separator = SeparatorOf(shortDateFormat, "MmDdYy", '/', 0xFF);
    const char first = shortDateFormat.empty() ? '\0' : shortDateFormat.front();
    if (first == 'D' || first == 'd') {
        return ThreeFields(day, separator, month, year);
    }
    if (first == 'Y' || first == 'y') {
        return ThreeFields(year, separator, month, day);
    }
    return ThreeFields(month, separator, day, year);
}

std::string FormatDateText(int year, int month, int day, bool twoDigitYear) {
    return FormatDateText(year, month, day, twoDigitYear, GetAppContext().GetShortDateFormat());
}

bool ShortDateHasFourDigitYear() {
    return GetAppContext().GetShortDateFormat().find("yyyy") != std::string::npos;
}

std::string FormatShownDate(const std::tm& time) {
    return FormatDateText(time.tm_year + 1900, time.tm_mon + 1, time.tm_mday, !ShortDateHasFourDigitYear());
}

std::string FormatShownTime(const std::tm& time) {
    return ThreeFields(time.tm_hour, ':', time.tm_min, time.tm_sec);
}

std::string FormatTimeText(int hours, int minutes, int seconds, std::string_view timeFormat) {
    return ThreeFields(hours, SeparatorOf(timeFormat, "HhMmSs", ':', 126), minutes, seconds);
}

std::string FormatTimeText(int hours, int minutes, int seconds) {
    return FormatTimeText(hours, minutes, seconds, GetAppContext().GetTimeFormat());
}

const char* ParseDateInOrder(const char* text, int dateOrder, int& year, int& month, int& day,
                             bool twoDigitYear, bool anySeparator) {
    static constexpr const char* kPatterns[6] = {"mdy", "myd", "dmy", "dym", "ymd", "ydm"};
    if (text == nullptr) {
        return nullptr;
    }
    const char* pattern = kPatterns[dateOrder >= 0 && dateOrder < 6 ? dateOrder : 0];
    int fields[3] = {};  // year, month, day
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            const char* gap = p;
            p = SkipBlanksAndTabs(p);
            if (*p == '/' || (anySeparator && (*p == '-' || *p == '.'))) {
                ++p;
            } else if (!anySeparator || p == gap) {
                // Blanks alone separate the fields too where any separator goes: a short date format
                // with blanks ("dd MM yy") writes them so.
                return nullptr;
            }
        }
        int value = 0;
        int digits = 0;
        switch (pattern[i]) {
            case 'd':
                p = ReadDigits(p, 2, value, digits);
                if (p == nullptr || value < 1 || value > 31) {
                    return nullptr;
                }
                fields[2] = value;
                break;
            case 'm':
                p = ReadDigits(p, 2, value, digits);
                if (p == nullptr || value < 1 || value > 12) {
                    return nullptr;
                }
                fields[1] = value;
                break;
            default:
                p = ReadDigits(p, 4, value, digits);
                if (p == nullptr || value > 2500 || (!twoDigitYear && digits > 2)) {
                    return nullptr;
                }
                fields[0] = twoDigitYear ? ToTwoDigitYear(value) : ExpandTwoDigitYear(value);
                break;
        }
    }
    if (!EndsField(*p)) {
        return nullptr;
    }
    year = fields[0];
    month = fields[1];
    day = fields[2];
    return p;
}

const char* ParseDate(const char* text, int& year, int& month, int& day, bool twoDigitYear, bool fixedOrder,
                      bool anySeparator) {
    const int order = fixedOrder ? 0 : GetAppContext().GetDateOrder();
    return ParseDateInOrder(text, order, year, month, day, twoDigitYear, anySeparator);
}

const char* ParseTime(const char* text, int& hours, int& minutes, int& seconds) {
    if (text == nullptr) {
        return nullptr;
    }
    static constexpr int kLimits[3] = {23, 59, 59};
    int fields[3] = {};
    const char* p = text;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            p = Expect(p, ':');
            if (p == nullptr) {
                return nullptr;
            }
        }
        int digits = 0;
        p = ReadDigits(p, 2, fields[i], digits);
        if (p == nullptr || fields[i] > kLimits[i]) {
            return nullptr;
        }
    }
    if (!EndsField(*p)) {
        return nullptr;
    }
    hours = fields[0];
    minutes = fields[1];
    seconds = fields[2];
    return p;
}

std::optional<std::tm> ReadClockText(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    // Hours, minutes, seconds, month, day, two-digit year, as "%d:%d:%d %d/%d/%d" reads them.
    static constexpr char kSeparatorAfter[6] = {':', ':', '\0', '/', '/', '\0'};
    int values[6] = {};
    const char* p = text;
    for (int i = 0; i < 6; ++i) {
        p = ReadInt(p, values[i]);
        if (p != nullptr && kSeparatorAfter[i] != '\0') {
            p = Expect(p, kSeparatorAfter[i]);
        }
        if (p == nullptr) {
            return std::nullopt;
        }
    }
    const auto [hours, minutes, seconds, month, day, shortYear] = values;
    if (shortYear < 0) {
        return std::nullopt;
    }
    return TimeFromFields(shortYear < 70 ? 2000 + shortYear : 1900 + shortYear, month, day, hours, minutes,
                          seconds);
}

std::optional<std::time_t> ParseDateTimeText(const char* text) {
    const std::optional<std::tm> fields = ReadClockText(text);
    return fields ? LocalTimeFromFields(fields->tm_year + 1900, fields->tm_mon + 1, fields->tm_mday,
                                        fields->tm_hour, fields->tm_min, fields->tm_sec)
                  : std::nullopt;
}
