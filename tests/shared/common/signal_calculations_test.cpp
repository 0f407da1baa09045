// The THD estimate from power values and the line frequency from zero crossings, on generated
// waveforms.
#include "shared/common/signal_calculations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

// One cycle of a voltage sine and a current of the given harmonics (rms amperes, harmonic 1 lagging
// the voltage by `lag`), measured the way a logger measures them.
struct Measured {
    double volts, amps, kW;
};

Measured Measure(double voltsRms, const std::vector<std::pair<int, double>>& currentHarmonics, double lag) {
    constexpr int kSamples = 20000;
    double sumV2 = 0, sumI2 = 0, sumP = 0;
    for (int k = 0; k < kSamples; ++k) {
        const double angle = 2 * kPi * k / kSamples;
        const double v = voltsRms * std::sqrt(2.0) * std::sin(angle);
        double i = 0;
        for (const auto& [order, rms] : currentHarmonics) {
            i += rms * std::sqrt(2.0) * std::sin(order * angle - (order == 1 ? lag : 0));
        }
        sumV2 += v * v;
        sumI2 += i * i;
        sumP += v * i;
    }
    return {std::sqrt(sumV2 / kSamples), std::sqrt(sumI2 / kSamples), sumP / kSamples / 1000.0};
}

TEST(CalculateTHDTest, FindsTheCurrentDistortionOfAGeneratedWaveform) {
    struct Case {
        std::vector<std::pair<int, double>> harmonics;
        double lag;
    };
    const Case cases[] = {
        {{{1, 10.0}}, 0.0},
        {{{1, 10.0}, {3, 3.0}}, 0.0},
        {{{1, 10.0}, {3, 3.0}, {5, 2.0}, {7, 1.0}}, 0.5},
        {{{1, 50.0}, {5, 10.0}}, 0.8},
    };
    for (const Case& c : cases) {
        double harmonicsSquared = 0;
        for (const auto& [order, rms] : c.harmonics) {
            harmonicsSquared += order == 1 ? 0 : rms * rms;
        }
        const double expected = std::sqrt(harmonicsSquared) / c.harmonics[0].second * 100;
        const Measured m = Measure(230.0, c.harmonics, c.lag);
        bool disagree = true;
        const double thd =
            CalculateTHD(m.volts, m.amps, kNotGiven, m.kW, kNotGiven, std::cos(c.lag), disagree);
        EXPECT_NEAR(thd, expected, 0.01) << "lag " << c.lag;
        EXPECT_EQ(disagree, expected > 1.0);  // kW/kVA falls below the displacement power factor
    }
}

TEST(CalculateTHDTest, FollowsTheRulesForMissingAndOddValues) {
    struct Case {
        const char* name;
        double volts, amps, kVA, kW, kVAR, pf;
        double thd;
        bool disagree;
    };
    const double x = kNotGiven;
    const Case cases[] = {
        {"kVA equal to S1", x, x, 5.0, 3.0, 4.0, x, 0.0, false},
        {"kVA below S1", x, x, 4.0, 3.0, 4.0, x, 0.0, true},
        {"kVA twice S1", x, x, 10.0, 3.0, 4.0, x, std::sqrt(3.0) * 100, true},
        {"signs are ignored", x, x, -5.0, -3.0, -4.0, x, 0.0, false},
        {"kVA from volts and amps", 100.0, 50.0, x, 3.0, 4.0, x, 0.0, false},
        {"kVAR from the power factor", x, x, 5.0, 3.0, x, 0.6, 0.0, false},
        {"no kVA, no volts", x, 50.0, x, 3.0, 4.0, x, x, false},
        {"no kW", x, x, 5.0, x, 4.0, 0.6, x, false},
        {"no kVAR and no power factor", x, x, 5.0, 3.0, x, x, x, false},
        {"a power factor above 1", x, x, 5.0, 3.0, x, 1.2, x, false},
        {"no power at all", x, x, 5.0, 0.0, 0.0, x, x, false},
        {"480 V, 100 A, 40 kW, power factor 0.8", 480.0, 100.0, x, 40.0, x, 0.8, 0.0, true},
        {"240 V, 250 A, 48 kW, 36 kVAR", 240.0, 250.0, x, 48.0, 36.0, x, 0.0, false},
        {"240 V, 300 A, 48 kW, 36 kVAR", 240.0, 300.0, x, 48.0, 36.0, x, std::sqrt(0.44) * 100, true},
        {"volts of 0", 0.0, 100.0, x, 40.0, 30.0, x, x, false},
        {"amps of 0", 480.0, 0.0, x, 40.0, x, 0.8, x, false},
        {"a given kVA of 0", x, x, 0.0, 3.0, 4.0, x, x, false},
    };
    for (const Case& c : cases) {
        bool disagree = !c.disagree;
        const double thd = CalculateTHD(c.volts, c.amps, c.kVA, c.kW, c.kVAR, c.pf, disagree);
        if (c.thd == kNotGiven) {
            EXPECT_EQ(thd, kNotGiven) << c.name;
        } else {
            EXPECT_NEAR(thd, c.thd, 1e-5) << c.name;
        }
        EXPECT_EQ(disagree, c.disagree) << c.name;
    }
}

