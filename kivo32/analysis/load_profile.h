// CLoadProfile: the bucket table of a load profile: one bucket per interval of a day or of a week
// beginning on a chosen day, the bucket a time stamp falls into, and the time and day of each bucket.
#pragma once

#include <string>
#include <vector>

#include "kivo32/analysis/bucket.h"
#include "kivo32/analysis/timestamp_tou.h"
#include "shared/common/day_of_week.h"

// Periods and day filters as the table keeps them.
inline constexpr int kProfileDaily = 1;
inline constexpr int kProfileWeekly = 2;
inline constexpr int kProfileAllDays = 1;
inline constexpr int kProfileWeekdays = 2;
inline constexpr int kProfileWeekendDays = 3;

// Interval codes 1-16 of the table (1 second to one day); others have no interval.
long LoadProfileIntervalSeconds(int intervalCode);
// The table's interval code of a data file's interval code (its setup's); 0 when it has none.
int LoadProfileIntervalCode(int dataFileIntervalCode);

class CLoadProfile {
public:
    CLoadProfile() = default;
    virtual ~CLoadProfile() = default;

    // Takes the settings, derives the interval (with `minuteMinimum`, intervals below a minute become
    // one minute) and makes every bucket of the day or week, all reset. A code outside the table leaves
    // the table empty.
    virtual void Init(int period, int dayFilter, int intervalCode, const CDayOfWeek& startDay,
                      bool minuteMinimum);
    virtual void InitFrom(const CLoadProfile& other);
    // Same period and interval code; the day filter and the start day are not compared.
    virtual bool IsSameLayout(const CLoadProfile& other) const;

    bool IsValid() const { return m_nPeriod != 0 && m_nDayFilter != 0 && m_nIntervalCode != 0; }
    bool IsValidIndex(int index) const { return index >= 0 && index < GetBucketCount(); }
    // All buckets of the current settings, reset.
    void Reset();
    void RemoveAll() { m_Buckets.clear(); }

    int GetBucketCount() const { return static_cast<int>(m_Buckets.size()); }
    // False, `bucket` untouched, for an invalid index.
    bool GetBucket(int index, CBucket& bucket) const;
    // The bucket whose interval holds `stamp` (one on a boundary belongs to the bucket that begins
    // there); -1 for an invalid stamp or an empty table.
    int GetBucketIndex(const CTimestampTOU& stamp) const;
    // The second of the day at which bucket `index` begins; 0 for an invalid index.
    long GetBucketStartTime(int index) const;
    // The name of the day of bucket `index` of a weekly profile; empty otherwise.
    std::string GetDayName(int index) const;

    int GetPeriod() const { return m_nPeriod; }
    int GetDayFilter() const { return m_nDayFilter; }
    int GetIntervalCode() const { return m_nIntervalCode; }
    const CDayOfWeek& GetStartDay() const { return m_StartDay; }
    long GetIntervalSeconds() const { return m_nIntervalSeconds; }
    int GetBucketsPerDay() const { return m_nBucketsPerDay; }

protected:
    CBucket& BucketAt(int index) { return m_Buckets[static_cast<std::size_t>(index)]; }

private:
    int m_nPeriod = 0;
    int m_nDayFilter = 0;
    int m_nIntervalCode = 0;
    CDayOfWeek m_StartDay{2};
    long m_nIntervalSeconds = 0;
    int m_nBucketsPerDay = 0;
    std::vector<CBucket> m_Buckets;
    bool m_bMinuteMinimum = false;
};
