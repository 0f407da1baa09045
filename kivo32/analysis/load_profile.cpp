// CLoadProfile: the bucket table of a load profile.
#include "kivo32/analysis/load_profile.h"

#include <array>

namespace {

constexpr long kSecondsPerDay = 86400;
constexpr long kOneMinute = 60;

// Seconds of codes 1-16.
constexpr std::array<long, 16> kCodeSeconds{1,   3,   5,   10,   15,   30,   60,    120,
                                            300, 600, 900, 1200, 1800, 3600, 43200, 86400};

// The table's code of each data-file interval code 0-16; 7 (a logger-only second) has none.
constexpr std::array<int, 17> kDataFileCodes{7, 9, 11, 13, 14, 15, 16, 0, 3, 4, 5, 6, 2, 8, 10, 12, 1};

}  // namespace

long LoadProfileIntervalSeconds(int intervalCode) {
    return intervalCode >= 1 && intervalCode <= static_cast<int>(kCodeSeconds.size())
               ? kCodeSeconds[static_cast<std::size_t>(intervalCode - 1)]
               : 0;
}

int LoadProfileIntervalCode(int dataFileIntervalCode) {
    return dataFileIntervalCode >= 0 && dataFileIntervalCode < static_cast<int>(kDataFileCodes.size())
               ? kDataFileCodes[static_cast<std::size_t>(dataFileIntervalCode)]
               : 0;
}

void CLoadProfile::Init(int period, int dayFilter, int intervalCode, const CDayOfWeek& startDay,
                        bool minuteMinimum) {
    m_Buckets.clear();
    m_nPeriod = period;
    m_nDayFilter = dayFilter;
    m_nIntervalCode = intervalCode;
    m_StartDay = startDay;
    m_bMinuteMinimum = minuteMinimum;
    m_nIntervalSeconds = LoadProfileIntervalSeconds(intervalCode);
    if (minuteMinimum && (period == kProfileDaily || period == kProfileWeekly) && m_nIntervalSeconds > 0 &&
        m_nIntervalSeconds < kOneMinute) {
        m_nIntervalSeconds = kOneMinute;
    }
    m_nBucketsPerDay = m_nIntervalSeconds > 0 ? static_cast<int>(kSecondsPerDay / m_nIntervalSeconds) : 0;
    Reset();
}

void CLoadProfile::InitFrom(const CLoadProfile& other) {
    Init(other.m_nPeriod, other.m_nDayFilter, other.m_nIntervalCode, other.m_StartDay,
         other.m_bMinuteMinimum);
}

bool CLoadProfile::IsSameLayout(const CLoadProfile& other) const {
    return m_nPeriod == other.m_nPeriod && m_nIntervalCode == other.m_nIntervalCode;
}

void CLoadProfile::Reset() {
    const int days = m_nPeriod == kProfileWeekly ? 7 : m_nPeriod == kProfileDaily ? 1 : 0;
    m_Buckets.assign(static_cast<std::size_t>(days * m_nBucketsPerDay), CBucket());
}

bool CLoadProfile::GetBucket(int index, CBucket& bucket) const {
    if (!IsValidIndex(index)) {
        return false;
    }
    bucket = m_Buckets[static_cast<std::size_t>(index)];
    return true;
}

int CLoadProfile::GetBucketIndex(const CTimestampTOU& stamp) const {
    if (!stamp.IsValid() || m_nIntervalSeconds <= 0) {
        return -1;
    }
    int dayOffset = 0;
    if (m_nPeriod == kProfileWeekly) {
        dayOffset = m_StartDay.DaysUntil(CDayOfWeek(stamp.GetDayOfWeek())) * m_nBucketsPerDay;
    }
    const long index = dayOffset + stamp.GetSecondOfDay() / m_nIntervalSeconds;
    return index < GetBucketCount() ? static_cast<int>(index) : -1;
}

long CLoadProfile::GetBucketStartTime(int index) const {
    return IsValidIndex(index) ? index * m_nIntervalSeconds % kSecondsPerDay : 0;
}

std::string CLoadProfile::GetDayName(int index) const {
    if (m_nPeriod != kProfileWeekly || !IsValidIndex(index)) {
        return {};
    }
    CDayOfWeek day = m_StartDay;
    day.AddDays(index / m_nBucketsPerDay);
    return day.GetName();
}
