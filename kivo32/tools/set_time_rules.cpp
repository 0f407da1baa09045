// The rules of the logger clock dialog.
#include "kivo32/tools/set_time_rules.h"

#include <chrono>
#include <cstdlib>

#include "kivo32/tools/setting_ids.h"

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
// The two-digit years below this are of the 2000s, as the session sets them.
constexpr int kCenturyPivot = 70;

}  // namespace

ClockFieldRange RangeOf(ClockField field) {
    switch (field) {
        case ClockField::Month:
            return {1, 12};
        case ClockField::Day:
            return {1, 31};
        case ClockField::Year:
            return {0, 99};
        case ClockField::Hour:
            return {0, 23};
        case ClockField::Minute:
        case ClockField::Second:
            break;
    }
    return {0, 59};
}

std::string ClampTypedField(ClockField field, std::string_view typed) {
    std::string text(typed);
    if (field == ClockField::Year || text.empty()) {
        return text;
    }
    const int value = std::atoi(text.c_str());
    return value > RangeOf(field).maximum ? std::to_string(value / 10) : text;
}

DateArrangement ArrangeDateFields(std::string_view shortDateFormat) {
    const char first = shortDateFormat.empty() ? 'M' : shortDateFormat.front();
    if (first == 'd' || first == 'D') {
        return {{ClockField::Day, ClockField::Month, ClockField::Year}, IDS_DATE_LABEL_DMY};
    }
    if (first == 'y' || first == 'Y') {
        return {{ClockField::Year, ClockField::Month, ClockField::Day}, IDS_DATE_LABEL_YMD};
    }
    return {{ClockField::Month, ClockField::Day, ClockField::Year}, IDS_DATE_LABEL_MDY};
}

ClockReading AdvanceClock(const ClockReading& base, std::int64_t seconds) {
    using namespace std::chrono;
    const std::int64_t sinceMidnight = base.hour * 3600 + base.minute * 60 + base.second + seconds;
    std::int64_t days = sinceMidnight / kSecondsPerDay;
    std::int64_t timeOfDay = sinceMidnight % kSecondsPerDay;
    if (timeOfDay < 0) {
        timeOfDay += kSecondsPerDay;
        --days;
    }
    ClockReading moved = base;
    moved.hour = static_cast<int>(timeOfDay / 3600);
    moved.minute = static_cast<int>(timeOfDay / 60 % 60);
    moved.second = static_cast<int>(timeOfDay % 60);
    if (days == 0) {
        return moved;  // the date as the user left it, even one out of its month
    }
    const int fullYear = base.year + (base.year < kCenturyPivot ? 2000 : 1900);
    const sys_days start = sys_days(year(fullYear) / month(static_cast<unsigned>(base.month)) / 1) +
                           std::chrono::days(base.day - 1);
    const year_month_day date(start + std::chrono::days(days));
    moved.year = static_cast<int>(date.year()) % 100;
    moved.month = static_cast<int>(static_cast<unsigned>(date.month()));
    moved.day = static_cast<int>(static_cast<unsigned>(date.day()));
    return moved;
}
