// The statistics of a harmonics run for its log: a count and a sum per figure, the number of analysed
// captures and, per quantity, the sum of each harmonic's RMS value over the captures.
#pragma once

#include <array>

struct CaptureFigures;

// A float sum and the count of its values.
struct CRunningSum {
    int count = 0;
    float sum = 0;

    void Add(float value) {
        ++count;
        sum += value;
    }
    // The mean, with the count taken as at least 1.
    float Mean() const { return sum / static_cast<float>(count > 0 ? count : 1); }
};

// Harmonics 0 (DC) to 32 are summed; the logs read 0 to 31.
inline constexpr int kAccumulatedHarmonics = 33;

struct CHarmonicsStatistics {
    std::array<CRunningSum, 2> rms, thd, peak, crest;  // by quantity: voltage, current
    CRunningSum kFactor, frequency;
    int captures = 0;
    std::array<std::array<float, kAccumulatedHarmonics>, 2> harmonicRms{};

    // Adds one analysed capture.
    void Add(const CaptureFigures& figures);
    // The mean RMS value of harmonic k of a quantity over the analysed captures (at least 1).
    float MeanHarmonicRms(int quantity, int k) const;
};
