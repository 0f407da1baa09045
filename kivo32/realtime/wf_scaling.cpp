// A captured waveform in engineering units.
#include "kivo32/realtime/wf_scaling.h"

#include <algorithm>

int ScaleWaveform(const ConfigTable& table, int count, const WaveformScales& scales, WaveformCurves& curves) {
    count = std::clamp(count, 0, static_cast<int>(ConfigTable::kEntries));
    const auto n = static_cast<std::size_t>(count);
    curves = {};
    curves.volts.resize(n);
    curves.amps.resize(n);
    curves.kW.resize(n);
    constexpr float kRangeDivisor = 30000.0f;
    const float ampsPerCount = scales.quarven && scales.rangeWord != 0
                                   ? scales.currentScalar * scales.rangeScalar / kRangeDivisor
                                   : scales.currentScalar * scales.currentFactor;
    const float voltsPerCount = scales.voltageScalar * scales.voltageFactor;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = scales.inReadOrder ? i : n - 1 - i;
        curves.amps[at] = static_cast<float>(table.current[i]) * ampsPerCount;
        curves.volts[at] = static_cast<float>(table.voltage[i]) * voltsPerCount;
        curves.kW[at] = curves.volts[at] * curves.amps[at] * 0.001f;
        curves.voltsMin = std::min(curves.voltsMin, curves.volts[at]);
        curves.voltsMax = std::max(curves.voltsMax, curves.volts[at]);
        curves.ampsMin = std::min(curves.ampsMin, curves.amps[at]);
        curves.ampsMax = std::max(curves.ampsMax, curves.amps[at]);
    }
    const bool flat = curves.voltsMin == curves.voltsMax || curves.ampsMin == curves.ampsMax;
    return flat ? kWaveformFlat : 0;
}
