// The text of a load-profile table and its CSV file.
#include "kivo32/analysis/load_profile_table.h"

#include "kivo32/analysis/load_profile_tou.h"
#include "platform/base/string_format.h"
#include "shared/common/date_time_text.h"

namespace {

std::string TimeText(long secondOfDay) {
    return FormatTimeText(static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                          static_cast<int>(secondOfDay % 60));
}

}  // namespace

int LoadProfileTableColumns(const CLoadProfile& profile) {
    return profile.GetPeriod() == kProfileWeekly ? 4 : 3;
}

std::string LoadProfileCellText(const CLoadProfileTOU& profile, int bucket, int column) {
    // A daily table has no day column: its columns start at the start time.
    const int field = LoadProfileTableColumns(profile) == 4 ? column : column + 1;
    CBucket value;
    if (!profile.GetBucket(bucket, value)) {
        return {};
    }
    switch (field) {
        case 1:
            return profile.GetDayName(bucket);
        case 2:
            return TimeText(profile.GetBucketStartTime(bucket));
        case 3:
            return TimeText(profile.GetBucketStartTime(bucket) + profile.GetIntervalSeconds() - 1);
        case 4:
            return platform::StringPrintf("%.3f", static_cast<double>(value.GetValue()));
        default:
            return {};
    }
}

std::string LoadProfileCsvText(const CLoadProfileTOU& profile) {
    std::string text;
    const int columns = LoadProfileTableColumns(profile);
    for (int bucket = 0; bucket < profile.GetBucketCount(); ++bucket) {
        for (int column = 1; column <= columns; ++column) {
            text += LoadProfileCellText(profile, bucket, column);
            text += column < columns ? "," : "\n";
        }
    }
    return text;
}
