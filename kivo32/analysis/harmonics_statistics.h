// The statistics of a harmonics run for its log: a count and a sum per figure, the number of analysed
// captures and, per quantity, the sum of each harmonic's RMS value over the captures.
#pragma once

#include <array>

struct CaptureFigures;

// A sum and the count of its values. The sum is a double: a float sum of a long run (thousands of
// captures) drifts from the true mean by tenths of a per cent.
struct CRunningSum {
    int count = 0;
    double sum = 0;

    void Add(float value) {
        ++count;
        sum += value;
    }
    // The mean, with the count taken as at least 1.
    float Mean() const { return static_cast<float>(sum / (count > 0 ? count : 1)); }
};

// Harmonics 0 (DC) to 32 are summed; the logs read 0 to 31.
inline constexpr int kAccumulatedHarmonics = 33;

struct CHarmonicsStatistics {
    std::array<CRunningSum, 2> rms, thd, peak, crest;  // by quantity: voltage, current
    CRunningSum kFactor, frequency;
    int captures = 0;
    std::array<std::array<double, kAccumulatedHarmonics>, 2> harmonicRms{};

    // Adds one analysed capture.
    void Add(const CaptureFigures& figures);
    // The mean RMS value of harmonic k of a quantity over the analysed captures (at least 1).
    float MeanHarmonicRms(int quantity, int k) const;
};
