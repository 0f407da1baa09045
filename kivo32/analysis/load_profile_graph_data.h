// The points of a load-profile graph: one per bucket, each labelled with its hour (a day) or its day
// (a week), and the range of the y axis.
#pragma once

#include <string>
#include <vector>

class CLoadProfileTOU;

struct LoadProfileGraphData {
    std::vector<double> x;
    std::vector<double> y;
    std::vector<std::string> labels;
    // 24 hours or 7 days.
    double xAxisEnd = 0.0;
    double yMinimum = 0.0;
    double yMaximum = 0.0;
};

// False, `data` untouched, for a profile without buckets.
bool PrepareLoadProfileGraphData(const CLoadProfileTOU& profile, LoadProfileGraphData& data);
