// Serial dates of the graph's X axis to and from their parts.
#include "platform/ui/graph/serial_date.h"

#include <chrono>
#include <ctime>

#include "platform/base/local_time.h"

namespace platform {

double CreateSerialDate(const SerialDateParts& parts) {
    const int year = parts.yearsSince1900 + 1900;
    const std::chrono::year_month_day date{std::chrono::year(year),
                                           std::chrono::month(static_cast<unsigned>(parts.month)),
                                           std::chrono::day(static_cast<unsigned>(parts.day))};
    if (year < 100 || year > 9999 || parts.month < 1 || parts.day < 1 || !date.ok() || parts.hour < 0 ||
        parts.hour > 23 || parts.minute < 0 || parts.minute > 59 || parts.second < 0 || parts.second > 59) {
        return 0.0;
    }
    std::tm time{};
    time.tm_year = parts.yearsSince1900;
    time.tm_mon = parts.month - 1;
    time.tm_mday = parts.day;
    time.tm_hour = parts.hour;
    time.tm_min = parts.minute;
    time.tm_sec = parts.second;
    return ToOleDate(time);
}

bool SerialDateToParts(double serialDate, SerialDateParts& parts) {
    const auto time = FromOleDate(serialDate);
    if (!time) {
        return false;
    }
    parts = {time->tm_mon + 1, time->tm_mday, time->tm_year, time->tm_hour, time->tm_min, time->tm_sec};
    return true;
}

}  // namespace platform
