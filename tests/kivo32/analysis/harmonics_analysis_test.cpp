// The harmonics of cycles computed here, whose figures follow from the mathematics: a pure sine, a
// fundamental with 10 % third and 5 % fifth, a square wave, at 128 points and at 200 and 240 samples
// resampled to 256; the geometry, the scales, the texts and the captures that fail.
#include "kivo32/analysis/harmonics_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
// Counts per volt or amp of the test captures: fine enough that rounding to counts does not show.
constexpr double kCountsPerUnit = 10000.0;
constexpr CaptureScales kUnitScales{static_cast<float>(1 / kCountsPerUnit),
                                    static_cast<float>(1 / kCountsPerUnit)};

using Waveform = std::function<double(double angle)>;

// Harmonics given as (order, amplitude relative to the fundamental's amplitude `amplitude`).
Waveform SumOfHarmonics(double amplitude, std::vector<std::pair<int, double>> harmonics, double phase = 0.3) {
    return [=](double angle) {
        double value = amplitude * std::sin(angle + phase);
        for (const auto& [order, relative] : harmonics) {
            value += relative * amplitude * std::sin(order * (angle + phase));
        }
        return value;
    };
}

Waveform Square(double amplitude) {
    return [=](double angle) { return angle < kPi ? amplitude : -amplitude; };
}

// The logger's buffer: `raw` samples of one cycle of each waveform, current first, voltage at 256.
std::vector<std::int32_t> Capture(const Waveform& volts, const Waveform& amps, int raw) {
    std::vector<std::int32_t> buffer(kCaptureBufferEntries);
    for (int i = 0; i < raw; ++i) {
        const double angle = 2 * kPi * i / raw;
        buffer[i] = static_cast<std::int32_t>(std::lround(amps(angle) * kCountsPerUnit));
        buffer[kCaptureVoltageOffset + i] =
            static_cast<std::int32_t>(std::lround(volts(angle) * kCountsPerUnit));
    }
    return buffer;
}

// The type code and line frequency of each raw count.
CaptureGeometry GeometryOf(int raw) {
    return raw == 128 ? CaptureGeometry::For(1, false) : CaptureGeometry::For(13, raw == 240);
}

// The THD that linear interpolation adds to a sine of n samples per cycle, at most, in per cent.
double InterpolationBound(int raw) {
    return std::sqrt(2.0) * std::pow(2 * kPi / raw, 2) / 8 * 100;
}

TEST(HarmonicsAnalysisTest, APureSineHasNoDistortion) {
    for (int raw : {128, 200, 240}) {
        const double amplitude = 325.0;
        CHarmonicsAnalysis analysis(GeometryOf(raw));
        ASSERT_TRUE(analysis.ProcessCapture(
            Capture(SumOfHarmonics(amplitude, {}), SumOfHarmonics(20.0, {}), raw), kUnitScales, 0));
        const CaptureFigures& figures = *analysis.LastCapture();
        const double bound = raw == 128 ? 1e-3 : InterpolationBound(raw);
        const CaptureFigures::Quantity& volts = figures.quantity[kVoltage];
        EXPECT_LT(volts.thd, bound) << raw;
        EXPECT_LT(figures.quantity[kCurrent].thd, bound) << raw;
        EXPECT_NEAR(volts.rms, amplitude / std::sqrt(2.0),
                    amplitude / std::sqrt(2.0) * std::max(bound / 100, 1e-5))
            << raw;
        // The sample nearest the crest lies within half a step of it; resampled, on a chord below the sine.
        const double lowest = raw == 128 ? amplitude * std::cos(kPi / raw)
                                         : amplitude * (std::cos(kPi / 256) - std::pow(2 * kPi / raw, 2) / 8);
        EXPECT_GE(volts.peak, lowest - 1e-3) << raw;
        EXPECT_LE(volts.peak, amplitude + 1e-3) << raw;
        EXPECT_NEAR(volts.crest, volts.peak / volts.rms, 1e-4) << raw;
        EXPECT_NEAR(volts.crest, std::sqrt(2.0), 0.002) << raw;
        EXPECT_NEAR(volts.percent[1], 100.0, 1e-4) << raw;
        if (raw == 128) {
            EXPECT_NEAR(figures.kFactor, 1.0, 1e-5);
        }
    }
}

