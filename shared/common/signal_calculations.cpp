// The THD estimate from power values and the line frequency from zero crossings.
#include "shared/common/signal_calculations.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

bool IsGiven(double value) {
    return value != kNotGiven;
}

double Absolute(double value) {
    return IsGiven(value) ? std::fabs(value) : value;
}

// The fractional position of the next sign change from `index` on; `index` and `below` are left where
// the search goes on.
std::optional<double> NextCrossing(std::span<const double> samples, std::size_t& index, bool& below) {
    for (; index < samples.size(); ++index) {
        const bool nowBelow = samples[index] < 0;
        if (index > 0 && nowBelow != below) {
            below = nowBelow;
            const double position =
                static_cast<double>(index) - samples[index] / (samples[index] - samples[index - 1]);
            ++index;
            return position;
        }
        below = nowBelow;
    }
    return std::nullopt;
}

}  // namespace

double CalculateTHD(double volts, double amps, double kVA, double kW, double kVAR, double powerFactor,
                    bool& powerFactorsDisagree) {
    powerFactorsDisagree = false;
    volts = Absolute(volts);
    amps = Absolute(amps);
    kVA = Absolute(kVA);
    kW = Absolute(kW);
    kVAR = Absolute(kVAR);
    powerFactor = Absolute(powerFactor);

    // A power factor above 1 has no angle: kVAR stays unknown.
    if (!IsGiven(kVAR) && IsGiven(kW) && IsGiven(powerFactor) && powerFactor <= 1.0) {
        kVAR = std::tan(std::acos(powerFactor)) * kW;
    }
    if (!IsGiven(kVA)) {
        if (!IsGiven(volts) || !IsGiven(amps)) {
            return kNotGiven;
        }
        kVA = volts * amps / 1000.0;
    }
    // No apparent power (volts or amps of 0) leaves nothing to compare the fundamental with.
    if (kVA == 0) {
        return kNotGiven;
    }
    if (!IsGiven(kW) || !IsGiven(kVAR)) {
        return kNotGiven;
    }
    const double fundamental = std::sqrt(kW * kW + kVAR * kVAR);
    if (std::fabs(kW / fundamental - kW / kVA) >= 0.01) {
        powerFactorsDisagree = true;
    }
    if (fundamental == 0) {
        return kNotGiven;
    }
    const double ratio = kVA / fundamental;
    return ratio < 1 ? 0.0 : std::sqrt(ratio * ratio - 1) * 100.0;
}

bool CalcZeroCrossingFrequency(float& frequency, double scale, CZeroCrossingHistory& history,
                               std::span<const double> samples) {
    frequency = 0;
    if (samples.empty()) {
        return false;
    }
    // A start exactly on zero would count as a crossing of its own.
    std::size_t index = samples[0] == 0 ? 1 : 0;
    bool below = index < samples.size() && samples[index] < 0;
    const std::optional<double> first = NextCrossing(samples, index, below);
    const std::optional<double> second = first ? NextCrossing(samples, index, below) : std::nullopt;
    if (!second) {
        return false;
    }
    const double value = std::fabs(static_cast<double>(samples.size() / 2) / (*second - *first) * scale);
    if (!std::isfinite(value)) {
        return false;
    }
    history.values[history.next] = value;
    history.next = (history.next + 1) % CZeroCrossingHistory::kSize;
    history.filled = std::min(history.filled + 1, CZeroCrossingHistory::kSize);
    double sum = 0;
    for (double stored : history.values) {
        sum += stored;
    }
    frequency = static_cast<float>(sum / history.filled);
    return true;
}
