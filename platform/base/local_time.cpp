// The one place where time_t meets broken-down local time (C library, TZ) and OLE dates.
#include "platform/base/local_time.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Days from 1899-12-30 to 1970-01-01.
constexpr std::int64_t kOleDaysBeforeEpoch = 25569;
// 0100-01-01 and the day after 9999-12-31, as OLE day numbers.
constexpr double kFirstOleDay = -657434.0;
constexpr double kEndOleDay = 2958466.0;

// mktime and timegm answer -1 both for an error and for 1969-12-31 23:59:59 UTC; only a success
// fills tm_wday, so an impossible weekday left in place marks the error.
constexpr int kUnsetWeekday = 7;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12).
std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = FloorDiv(year, 400);
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

// The date of a day number (days since 1970-01-01) into the date fields of `out`.
void CivilFromDays(std::int64_t days, std::tm& out) {
    const std::int64_t shifted = days + 719468;
    const std::int64_t era = FloorDiv(shifted, 146097);
    const auto dayOfEra = static_cast<unsigned>(shifted - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2);

    out.tm_year = static_cast<int>(year - 1900);
    out.tm_mon = static_cast<int>(month - 1);
    out.tm_mday = static_cast<int>(day);
    out.tm_wday = static_cast<int>(FloorMod(days + 4, 7));  // 1970-01-01 was a Thursday
    out.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
}

// Seconds since 1899-12-30 00:00 of the wall-clock fields of `time`, normalised.
std::int64_t OleSeconds(const std::tm& time) {
    const std::int64_t year = static_cast<std::int64_t>(time.tm_year) + 1900 + FloorDiv(time.tm_mon, 12);
    const auto month = static_cast<unsigned>(FloorMod(time.tm_mon, 12) + 1);
    const std::int64_t days = DaysFromCivil(year, month, 1) + time.tm_mday - 1 + kOleDaysBeforeEpoch;
    return days * kSecondsPerDay + static_cast<std::int64_t>(time.tm_hour) * 3600 +
           static_cast<std::int64_t>(time.tm_min) * 60 + time.tm_sec;
}

}  // namespace

std::optional<std::tm> ToLocalTime(std::time_t time) {
    std::tm out{};
    if (localtime_r(&time, &out) == nullptr) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::tm> ToUtcTime(std::time_t time) {
    std::tm out{};
    if (gmtime_r(&time, &out) == nullptr) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::time_t> FromLocalTime(std::tm local, DstChoice dst) {
    if (dst == DstChoice::FromZone) {
        local.tm_isdst = -1;
    }
    local.tm_wday = kUnsetWeekday;
    const std::time_t time = std::mktime(&local);
    if (time == static_cast<std::time_t>(-1) && local.tm_wday == kUnsetWeekday) {
        return std::nullopt;
    }
    return time;
}

std::optional<std::time_t> FromUtcTime(std::tm utc) {
    utc.tm_wday = kUnsetWeekday;
    const std::time_t time = timegm(&utc);
    if (time == static_cast<std::time_t>(-1) && utc.tm_wday == kUnsetWeekday) {
        return std::nullopt;
    }
    return time;
}

double ToOleDate(const std::tm& time) {
    const std::int64_t seconds = OleSeconds(time);
    const std::int64_t day = FloorDiv(seconds, kSecondsPerDay);
    const double fraction = static_cast<double>(seconds - day * kSecondsPerDay) / kSecondsPerDay;
    // Before day 0 the fraction still counts forward from the day's midnight.
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

std::optional<std::tm> FromOleDate(double oleDate) {
    if (!std::isfinite(oleDate)) {
        return std::nullopt;
    }
    // -1.25 means 06:00 of day -1: the linear day count is -0.75.
    const double linear = oleDate >= 0 ? oleDate : 2 * std::trunc(oleDate) - oleDate;
    if (linear < kFirstOleDay || linear >= kEndOleDay) {
        return std::nullopt;
    }
    const auto seconds = static_cast<std::int64_t>(std::llround(linear * kSecondsPerDay));
    const std::int64_t day = FloorDiv(seconds, kSecondsPerDay);
    const std::int64_t secondOfDay = seconds - day * kSecondsPerDay;
    if (day >= static_cast<std::int64_t>(kEndOleDay)) {
        return std::nullopt;  // rounded up past the last second of 9999
    }
    std::tm out{};
    CivilFromDays(day - kOleDaysBeforeEpoch, out);
    out.tm_hour = static_cast<int>(secondOfDay / 3600);
    out.tm_min = static_cast<int>(secondOfDay / 60 % 60);
    out.tm_sec = static_cast<int>(secondOfDay % 60);
    out.tm_isdst = -1;
    return out;
}

double TimeToOleDate(std::time_t time) {
    const auto local = ToLocalTime(time);
    return local ? ToOleDate(*local) : std::numeric_limits<double>::quiet_NaN();
}

std::optional<std::time_t> OleDateToTime(double oleDate) {
    const auto local = FromOleDate(oleDate);
    if (!local) {
        return std::nullopt;
    }
    return FromLocalTime(*local);
}

}  // namespace platform