TEST(HarmonicsAnalysisTest, AThirdAndAFifthGiveTheirShares) {
    const Waveform distorted = SumOfHarmonics(100.0, {{3, 0.10}, {5, 0.05}});
    for (int raw : {128, 200, 240}) {
        // Resampling bends each of the three sines by at most the interpolation bound.
        const double tolerance = raw == 128 ? 1e-3 : 0.06;
        CHarmonicsAnalysis analysis(GeometryOf(raw));
        ASSERT_TRUE(analysis.ProcessCapture(Capture(distorted, distorted, raw), kUnitScales, 0));
        const CaptureFigures::Quantity& amps = analysis.LastCapture()->quantity[kCurrent];
        EXPECT_NEAR(amps.thd, 11.180, tolerance) << raw;
        EXPECT_NEAR(amps.percent[3], 10.0, tolerance) << raw;
        EXPECT_NEAR(amps.percent[5], 5.0, tolerance) << raw;
        EXPECT_NEAR(amps.percent[2], 0.0, tolerance) << raw;
        if (raw == 128) {
            EXPECT_NEAR(analysis.LastCapture()->kFactor, 1.1383, 1e-4);
        }

        analysis.SetMode(HarmonicsMode::PercentOfTotal);
        ASSERT_TRUE(analysis.ProcessCapture(Capture(distorted, distorted, raw), kUnitScales, 0));
        const CaptureFigures::Quantity& volts = analysis.LastCapture()->quantity[kVoltage];
        EXPECT_NEAR(volts.thd, 11.111, tolerance) << raw;
        EXPECT_NEAR(volts.percent[1], 100 / std::sqrt(1.0125), tolerance) << raw;
        EXPECT_NEAR(volts.percent[3], 10 / std::sqrt(1.0125), tolerance) << raw;
    }
}

TEST(HarmonicsAnalysisTest, ASquareWaveHasItsOddHarmonics) {
    constexpr int n = 128;
    CHarmonicsAnalysis analysis(GeometryOf(n));
    ASSERT_TRUE(analysis.ProcessCapture(Capture(Square(100.0), Square(10.0), n), kUnitScales, 0));
    const CaptureFigures& figures = *analysis.LastCapture();
    const CaptureFigures::Quantity& amps = figures.quantity[kCurrent];
    for (int k = 2; k < n / 2; ++k) {
        const double expected = k % 2 == 0 ? 0.0 : std::sin(kPi / n) / std::sin(kPi * k / n) * 100;
        EXPECT_NEAR(amps.percent[k], expected, 1e-3) << "harmonic " << k;
    }
    EXPECT_NEAR(amps.percent[3], 33.36, 0.005);
    EXPECT_NEAR(amps.thd, 48.317, 1e-3);
    EXPECT_NEAR(amps.crest, 1.0, 1e-6);
    EXPECT_NEAR(figures.kFactor, 35.95, 0.005);

    analysis.SetMode(HarmonicsMode::PercentOfTotal);
    ASSERT_TRUE(analysis.ProcessCapture(Capture(Square(100.0), Square(10.0), n), kUnitScales, 0));
    EXPECT_NEAR(analysis.LastCapture()->quantity[kVoltage].thd, 43.505, 1e-3);
}

TEST(HarmonicsAnalysisTest, ResamplingWrapsToTheFirstSample) {
    std::vector<float> source(240);
    for (std::size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<float>(i * i % 97);
    }
    std::vector<float> points(256);
    ResampleLinear(source, points);
    const float step = 240.0f / 256.0f;
    EXPECT_FLOAT_EQ(points[0], source[0]);
    EXPECT_FLOAT_EQ(points[255], (source[0] - source[239]) * (255 * step - 239) + source[239]);
    EXPECT_FLOAT_EQ(points[128], source[120]);  // 128 x 240 / 256 falls on a sample
    const float at1 = 1 * step;
    EXPECT_FLOAT_EQ(points[1], (source[1] - source[0]) * at1 + source[0]);
}

