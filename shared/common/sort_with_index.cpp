// Sorting a table of values together with the indices that say where each value came from.
#include "shared/common/sort_with_index.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

template <typename Compare>
void SortWithIndex(std::span<double> values, std::span<int> indices, Compare compare) {
    const std::size_t count = std::min(values.size(), indices.size());
    std::vector<std::pair<double, int>> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        rows.emplace_back(values[i], indices[i]);
    }
    // A NaN would break the ordering the sort relies on: NaNs go last.
    std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
        if (std::isnan(a.first)) {
            return false;
        }
        return std::isnan(b.first) || compare(a.first, b.first);
    });
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = rows[i].first;
        indices[i] = rows[i].second;
    }
}

}  // namespace

void SortAscendingWithIndex(std::span<double> values, std::span<int> indices) {
    SortWithIndex(values, indices, std::less<double>());
}

void SortDescendingWithIndex(std::span<double> values, std::span<int> indices) {
    SortWithIndex(values, indices, std::greater<double>());
}
