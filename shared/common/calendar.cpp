// Calendar arithmetic of the logger time stamps.
#include "shared/common/calendar.h"

#include "platform/base/local_time.h"

namespace {

constexpr std::uint32_t kMinutesPerDay = 24 * 60;

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

int ExpandTwoDigitYear(int year) {
    if (year >= 100) {
        return year;
    }
    return year < 70 ? year + 2000 : year + 1900;
}

void DayNumberToDate(std::uint32_t minutes, int& year, int& month, int& day, int& hour, int& minute) {
    for (;;) {
        const std::uint32_t yearMinutes = (IsLeapYear(year) ? 366u : 365u) * kMinutesPerDay;
        if (minutes < yearMinutes) {
            break;
        }
        minutes -= yearMinutes;
        ++year;
    }
    month = 1;
    for (;;) {
        const std::uint32_t monthMinutes =
            static_cast<std::uint32_t>(DaysInMonth(year, month)) * kMinutesPerDay;
        if (minutes < monthMinutes) {
            break;
        }
        minutes -= monthMinutes;
        ++month;
    }
    day = static_cast<int>(minutes / kMinutesPerDay) + 1;
    hour = static_cast<int>(minutes % kMinutesPerDay / 60);
    minute = static_cast<int>(minutes % 60);
}

std::optional<std::tm> TimeFromFields(int year, int month, int day, int hour, int minute, int second) {
    if (day < 1 || day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        return std::nullopt;
    }
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return fields;
}

std::optional<double> OleDateFromFields(int year, int month, int day, int hour, int minute, int second) {
    const std::optional<std::tm> fields = TimeFromFields(year, month, day, hour, minute, second);
    return fields ? std::optional<double>(platform::ToOleDate(*fields)) : std::nullopt;
}

std::optional<std::time_t> LocalTimeFromFields(int year, int month, int day, int hour, int minute,
                                               int second) {
    const std::optional<std::tm> fields = year > 2100 ? std::nullopt
                                                      : TimeFromFields(year, month, day, hour, minute, second);
    return fields ? platform::FromLocalTime(*fields) : std::nullopt;
}

std::optional<std::time_t> PackedDateTimeToTime(std::span<const std::uint8_t> packed) {
    if (packed.size() < 6) {
        return std::nullopt;
    }
    const int year = packed[0] < 70 ? 2000 + packed[0] : 1900 + packed[0];
    return LocalTimeFromFields(year, packed[1], packed[2], packed[3], packed[4], packed[5]);
}

std::time_t UTCTimeNormalize(std::time_t time) {
    const std::optional<std::tm> utc = platform::ToUtcTime(time);
    if (!utc) {
        return time;
    }
    return platform::FromUtcTime(*utc).value_or(time);
}
