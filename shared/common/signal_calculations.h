// Two signal calculations of the real-time and analysis views: the THD estimate from power values and
// the line frequency from zero crossings.
#pragma once

#include <array>
#include <cfloat>
#include <span>

// Stands for an input that is not given, and is the result when THD cannot be estimated.
inline constexpr double kNotGiven = DBL_MAX;

// Total harmonic distortion in per cent from the apparent power against the fundamental's
// S1 = sqrt(kW^2 + kVAR^2): sqrt((kVA / S1)^2 - 1) x 100, or 0 when kVA is below S1. Inputs are taken
// as absolute values; kVAR may come from kW and the power factor, kVA from volts and amps.
// `powerFactorsDisagree` is set when kW / S1 and kW / kVA differ by 0.01 or more. kNotGiven when kVA,
// kW or kVAR is missing, or when kVA or S1 is 0 (a dead input gives no estimate, not a clean 0 %).
double CalculateTHD(double volts, double amps, double kVA, double kW, double kVAR, double powerFactor,
                    bool& powerFactorsDisagree);

// The last frequencies found, averaged; value-initialised by the caller before the first call.
struct CZeroCrossingHistory {
    static constexpr int kSize = 20;
    std::array<double, kSize> values{};
    int filled = 0;
    int next = 0;
};

// Finds the first two zero crossings of `samples` (linear interpolation between samples), takes
// |(count / 2) / distance x scale| as the frequency, where `samples` span one nominal cycle and `scale`
// is the nominal frequency, adds it to `history` and gives the history's mean in `frequency`. False,
// with `frequency` 0 and the history untouched, when there are no two crossings.
bool CalcZeroCrossingFrequency(float& frequency, double scale, CZeroCrossingHistory& history,
                               std::span<const double> samples);
