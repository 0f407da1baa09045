// The values of a graph: serial-date X values shared by every subset, and each subset's Y values in
// their min/max pyramid.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "platform/ui/graph/min_max_pyramid.h"

namespace platform {

struct GraphData {
    // Ascending serial dates, one per point.
    std::vector<double> x;
    // One per subset, each as long as x.
    std::vector<MinMaxPyramid> subsets;

    std::size_t PointCount() const { return x.size(); }
    std::size_t SubsetCount() const { return subsets.size(); }
    // The first point at or after `serialDate`.
    std::size_t FirstPointFrom(double serialDate) const {
        return static_cast<std::size_t>(std::lower_bound(x.begin(), x.end(), serialDate) - x.begin());
    }
    // The points [first, last) from `from` through `to`.
    std::pair<std::size_t, std::size_t> PointsBetween(double from, double to) const {
        const auto last = std::upper_bound(x.begin(), x.end(), to) - x.begin();
        return {FirstPointFrom(from), static_cast<std::size_t>(last)};
    }
};

}  // namespace platform
