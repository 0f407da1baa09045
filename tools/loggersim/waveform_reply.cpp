// The simulated logger's waveform capture.
#include "tools/loggersim/waveform_reply.h"

#include <cmath>
#include <cstring>
#include <numbers>

#include "shared/setup/setup_codes.h"
#include "shared/setup/sut_header.h"
#include "tools/loggersim/logger_state.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr double kVoltageAmplitude = 16000;
constexpr double kCurrentAmplitude = 8000;
constexpr double kCurrentLag = std::numbers::pi / 6;
// A start off zero, so that the first sample is no crossing of its own.
constexpr double kStartPhase = 0.3;

bool Is50Hz(const LoggerState& s) {
    const auto active = s.setups.find(1);
    return active != s.setups.end() && (active->second.GetHeader().GetOptionByte() & CSUTHeader::kOption50Hz);
}

void PutBig(Bytes& bytes, std::int32_t value, int size) {
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
    }
}

void PutBigFloat(Bytes& bytes, float value) {
    std::int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutBig(bytes, bits, 4);
}

std::int32_t SampleAt(const std::vector<std::int32_t>& samples, int i) {
    return i < static_cast<int>(samples.size()) ? samples[static_cast<std::size_t>(i)] : 0;
}

}  // namespace

int WaveformSampleCount(const LoggerState& s) {
    if (s.typeCode == kModelStandard) {
        return 256;
    }
    if (s.typeCode >= kModelOrnatFirst && s.typeCode <= kModelOrnatLast) {
        return 128;
    }
    if (s.typeCode >= kModelQuarvenRS) {
        return Is50Hz(s) ? 240 : 200;
    }
    return 0;
}

std::array<float, 2> StandardWaveformScalars() {
    constexpr double kCtSize = 200;
    return {static_cast<float>(100 * std::numbers::sqrt2 / kCurrentAmplitude / kCtSize),
            static_cast<float>(230 * std::numbers::sqrt2 / kVoltageAmplitude)};
}

Bytes WaveformReply(const LoggerState& s, int channel) {
    const int count = WaveformSampleCount(s);
    const SimulatedWaveform& w = s.waveform;
    const bool ownSamples = !w.voltage.empty() || !w.current.empty();
    const double nominal = Is50Hz(s) ? 50.0 : 60.0;
    const double cycles = (w.frequencyHz > 0 ? w.frequencyHz : nominal) / nominal;
    const bool flat = w.flatChannels.count(channel) != 0;
    const int currentBytes = s.typeCode >= kModelQuarvenRS ? 4 : 2;
    Bytes bytes;
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * cycles * i / count + kStartPhase;
        const std::int32_t voltage =
            ownSamples ? SampleAt(w.voltage, i)
                       : static_cast<std::int32_t>(std::lround(kVoltageAmplitude * std::sin(angle)));
        const std::int32_t current =
            flat ? 0
            : ownSamples
                ? SampleAt(w.current, i)
                : static_cast<std::int32_t>(std::lround(kCurrentAmplitude * std::sin(angle - kCurrentLag)));
        PutBig(bytes, voltage, 2);
        PutBig(bytes, current, currentBytes);
    }
    if (s.typeCode == kModelStandard) {
        PutBigFloat(bytes, s.scalars[1]);
        PutBigFloat(bytes, s.scalars[0]);
    }
    return bytes;
}
