// A captured waveform in engineering units: volts, amps and kW of each sample.
#pragma once

#include <vector>

#include "shared/logger/config_table.h"

// What turns raw samples into volts and amps.
struct WaveformScales {
    float currentScalar = 0;
    float voltageScalar = 0;
    float rangeScalar = 0;
    float currentFactor = 0;  // the channel's current scale factor of the setup
    float voltageFactor = 0;  // the channel's voltage scale factor of the setup
    // The Quarven's range word of the channel: when not 0 the current is raw x current scalar x range
    // scalar / 30000.
    int rangeWord = 0;
    bool quarven = false;
    // The Standard model's capture keeps its samples in the order read; the others are stored last
    // sample first.
    bool inReadOrder = false;
};

struct WaveformCurves {
    std::vector<float> volts;
    std::vector<float> amps;
    std::vector<float> kW;
    // Each range includes 0.
    float voltsMin = 0;
    float voltsMax = 0;
    float ampsMin = 0;
    float ampsMax = 0;
};

inline constexpr int kWaveformFlat = -2;

// Scales the first `count` samples of `table`, sample i stored at count - 1 - i (at i in read order). 0, or
// kWaveformFlat when the volts or the amps are the same throughout (the curves are filled either way).
int ScaleWaveform(const ConfigTable& table, int count, const WaveformScales& scales, WaveformCurves& curves);
