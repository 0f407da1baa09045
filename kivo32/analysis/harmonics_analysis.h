// The harmonics of one captured cycle of a channel's voltage and current: the magnitude of every
// harmonic, as a percentage of the fundamental (%F) or of the spectral total (%R), the RMS and peak
// values, crest factors, THD, the current's K-factor and the measured line frequency; and the statistics
// of a run of captures for the logs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "kivo32/analysis/harmonics_statistics.h"
#include "platform/fft/qc_static_data.h"
#include "shared/common/signal_calculations.h"

// How a logger captures one nominal cycle: its raw samples per quantity and the points analysed (one
// period of the line frequency, so that bin k is harmonic k).
struct CaptureGeometry {
    int rawSamples = 0;
    int points = 0;
    float lineFrequency = 0;

    bool Resampled() const { return rawSamples != points; }
    // The geometry of a logger type code at 50 Hz or 60 Hz: 128 points below type 13; 240 (50 Hz) or 200
    // (60 Hz) samples resampled to 256 for types 13 and 14; nothing (all 0) for other types.
    static CaptureGeometry For(int typeCode, bool fiftyHz);
};

// Linear interpolation of one cycle of `source` onto `destination`: point i lies at i x (source count /
// destination count); past the last sample the cycle wraps to the first. 32-bit float arithmetic.
void ResampleLinear(std::span<const float> source, std::span<float> destination);

// Raw counts to engineering units for one channel.
struct CaptureScales {
    float current = 0;  // amps per count
    float voltage = 0;  // volts per count

    // From the logger's A, V and R scalars and the channel's CT and PT values: the current scale is A x R
    // / 30000 when the channel's resistor switch is set, else A x CT; the voltage scale V x PT.
    static CaptureScales For(float aScalar, float vScalar, float rScalar, float ctValue, float ptValue,
                             bool resistorSwitch);
};

// The logger's capture buffer: current counts in entries 0-255, voltage counts in 256-511.
inline constexpr std::size_t kCaptureBufferEntries = 512;
inline constexpr std::size_t kCaptureVoltageOffset = 256;

enum class HarmonicsMode { PercentOfFundamental = 0, PercentOfTotal = 1 };
inline constexpr int kVoltage = 0;
inline constexpr int kCurrent = 1;
// The harmonic index the window offers: 0 (DC) to 63.
inline constexpr int kHighestSelectableHarmonic = 63;

// The figures of one analysed capture.
struct CaptureFigures {
    struct Quantity {
        float rms = 0;
        float peak = 0;
        float crest = 0;
        float thd = 0;               // per cent, in the capture's mode
        float total = 0;             // spectral total without DC
        std::vector<float> percent;  // bins 0..N/2-1 in per cent of the fundamental or the total
        std::vector<float> share;    // bins 0..N/2-1 as fractions of the total
        // The RMS value of harmonic k (its share of the waveform's RMS).
        float HarmonicRms(int k) const { return share[k] * rms; }
    };
    std::array<Quantity, 2> quantity;  // kVoltage, kCurrent
    float kFactor = 0;
    std::optional<float> frequency;  // the mean of the measured line frequencies, when measured
    HarmonicsMode mode = HarmonicsMode::PercentOfFundamental;
};

// The texts of the harmonics window's readouts.
struct HarmonicsReadouts {
    std::string selectedVolts, selectedVoltsPercent, selectedAmpsPercent, selectedAmps, selectedFrequency;
    std::string voltsPeak, voltsRms, ampsPeak, ampsRms, voltsThd, ampsThd, voltsCrest, ampsCrest;
    std::string kFactor, frequency;
};

// The computational half of the harmonics window. It owns the sample arrays (allocated once) and the
// statistics of the run; each capture goes through ProcessCapture once, and commits its figures and its
// statistics only when the whole analysis succeeded.
class CHarmonicsAnalysis {
public:
    explicit CHarmonicsAnalysis(CaptureGeometry geometry);
    CHarmonicsAnalysis(const CHarmonicsAnalysis&) = delete;
    CHarmonicsAnalysis& operator=(const CHarmonicsAnalysis&) = delete;

    const CaptureGeometry& Geometry() const { return geometry_; }
    HarmonicsMode Mode() const { return mode_; }
    void SetMode(HarmonicsMode mode) { mode_ = mode; }
    int SelectedHarmonic() const { return selected_; }
    // Clamped to 0-63 and below the points' half.
    void SetSelectedHarmonic(int index);

    // Scales the raw counts of `buffer` (at least 512 entries), resamples them where the geometry says,
    // measures the line frequency on channel index 0 only (channel 1), and analyses the cycle. False,
    // with nothing committed, when the buffer is short, an input is dead (no spectral total) or, in mode
    // %F, the fundamental is missing.
    bool ProcessCapture(std::span<const std::int32_t> buffer, CaptureScales scales, int channelIndex);
    // The last committed capture; null before the first.
    const CaptureFigures* LastCapture() const { return last_ ? &*last_ : nullptr; }

    // The readouts of the last capture, with the selected harmonic's texts.
    HarmonicsReadouts Readouts() const;
    // The frequency of the selected harmonic: "%.0f Hz" of k x the line frequency, or "DC" for 0.
    std::string ShowHarmonicFrequency() const;

    // The statistics since logging started.
    const CHarmonicsStatistics& Statistics() const { return statistics_; }
    void ClearStatistics() { statistics_ = {}; }
    // Forgets the line frequencies measured so far (the window opens anew).
    void ClearFrequencyHistory() { frequency_history_ = {}; }

private:
    std::optional<CaptureFigures> ComputeSpectrum();
    bool ComputeWaveformFigures(int quantity, CaptureFigures& figures);
    void ShowSelectedHarmonic(HarmonicsReadouts& readouts) const;

    CaptureGeometry geometry_;
    HarmonicsMode mode_ = HarmonicsMode::PercentOfFundamental;
    int selected_ = 0;
    std::vector<float> index_;
    std::array<std::vector<float>, 2> samples_;
    std::array<std::vector<float>, 2> working_;
    std::array<std::vector<float>, 2> second_;
    std::array<QCStaticData, 2> waveforms_;
    CZeroCrossingHistory frequency_history_;
    std::string frequency_text_;
    std::optional<CaptureFigures> last_;
    CHarmonicsStatistics statistics_;
};
