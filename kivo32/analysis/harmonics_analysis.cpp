// The harmonics of one captured cycle.
#include "kivo32/analysis/harmonics_analysis.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/base/string_format.h"
#include "platform/fft/spectral_transform.h"

namespace {

// The type codes whose capture is resampled, and their raw counts.
constexpr int kFirstResampledType = 13;
constexpr int kLastResampledType = 14;
constexpr int kPlainPoints = 128;
constexpr int kResampledPoints = 256;
constexpr int kRawSamplesAt50Hz = 240;
constexpr int kRawSamplesAt60Hz = 200;
// Below this fraction of the spectral total a fundamental is float rounding, not a signal.
constexpr double kMissingFundamental = 1e-5;
// The resistor scale's divisor.
constexpr float kResistorDivisor = 30000.0f;

std::string PercentText(float value, HarmonicsMode mode) {
    return platform::StringPrintf(mode == HarmonicsMode::PercentOfFundamental ? "%.1f %%F" : "%.1f %%R",
                                  value);
}

}  // namespace

CaptureGeometry CaptureGeometry::For(int typeCode, bool fiftyHz) {
    const float lineFrequency = fiftyHz ? 50.0f : 60.0f;
    if (typeCode >= 0 && typeCode < kFirstResampledType) {
        return {kPlainPoints, kPlainPoints, lineFrequency};
    }
    if (typeCode == kFirstResampledType || typeCode == kLastResampledType) {
        return {fiftyHz ? kRawSamplesAt50Hz : kRawSamplesAt60Hz, kResampledPoints, lineFrequency};
    }
    return {};
}

void ResampleLinear(std::span<const float> source, std::span<float> destination) {
    if (source.empty()) {
        std::fill(destination.begin(), destination.end(), 0.0f);
        return;
    }
    const int count = static_cast<int>(source.size());
    const float step = static_cast<float>(count) / static_cast<float>(destination.size());
    for (std::size_t i = 0; i < destination.size(); ++i) {
        const float position = static_cast<float>(i) * step;
        const int j = std::min(static_cast<int>(position), count - 1);
        // The cycle wraps: past the last sample comes the first.
        const int next = j + 1 < count ? j + 1 : 0;
        destination[i] = (source[next] - source[j]) * (position - static_cast<float>(j)) + source[j];
    }
}

CaptureScales CaptureScales::For(float aScalar, float vScalar, float rScalar, float ctValue, float ptValue,
                                 bool resistorSwitch) {
    return {resistorSwitch ? aScalar * rScalar / kResistorDivisor : aScalar * ctValue, vScalar * ptValue};
}

CHarmonicsAnalysis::CHarmonicsAnalysis(CaptureGeometry geometry)
    : geometry_(geometry),
      index_(geometry.points),
      samples_{std::vector<float>(geometry.points), std::vector<float>(geometry.points)},
      working_{std::vector<float>(geometry.points), std::vector<float>(geometry.points)},
      second_{std::vector<float>(geometry.points), std::vector<float>(geometry.points)},
      waveforms_{QCStaticData("Orig VOLT", index_, samples_[kVoltage]),
                 QCStaticData("Orig AMP", index_, samples_[kCurrent])} {
    std::iota(index_.begin(), index_.end(), 0.0f);
}

void CHarmonicsAnalysis::SetSelectedHarmonic(int index) {
    selected_ =
        std::clamp(index, 0, std::min(kHighestSelectableHarmonic, std::max(geometry_.points / 2 - 1, 0)));
}

bool CHarmonicsAnalysis::ProcessCapture(std::span<const std::int32_t> buffer, CaptureScales scales,
                                        int channelIndex) {
    if (geometry_.points == 0 || buffer.size() < kCaptureBufferEntries || channelIndex < 0 ||
        channelIndex > 3) {
        return false;
    }
    const std::size_t raw = static_cast<std::size_t>(geometry_.rawSamples);
    const std::pair<int, float> quantities[] = {{kCurrent, scales.current}, {kVoltage, scales.voltage}};
    for (const auto& [quantity, scale] : quantities) {
        const std::size_t offset = quantity == kCurrent ? 0 : kCaptureVoltageOffset;
        std::vector<float> scaled(raw);
        for (std::size_t i = 0; i < raw; ++i) {
            scaled[i] = static_cast<float>(buffer[offset + i]) * scale;
        }
        if (geometry_.Resampled()) {
            ResampleLinear(scaled, samples_[quantity]);
        } else {
            std::copy(scaled.begin(), scaled.end(), samples_[quantity].begin());
        }
    }

    // Only channel 1 measures the line frequency.
    CZeroCrossingHistory history = frequency_history_;
    std::optional<float> frequency;
    if (channelIndex == 0) {
        const std::vector<double> volts(samples_[kVoltage].begin(), samples_[kVoltage].end());
        float measured = 0;
        if (CalcZeroCrossingFrequency(measured, geometry_.lineFrequency, history, volts)) {
            frequency = measured;
        }
    }
    std::optional<CaptureFigures> figures = ComputeSpectrum();
    if (!figures) {
        return false;
    }
    figures->frequency = frequency;
    frequency_history_ = history;
    if (frequency) {
        frequency_text_ = platform::StringPrintf("%.1f Hz", *frequency);
    }
    statistics_.Add(*figures);
    last_ = std::move(figures);
    return true;
}

