// LocalDayCache: the local times of record stamps, with the start of each day worked out once, for the
// walks over every record of a file.
#pragma once

#include <ctime>
#include <optional>

#include "shared/datafile/record_bytes.h"

// The system's conversion reads the time zone again on every call, which costs far more than a record.
// A day of exactly 24 hours (no change of daylight saving time in it) gives each of its times as its
// start plus the time of day; any other day, and a field out of range, goes through the system's
// conversion, so the result is always that of RecordLocalTime.
class LocalDayCache {
public:
    std::optional<std::time_t> LocalTime(const RecordDate& date, const RecordTimeOfDay& time);

private:
    RecordDate day_{-1, -1, -1};
    std::optional<std::time_t> day_start_;
    bool whole_day_ = false;
};
