// LocalDayCache: local times of record stamps with the start of each day worked out once.
#include "shared/datafile/local_day_cache.h"

namespace {

constexpr long kLastSecondOfDay = 24 * 3600 - 1;

bool InRange(const RecordTimeOfDay& time) {
    return time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
           time.second <= 59;
}

}  // namespace

std::optional<std::time_t> LocalDayCache::LocalTime(const RecordDate& date, const RecordTimeOfDay& time) {
    if (date.year != day_.year || date.month != day_.month || date.day != day_.day) {
        day_ = date;
        day_start_ = RecordLocalTime(date, {0, 0, 0});
        const std::optional<std::time_t> dayEnd = RecordLocalTime(date, {23, 59, 59});
        whole_day_ = day_start_ && dayEnd && *dayEnd - *day_start_ == kLastSecondOfDay;
    }
    if (!whole_day_ || !InRange(time)) {
        return RecordLocalTime(date, time);
    }
    return *day_start_ + time.hour * 3600 + time.minute * 60 + time.second;
}