std::optional<CaptureFigures> CHarmonicsAnalysis::ComputeSpectrum() {
    const int half = geometry_.points / 2;
    CaptureFigures figures;
    figures.mode = mode_;
    for (int quantity : {kCurrent, kVoltage}) {
        working_[quantity] = samples_[quantity];
        if (!platform::TransformRealPoints(working_[quantity], second_[quantity])) {
            return std::nullopt;
        }
        // The magnitudes first; they become percentages below.
        std::vector<float>& magnitudes = figures.quantity[quantity].percent;
        magnitudes.resize(half);
        for (int k = 0; k < half; ++k) {
            platform::BinMagnitude(working_[quantity], second_[quantity], k, magnitudes[k]);
        }
    }
    if (!ComputeWaveformFigures(kVoltage, figures) || !ComputeWaveformFigures(kCurrent, figures)) {
        return std::nullopt;
    }
    for (CaptureFigures::Quantity& quantity : figures.quantity) {
        const float reference = mode_ == HarmonicsMode::PercentOfTotal ? quantity.total : quantity.percent[1];
        quantity.share.resize(half);
        for (int k = 0; k < half; ++k) {
            quantity.share[k] = quantity.percent[k] / quantity.total;
            quantity.percent[k] = quantity.percent[k] * 100.0f / reference;
        }
    }
    return figures;
}

bool CHarmonicsAnalysis::ComputeWaveformFigures(int quantity, CaptureFigures& figures) {
    CaptureFigures::Quantity& figure = figures.quantity[quantity];
    const std::vector<float>& samples = samples_[quantity];
    const std::vector<float>& magnitudes = figure.percent;
    const double squares = std::accumulate(samples.begin(), samples.end(), 0.0, [](double sum, float sample) {
        return sum + double(sample) * sample;
    });
    figure.rms = static_cast<float>(std::sqrt(squares / static_cast<double>(samples.size())));

    float minimum = 0, maximum = 0;
    if (!platform::StaticDataRange(waveforms_[quantity].GetHandle(), minimum, maximum)) {
        return false;
    }
    figure.peak = std::max(std::fabs(minimum), std::fabs(maximum));

    double harmonics = 0;
    double weighted = static_cast<double>(magnitudes[1]) * magnitudes[1];
    for (std::size_t k = 2; k < magnitudes.size(); ++k) {
        const double square = static_cast<double>(magnitudes[k]) * magnitudes[k];
        harmonics += square;
        weighted += static_cast<double>(k * k) * square;
    }
    const double total = std::sqrt(static_cast<double>(magnitudes[1]) * magnitudes[1] + harmonics);
    figure.total = static_cast<float>(total);
    // A dead input has no spectrum. Percentages of a missing fundamental would be infinite: a fundamental
    // within the transform's float rounding of the total counts as missing.
    const double reference = mode_ == HarmonicsMode::PercentOfTotal ? total : magnitudes[1];
    if (total == 0 || reference <= total * kMissingFundamental) {
        return false;
    }
    figure.thd = static_cast<float>(std::sqrt(harmonics) / reference * 100.0);
    figure.crest = figure.peak / figure.rms;
    if (quantity == kCurrent) {
        figures.kFactor = static_cast<float>(weighted / (total * total));
    }
    return true;
}

HarmonicsReadouts CHarmonicsAnalysis::Readouts() const {
    HarmonicsReadouts readouts;
    readouts.frequency = frequency_text_;
    readouts.selectedFrequency = ShowHarmonicFrequency();
    if (!last_) {
        return readouts;
    }
    const CaptureFigures::Quantity& volts = last_->quantity[kVoltage];
    const CaptureFigures::Quantity& amps = last_->quantity[kCurrent];
    readouts.voltsPeak = platform::StringPrintf("%.1f Vpk", volts.peak);
    readouts.voltsRms = platform::StringPrintf("%.1f Vrms", volts.rms);
    readouts.ampsPeak = platform::StringPrintf("%.2f Apk", amps.peak);
    readouts.ampsRms = platform::StringPrintf("%.2f Arms", amps.rms);
    readouts.voltsThd = PercentText(volts.thd, last_->mode);
    readouts.ampsThd = PercentText(amps.thd, last_->mode);
    readouts.voltsCrest = platform::StringPrintf("%.3f", volts.crest);
    readouts.ampsCrest = platform::StringPrintf("%.3f", amps.crest);
    readouts.kFactor = platform::StringPrintf("%.2f", last_->kFactor);
    ShowSelectedHarmonic(readouts);
    return readouts;
}

void CHarmonicsAnalysis::ShowSelectedHarmonic(HarmonicsReadouts& readouts) const {
    const CaptureFigures::Quantity& volts = last_->quantity[kVoltage];
    const CaptureFigures::Quantity& amps = last_->quantity[kCurrent];
    readouts.selectedVolts = platform::StringPrintf("%.1f Vrms", volts.HarmonicRms(selected_));
    readouts.selectedAmps = platform::StringPrintf("%.2f Arms", amps.HarmonicRms(selected_));
    readouts.selectedVoltsPercent = PercentText(volts.percent[selected_], last_->mode);
    readouts.selectedAmpsPercent = PercentText(amps.percent[selected_], last_->mode);
}

std::string CHarmonicsAnalysis::ShowHarmonicFrequency() const {
    if (selected_ == 0) {
        return "DC";
    }
    const float rate = static_cast<float>(geometry_.points) * geometry_.lineFrequency;
    return platform::StringPrintf("%.0f Hz", platform::BinFrequency(geometry_.points, rate, selected_));
}