// `count` samples over one cycle of the nominal frequency, of a sine at `frequency`.
std::vector<double> Sine(double frequency, double nominal, int count, double phase) {
    std::vector<double> samples(count);
    for (int k = 0; k < count; ++k) {
        samples[k] = std::sin(2 * kPi * frequency * k / (count * nominal) + phase);
    }
    return samples;
}

TEST(ZeroCrossingFrequencyTest, MeasuresTheFrequencyOfAGeneratedSine) {
    struct Case {
        double frequency, nominal, phase;
        int count;
    };
    const Case cases[] = {
        {50.0, 50.0, 0.3, 128}, {49.5, 50.0, 2.0, 128}, {50.5, 50.0, 4.0, 200},
        {60.0, 60.0, 1.0, 256}, {59.7, 60.0, 5.5, 64},  {61.0, 60.0, 0.1, 256},
    };
    for (const Case& c : cases) {
        CZeroCrossingHistory history;
        float frequency = 0;
        ASSERT_TRUE(CalcZeroCrossingFrequency(frequency, c.nominal, history,
                                              Sine(c.frequency, c.nominal, c.count, c.phase)));
        EXPECT_NEAR(frequency, c.frequency, 0.02) << c.frequency << " Hz, phase " << c.phase;
    }
}

TEST(ZeroCrossingFrequencyTest, AveragesTheLastTwentyValues) {
    CZeroCrossingHistory history;
    float frequency = 0;
    ASSERT_TRUE(CalcZeroCrossingFrequency(frequency, 50, history, Sine(49.0, 50, 128, 1.0)));
    ASSERT_TRUE(CalcZeroCrossingFrequency(frequency, 50, history, Sine(51.0, 50, 128, 1.0)));
    EXPECT_NEAR(frequency, 50.0, 0.02);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(CalcZeroCrossingFrequency(frequency, 50, history, Sine(50.5, 50, 128, 1.0)));
    }
    EXPECT_NEAR(frequency, 50.5, 0.02);  // the first two have left the ring
    EXPECT_EQ(history.filled, 20);
}

TEST(ZeroCrossingFrequencyTest, WithoutTwoCrossingsThereIsNoValue) {
    const std::vector<std::vector<double>> cases = {
        {},
        {1, 2, 3, 2, 1},
        {1, 2, -1, -2, -3},  // one crossing
        {0, 1, 2, 1, 0.5},   // a start on zero is no crossing
        {0, -1, -2, -1, -0.5},
    };
    for (const auto& samples : cases) {
        CZeroCrossingHistory history;
        float frequency = 99;
        EXPECT_FALSE(CalcZeroCrossingFrequency(frequency, 50, history, samples));
        EXPECT_EQ(frequency, 0.0f);
        EXPECT_EQ(history.filled, 0);
    }
}

TEST(ZeroCrossingFrequencyTest, InterpolatesBetweenSamples) {
    // Crossings at 1.5 and 3.25: (8 / 2) / 1.75 x 50.
    const std::vector<double> samples{1, 1, -1, -1, 3, 1, 1, 1};
    CZeroCrossingHistory history;
    float frequency = 0;
    ASSERT_TRUE(CalcZeroCrossingFrequency(frequency, 50, history, samples));
    EXPECT_NEAR(frequency, 4 / 1.75 * 50, 1e-4);
}

}  // namespace
