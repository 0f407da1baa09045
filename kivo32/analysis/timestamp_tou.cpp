// CTimestampTOU and CTimestampTOUArray: record time stamps on the wall clock.
#include "kivo32/analysis/timestamp_tou.h"

#include <ctime>
#include <new>
#include <optional>

#include "platform/base/local_time.h"
#include "shared/common/calendar.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// 1970-01-01 was a Thursday (5, counting Sunday as 1); 25569 days lie between it and the OLE zero date.
constexpr int kEpochDayOfWeek = 5;
constexpr std::int64_t kOleDaysAtEpoch = 25569;

// Days from 1970-01-01 to the given Gregorian date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

}  // namespace

bool CTimestampTOU::SetFromFields(int year, int month, int day, int hour, int minute, int second) {
    if (!TimeFromFields(year, month, day, hour, minute, second)) {
        return false;
    }
    wall_seconds_ = DaysFromCivil(year, month, day) * kSecondsPerDay + (hour * 60 + minute) * 60 + second;
    return true;
}

bool CTimestampTOU::SetFromOleDate(double oleDate) {
    const std::optional<std::tm> fields = platform::FromOleDate(oleDate);
    return fields && SetFromFields(fields->tm_year + 1900, fields->tm_mon + 1, fields->tm_mday,
                                   fields->tm_hour, fields->tm_min, fields->tm_sec);
}

double CTimestampTOU::GetOleDateTime() const {
    if (!IsValid()) {
        return 0.0;
    }
    const std::int64_t days = FloorDiv(wall_seconds_, kSecondsPerDay);
    return static_cast<double>(days + kOleDaysAtEpoch) +
           static_cast<double>(GetSecondOfDay()) / static_cast<double>(kSecondsPerDay);
}

int CTimestampTOU::GetSecondOfDay() const {
    return static_cast<int>(wall_seconds_ - FloorDiv(wall_seconds_, kSecondsPerDay) * kSecondsPerDay);
}

int CTimestampTOU::GetDayOfWeek() const {
    if (!IsValid()) {
        return 0;
    }
    const std::int64_t days = FloorDiv(wall_seconds_, kSecondsPerDay);
    return static_cast<int>((days % 7 + 7 + kEpochDayOfWeek - 1) % 7) + 1;
}

CTimestampTOU CTimestampTOU::MovedBy(std::int64_t seconds) const {
    CTimestampTOU moved = *this;
    if (IsValid()) {
        moved.wall_seconds_ += seconds;
    }
    return moved;
}

bool CTimestampTOUArray::SetSize(std::size_t count) {
    RemoveAll();
    try {
        stamps_.resize(count);
        return true;
    } catch (const std::bad_alloc&) {
        RemoveAll();
        return false;
    }
}

void CTimestampTOUArray::RemoveAll() {
    std::vector<CTimestampTOU>().swap(stamps_);
}

bool CTimestampTOUArray::GetAt(std::size_t index, CTimestampTOU& stamp) const {
    if (index >= stamps_.size()) {
        return false;
    }
    stamp = stamps_[index];
    return true;
}

bool CTimestampTOUArray::SetAt(std::size_t index, const CTimestampTOU& stamp) {
    if (index >= stamps_.size()) {
        return false;
    }
    stamps_[index] = stamp;
    return true;
}
