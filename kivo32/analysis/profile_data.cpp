// CProfileData: the records of a load profile summed per bucket.
#include "kivo32/analysis/profile_data.h"

#include <cmath>

#include "kivo32/analysis/load_profile.h"
#include "kivo32/analysis/profile_column_cache.h"

namespace {

bool DayTaken(int dayFilter, int dayOfWeek) {
    const CDayOfWeek day(dayOfWeek);
    switch (dayFilter) {
        case kProfileAllDays:
            return true;
        case kProfileWeekdays:
            return day.IsWeekday();
        case kProfileWeekendDays:
            return day.IsWeekend();
        default:
            return false;
    }
}

}  // namespace

CProfileData::BuildResult CProfileData::Build(const CProfileColumnCache& cache, const CLoadProfile& profile,
                                              long fileIntervalSeconds, int column, unsigned long firstRow,
                                              unsigned long lastRow) {
    if (cache.GetColumn() == 0 || cache.GetColumn() != column) {
        return BuildResult::NotCached;
    }
    firstRow = firstRow == 0 ? 1 : firstRow;
    if (lastRow > cache.GetRowCount()) {
        return BuildResult::RowsOutsideCache;
    }
    entries_.assign(static_cast<std::size_t>(profile.GetBucketCount()), CProfileDataInfo());
    const auto values = cache.GetValues();
    const CTimestampTOUArray& times = cache.GetTimes();
    for (unsigned long row = firstRow; row <= lastRow; ++row) {
        const float value = values[row - 1];
        if (std::isnan(value)) {
            continue;
        }
        const CTimestampTOU start = times[row - 1].MovedBy(-fileIntervalSeconds);
        if (!DayTaken(profile.GetDayFilter(), start.GetDayOfWeek())) {
            continue;
        }
        const int index = profile.GetBucketIndex(start);
        if (index < 0) {
            continue;
        }
        CProfileDataInfo& entry = entries_[static_cast<std::size_t>(index)];
        ++entry.m_nCount;
        entry.m_dSum += static_cast<double>(value);
        entry.m_Date = start;
    }
    return BuildResult::Done;
}

const CProfileDataInfo* CProfileData::GetEntry(int index) const {
    return index >= 0 && index < GetCount() ? &entries_[static_cast<std::size_t>(index)] : nullptr;
}
