// The simulated logger's waveform capture.
#include "tools/loggersim/waveform_reply.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "shared/setup/setup_codes.h"
#include "shared/setup/sut_header.h"
#include "tools/loggersim/logger_state.h"
#include "tools/loggersim/real_time_values.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

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

// What the program divides A x R by for a Quarven input of fixed CT.
constexpr double kRangeDivisor = 30000;
constexpr float kFineAmpsScalar = 1e-4F;
constexpr float kFineVoltsScalar = 0.02F;

// The sine's peak counts of `channel`, volts then amps: its r.m.s. readings at the last real-time fetch
// over what the program multiplies each count by. A scalar of 0 reads nothing.
std::array<double, 2> PeakCounts(const LoggerState& s, int channel) {
    const auto active = s.setups.find(1);
    if (active == s.setups.end()) {
        return {0, 0};
    }
    const CSetupTable& setup = active->second;
    const CSUTChannelHardware& input = setup.GetHardwareChannel(channel % kHardwareChannels);
    const auto [volts, amps] = ChannelVoltsAndAmps(s, setup, channel, s.realTimeFetches);
    const double voltsPerCount = double{s.scalars[1]} * input.GetPTRatio();
    const bool fixedCt = s.typeCode >= kModelQuarvenRS && input.GetCTType() != 0;
    const double ampsPerCount = fixedCt ? double{s.scalars[0]} * s.scalars[2] / kRangeDivisor
                                        : double{s.scalars[0]} * input.GetCTSize();
    const auto counts = [](double rms, double perCount) {
        return perCount > 0 ? rms * std::numbers::sqrt2 / perCount : 0.0;
    };
    return {counts(volts, voltsPerCount), counts(amps, ampsPerCount)};
}

// `value` rounded into a signed field of `bytes` bytes.
std::int32_t Counts(double value, int bytes) {
    const double limit = std::ldexp(1.0, 8 * bytes - 1);
    return static_cast<std::int32_t>(std::clamp(std::round(value), -limit, limit - 1));
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

std::array<float, 3> InitialScalars(int typeCode) {
    if (typeCode == kModelStandard) {
        return {kFineAmpsScalar, kFineVoltsScalar, 0.0F};
    }
    if (typeCode >= kModelQuarvenRS) {
        return {kFineAmpsScalar, kFineVoltsScalar, static_cast<float>(kRangeDivisor)};
    }
    return {1.0F, 1.0F, 0.0F};
}

Bytes WaveformReply(const LoggerState& s, int channel) {
    const int count = WaveformSampleCount(s);
    const SimulatedWaveform& w = s.waveform;
    const bool ownSamples = !w.voltage.empty() || !w.current.empty();
    const double nominal = Is50Hz(s) ? 50.0 : 60.0;
    const double cycles = (w.frequencyHz > 0 ? w.frequencyHz : nominal) / nominal;
    const bool flat = w.flatChannels.count(channel) != 0;
    const int currentBytes = s.typeCode >= kModelQuarvenRS ? 4 : 2;
    const auto [voltsPeak, ampsPeak] = PeakCounts(s, channel);
    Bytes bytes;
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * cycles * i / count + kStartPhase;
        const std::int32_t voltage =
            ownSamples ? SampleAt(w.voltage, i) : Counts(voltsPeak * std::sin(angle), 2);
        const std::int32_t current = flat         ? 0
                                     : ownSamples ? SampleAt(w.current, i)
                                                  : Counts(ampsPeak * std::sin(angle - kCurrentLag), currentBytes);
        PutBig(bytes, voltage, 2);
        PutBig(bytes, current, currentBytes);
    }
    if (s.typeCode == kModelStandard) {
        PutBigFloat(bytes, s.scalars[1]);
        PutBigFloat(bytes, s.scalars[0]);
    }
    return bytes;
}
