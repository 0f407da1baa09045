// The spectral transform on kissfft's real transform.
#include "platform/fft/spectral_transform.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace platform {

namespace {

struct ConfigDeleter {
    void operator()(kiss_fftr_state* config) const { kiss_fftr_free(config); }
};

}  // namespace

bool TransformRealPoints(std::span<float> points, std::span<float> second) {
    const std::size_t count = points.size();
    if (count < 2 || count % 2 != 0 || second.size() != count ||
        !std::all_of(points.begin(), points.end(), [](float point) { return std::isfinite(point); })) {
        return false;
    }
    const std::unique_ptr<kiss_fftr_state, ConfigDeleter> config(
        kiss_fftr_alloc(static_cast<int>(count), 0, nullptr, nullptr));
    if (!config) {
        return false;
    }
    std::vector<kiss_fft_cpx> bins(count / 2 + 1);
    kiss_fftr(config.get(), points.data(), bins.data());
    std::fill(points.begin(), points.end(), 0.0f);
    std::fill(second.begin(), second.end(), 0.0f);
    for (std::size_t k = 0; k < bins.size(); ++k) {
        points[k] = bins[k].r;
        second[k] = bins[k].i;
    }
    return true;
}

bool BinMagnitude(std::span<const float> points, std::span<const float> second, int k, float& magnitude) {
    const std::size_t count = points.size();
    if (k < 0 || static_cast<std::size_t>(k) > count / 2 || second.size() != count) {
        return false;
    }
    const double modulus = std::hypot(static_cast<double>(points[k]), static_cast<double>(second[k]));
    // A sine of amplitude A gives N x A / 2 in its bin (half of it at N/2); the mean gives N x mean in bin 0.
    const bool single = k == 0 || 2 * static_cast<std::size_t>(k) == count;
    magnitude = static_cast<float>(modulus / static_cast<double>(count) * (single ? 1.0 : std::sqrt(2.0)));
    return true;
}

double BinFrequency(int pointCount, float sampleRate, int k) {
    return pointCount > 0 ? static_cast<double>(k) * sampleRate / pointCount : 0.0;
}

bool FloatRange(std::span<const float> values, float& minimum, float& maximum) {
    if (values.empty()) {
        return false;
    }
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    minimum = *low;
    maximum = *high;
    return true;
}

}  // namespace platform
