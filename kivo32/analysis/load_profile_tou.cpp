// CLoadProfileTOU: the bucket table filled from summed profile data.
#include "kivo32/analysis/load_profile_tou.h"

#include <algorithm>

#include "kivo32/analysis/profile_data.h"

void CLoadProfileTOU::FillFromProfileData(const CProfileData& data, int* done) {
    if (done != nullptr) {
        *done = 0;
    }
    for (int entry = 0; entry < data.GetCount(); ++entry) {
        SetBucketFromEntry(entry, data);
    }
    if (done != nullptr) {
        *done = 1;
    }
}

bool CLoadProfileTOU::SetBucketFromEntry(int entryIndex, const CProfileData& data) {
    const CProfileDataInfo* entry = data.GetEntry(entryIndex);
    if (entry == nullptr || entry->m_nCount == 0) {
        return entry != nullptr;
    }
    const int bucket = GetBucketIndex(entry->m_Date);
    if (bucket < 0) {
        return false;
    }
    BucketAt(bucket).SetValue(static_cast<float>(entry->m_dSum / entry->m_nCount));
    return true;
}

int CLoadProfileTOU::GetValues(std::span<float> out) const {
    const int count = std::min(GetBucketCount(), static_cast<int>(out.size()));
    CBucket bucket;
    for (int index = 0; index < count; ++index) {
        GetBucket(index, bucket);
        out[static_cast<std::size_t>(index)] = bucket.GetValue();
    }
    return count;
}
