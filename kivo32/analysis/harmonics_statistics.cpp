// The statistics of a harmonics run.
#include "kivo32/analysis/harmonics_statistics.h"

#include "kivo32/analysis/harmonics_analysis.h"

void CHarmonicsStatistics::Add(const CaptureFigures& figures) {
    for (int q : {kVoltage, kCurrent}) {
        const CaptureFigures::Quantity& quantity = figures.quantity[q];
        rms[q].Add(quantity.rms);
        thd[q].Add(quantity.thd);
        peak[q].Add(quantity.peak);
        crest[q].Add(quantity.crest);
        for (int k = 0; k < kAccumulatedHarmonics; ++k) {
            harmonicRms[q][k] += quantity.HarmonicRms(k);
        }
    }
    kFactor.Add(figures.kFactor);
    if (figures.frequency) {
        frequency.Add(*figures.frequency);
    }
    ++captures;
}

float CHarmonicsStatistics::MeanHarmonicRms(int quantity, int k) const {
    return static_cast<float>(harmonicRms[quantity][k] / (captures > 0 ? captures : 1));
}
