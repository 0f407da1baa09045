// CLoadProfileTOU: the bucket table filled from summed profile data: each bucket the average of the
// records of its interval.
#pragma once

#include <span>

#include "kivo32/analysis/load_profile.h"

class CProfileData;

class CLoadProfileTOU : public CLoadProfile {
public:
    // Every entry of `data` in order; *done is 0 while it runs and 1 after.
    void FillFromProfileData(const CProfileData& data, int* done = nullptr);
    // The bucket of entry `entryIndex` (the one its time stamp falls into) takes the average of the
    // entry's records; an entry without records leaves it alone. False, changing nothing, for an entry
    // whose stamp has no bucket.
    bool SetBucketFromEntry(int entryIndex, const CProfileData& data);
    // The bucket values from bucket 0, at most out.size(); how many were copied.
    int GetValues(std::span<float> out) const;
};