TEST(HarmonicsAnalysisTest, GeometryAndScalesFollowTheLoggerAndChannel) {
    struct Case {
        int type;
        bool fiftyHz;
        int raw, points;
        float line;
    };
    const Case cases[] = {{0, true, 128, 128, 50},   {12, false, 128, 128, 60}, {13, true, 240, 256, 50},
                          {14, false, 200, 256, 60}, {15, false, 0, 0, 60},     {-1, true, 0, 0, 50}};
    for (const Case& c : cases) {
        const CaptureGeometry geometry = CaptureGeometry::For(c.type, c.fiftyHz);
        EXPECT_EQ(geometry.rawSamples, c.raw) << c.type;
        EXPECT_EQ(geometry.points, c.points) << c.type;
        if (c.points != 0) {
            EXPECT_EQ(geometry.lineFrequency, c.line) << c.type;
        }
    }
    const CaptureScales byResistor = CaptureScales::For(2.0f, 3.0f, 600.0f, 100.0f, 4.0f, true);
    EXPECT_FLOAT_EQ(byResistor.current, 2.0f * 600.0f / 30000.0f);
    EXPECT_FLOAT_EQ(byResistor.voltage, 12.0f);
    const CaptureScales byCt = CaptureScales::For(2.0f, 3.0f, 600.0f, 100.0f, 4.0f, false);
    EXPECT_FLOAT_EQ(byCt.current, 200.0f);
    EXPECT_FLOAT_EQ(byCt.voltage, 12.0f);
}

TEST(HarmonicsAnalysisTest, ReadoutsShowTheSelectedHarmonicAndItsFrequency) {
    CHarmonicsAnalysis analysis(GeometryOf(128));
    const Waveform distorted = SumOfHarmonics(100.0, {{3, 0.10}, {5, 0.05}});
    ASSERT_TRUE(analysis.ProcessCapture(Capture(distorted, distorted, 128), kUnitScales, 0));
    analysis.SetSelectedHarmonic(5);
    HarmonicsReadouts readouts = analysis.Readouts();
    EXPECT_EQ(readouts.selectedFrequency, "300 Hz");
    EXPECT_EQ(readouts.selectedVoltsPercent, "5.0 %F");
    EXPECT_EQ(readouts.selectedAmps, "3.54 Arms");  // 5 % of an amplitude of 100
    EXPECT_EQ(readouts.voltsThd, "11.2 %F");
    EXPECT_EQ(readouts.kFactor, "1.14");
    EXPECT_EQ(readouts.frequency, "60.0 Hz");

    analysis.SetSelectedHarmonic(0);
    readouts = analysis.Readouts();
    EXPECT_EQ(readouts.selectedFrequency, "DC");
    EXPECT_EQ(readouts.selectedVolts, "0.0 Vrms");
    analysis.SetSelectedHarmonic(99);
    EXPECT_EQ(analysis.SelectedHarmonic(), 63);

    CHarmonicsAnalysis resampled(CaptureGeometry::For(13, true));
    resampled.SetSelectedHarmonic(31);
    EXPECT_EQ(resampled.ShowHarmonicFrequency(), "1550 Hz");
}

TEST(HarmonicsAnalysisTest, OnlyChannelOneMeasuresTheLineFrequency) {
    // 61 Hz against a nominal 60: the cycle runs over the 128 points by 1/60.
    const Waveform fast = [](double angle) { return 100 * std::sin(angle * 61 / 60 + 0.2); };
    for (int channel : {0, 1, 3}) {
        CHarmonicsAnalysis analysis(GeometryOf(128));
        ASSERT_TRUE(analysis.ProcessCapture(Capture(fast, fast, 128), kUnitScales, channel));
        EXPECT_EQ(analysis.Readouts().frequency, channel == 0 ? "61.0 Hz" : "") << channel;
        EXPECT_EQ(analysis.Statistics().frequency.count, channel == 0 ? 1 : 0) << channel;
    }
}

