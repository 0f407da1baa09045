// The points of a load-profile graph, their labels and the range of the y axis.
#include "kivo32/analysis/load_profile_graph_data.h"

#include <algorithm>

#include "kivo32/analysis/load_profile_tou.h"

namespace {

// A week's last points stay unlabelled, so that the axis does not begin another Monday at its end.
constexpr int kWeekPointsUnlabelled = 9;
constexpr long kSecondsPerHour = 3600;

}  // namespace

bool PrepareLoadProfileGraphData(const CLoadProfileTOU& profile, LoadProfileGraphData& data) {
    const int points = profile.GetBucketCount();
    if (points <= 0) {
        return false;
    }
    LoadProfileGraphData prepared;
    const bool weekly = profile.GetPeriod() == kProfileWeekly;
    prepared.xAxisEnd = weekly ? 7.0 : 24.0;
    std::vector<float> values(static_cast<std::size_t>(points));
    profile.GetValues(values);
    prepared.y.assign(values.begin(), values.end());
    prepared.x.resize(prepared.y.size());
    prepared.labels.resize(prepared.y.size());
    for (int point = 0; point < points; ++point) {
        prepared.x[static_cast<std::size_t>(point)] = point;
        std::string& label = prepared.labels[static_cast<std::size_t>(point)];
        if (!weekly) {
            label = std::to_string(profile.GetBucketStartTime(point) / kSecondsPerHour);
        } else if (point < points - kWeekPointsUnlabelled) {
            label = profile.GetDayName(point);
        }
    }
    const auto [lowest, highest] = std::minmax_element(prepared.y.begin(), prepared.y.end());
    prepared.yMinimum = *lowest;
    prepared.yMaximum = *highest;
    if (prepared.yMaximum == prepared.yMinimum) {
        prepared.yMaximum += 1.0;
    }
    prepared.yMaximum = std::max(prepared.yMaximum, 0.0);
    data = std::move(prepared);
    return true;
}
