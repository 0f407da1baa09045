// CProfileData: the records of a load profile summed per bucket: how many records each bucket got,
// the sum of their values and the last one's time stamp.
#pragma once

#include <vector>

#include "kivo32/analysis/timestamp_tou.h"

class CLoadProfile;
class CProfileColumnCache;

struct CProfileDataInfo {
    int m_nCount = 0;
    double m_dSum = 0.0;
    // The start of the interval of the last record added; not valid while none was.
    CTimestampTOU m_Date;
};

class CProfileData {
public:
    enum class BuildResult { Done, NotCached, RowsOutsideCache };

    virtual ~CProfileData() = default;

    // Sums rows firstRow..lastRow (grid rows; 0 counts as 1) of the column held by `cache`, which must
    // be `column`, into one entry per bucket of `profile`. A record covers the interval that ends at its
    // time stamp: it is placed, and judged by the profile's day filter, by the start of that interval
    // (its stamp less `fileIntervalSeconds`). Records without a value are left out. One pass over the
    // rows, no allocation per row. A refused build leaves the entries as they were.
    BuildResult Build(const CProfileColumnCache& cache, const CLoadProfile& profile, long fileIntervalSeconds,
                      int column, unsigned long firstRow, unsigned long lastRow);

    int GetCount() const { return static_cast<int>(entries_.size()); }
    // Entry `index`; null outside the entries.
    const CProfileDataInfo* GetEntry(int index) const;
    void RemoveAll() { entries_.clear(); }

private:
    std::vector<CProfileDataInfo> entries_;
};