TEST(HarmonicsAnalysisTest, AFailedCaptureCommitsNothing) {
    const Waveform sine = SumOfHarmonics(100.0, {});
    const Waveform dead = [](double) { return 0.0; };
    const Waveform constant = [](double) { return 5.0; };
    const Waveform thirdOnly = [](double angle) { return 10 * std::sin(3 * angle); };
    struct Case {
        const char* name;
        Waveform volts, amps;
        HarmonicsMode mode;
        bool succeeds;
    };
    const Case cases[] = {
        {"dead current input", sine, dead, HarmonicsMode::PercentOfFundamental, false},
        {"dead voltage input", dead, sine, HarmonicsMode::PercentOfTotal, false},
        {"DC only", constant, sine, HarmonicsMode::PercentOfTotal, false},
        {"no fundamental in %F", thirdOnly, sine, HarmonicsMode::PercentOfFundamental, false},
        {"no fundamental in %R", thirdOnly, sine, HarmonicsMode::PercentOfTotal, true},
    };
    for (const Case& c : cases) {
        CHarmonicsAnalysis analysis(GeometryOf(128));
        analysis.SetMode(c.mode);
        EXPECT_EQ(analysis.ProcessCapture(Capture(c.volts, c.amps, 128), kUnitScales, 0), c.succeeds)
            << c.name;
        EXPECT_EQ(analysis.Statistics().captures, c.succeeds ? 1 : 0) << c.name;
        EXPECT_EQ(analysis.LastCapture() != nullptr, c.succeeds) << c.name;
        EXPECT_EQ(analysis.Statistics().frequency.count, c.succeeds ? 1 : 0) << c.name;
    }

    CHarmonicsAnalysis analysis(GeometryOf(128));
    ASSERT_TRUE(analysis.ProcessCapture(Capture(sine, sine, 128), kUnitScales, 0));
    EXPECT_FALSE(analysis.ProcessCapture(Capture(sine, dead, 128), kUnitScales, 0));
    EXPECT_EQ(analysis.Statistics().captures, 1);
    EXPECT_NEAR(analysis.LastCapture()->quantity[kCurrent].rms, 100 / std::sqrt(2.0), 1e-3);  // the good one
    const std::vector<std::int32_t> shortBuffer(511);
    EXPECT_FALSE(analysis.ProcessCapture(shortBuffer, kUnitScales, 0));
    EXPECT_FALSE(analysis.ProcessCapture(Capture(sine, sine, 128), kUnitScales, 4));
}

TEST(HarmonicsAnalysisTest, StatisticsSumEachHarmonicsRms) {
    CHarmonicsAnalysis analysis(GeometryOf(128));
    const Waveform distorted = SumOfHarmonics(100.0, {{3, 0.10}});
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(analysis.ProcessCapture(Capture(distorted, distorted, 128), kUnitScales, 1));
    }
    const CHarmonicsStatistics& statistics = analysis.Statistics();
    EXPECT_EQ(statistics.captures, 3);
    EXPECT_EQ(statistics.rms[kVoltage].count, 3);
    EXPECT_NEAR(statistics.MeanHarmonicRms(kVoltage, 1), 100 / std::sqrt(2.0), 1e-3);
    EXPECT_NEAR(statistics.MeanHarmonicRms(kCurrent, 3), 10 / std::sqrt(2.0), 1e-3);
    EXPECT_NEAR(statistics.thd[kCurrent].Mean(), 10.0, 1e-3);
    EXPECT_EQ(statistics.frequency.Mean(), 0.0f);  // channel 2: no frequency, its count taken as 1
    analysis.ClearStatistics();
    EXPECT_EQ(analysis.Statistics().captures, 0);
}

}  // namespace

namespace {

TEST(HarmonicsStatisticsTest, TheMeanOfALongRunKeepsItsDigits) {
    // Two thousand captures a second against a fast link: a float sum would lose the tenths.
    CRunningSum rms;
    for (int i = 0; i < 200000; ++i) {
        rms.Add(11313.0f + (i % 2 == 0 ? 0.25f : -0.25f));
    }
    EXPECT_NEAR(rms.Mean(), 11313.0f, 0.01f);
    EXPECT_EQ(CRunningSum().Mean(), 0.0f);  // no values: the count is taken as 1
}

}  // namespace
