// The simulated logger's current values, laid out as each model sends them: the inverse of the program's
// real-time decoders, with the scalars and channel factors of the simulated logger.
#include "tools/loggersim/real_time_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "shared/setup/setup_codes.h"
#include "tools/loggersim/logger_state.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
// Volts, amps, kW, kVA, power factor, kVAR: the order of a power channel's quantities and alarms.
using PowerReading = std::array<float, kPowerQuantities>;

void PutBig(Bytes& bytes, std::size_t at, std::int64_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * (size - 1 - i)));
    }
}

void PutFloat(Bytes& bytes, std::size_t at, float value, bool littleEndian) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(bits >> (littleEndian ? 8 * i : 24 - 8 * i));
    }
}

// Between -1 and 1: each channel on its own course, moving with each fetch.
float Swing(int channel, int fetch, double rate) {
    return static_cast<float>(std::sin(fetch * rate + channel * 1.3));
}

float TemperatureCelsius(int channel, int fetch) {
    return 21.0f + 1.5f * Swing(channel, fetch, 0.35);
}

float Count(int channel, int fetch) {
    return static_cast<float>(100 * channel + 3 * fetch);
}

// A power quantity just beyond the alarm's limit; the limits of the powers are in watts.
float BeyondAlarm(const CSUTAlarm& alarm, int quantity) {
    const bool power = quantity == kQuantityKW || quantity == kQuantityKVA || quantity == kQuantityKVAR;
    const float scale = power ? 0.001f : 1.0f;
    const float limit = (alarm.IsHighAlarmOn() ? alarm.GetHighLimit() : alarm.GetLowLimit()) * scale;
    const float margin = std::fabs(limit) * 0.05f + 0.01f;
    return alarm.IsHighAlarmOn() ? limit + margin : limit - margin;
}

// Volts round 230, amps round half the channel's CT size, a lagging power factor round 0.95.
PowerReading PowerAt(const LoggerState& s, const CSetupTable& setup, int channel, int fetch) {
    const int input = channel % kHardwareChannels;
    const float ctSize = setup.GetHardwareChannel(input).GetCTSize();
    const float volts = 230.0f + 3.0f * Swing(channel, fetch, 0.3);
    const float amps = (ctSize > 0 ? ctSize : 100.0f) * (0.5f + 0.15f * Swing(channel, fetch, 0.2));
    const float powerFactor = 0.95f - 0.03f * Swing(channel, fetch, 0.5);
    const float kVA = volts * amps * 0.001f;
    PowerReading reading = {volts, amps,        kVA * powerFactor,
                            kVA,   powerFactor, kVA * std::sqrt(1 - powerFactor * powerFactor)};
    if (s.alarmsCrossed && channel < kHardwareChannels && fetch % 2 == 1) {
        for (int q = 0; q < kPowerQuantities; ++q) {
            const CSUTAlarm& alarm = setup.GetHardwareAlarms(channel).GetAlarm(q);
            if (alarm.IsOn()) {
                reading[static_cast<std::size_t>(q)] = BeyondAlarm(alarm, q);
            }
        }
    }
    return reading;
}

bool IsPower(int type) {
    return type == kChannelPower || type == kChannelSoftware;
}

// Six logger floats a channel; a type-4 channel's count in its second.
void PutStandardValues(const LoggerState& s, const CSetupTable& setup, int fetch, Bytes& values) {
    constexpr std::size_t kChannelBytes = 24;
    const std::vector<std::uint8_t> types = setup.GetChannelTypes();
    for (int c = 0; c < kHardwareChannels + kSoftwareChannels; ++c) {
        const std::size_t at = static_cast<std::size_t>(c) * kChannelBytes;
        const int type = types[static_cast<std::size_t>(c)];
        if (IsPower(type)) {
            const PowerReading reading = PowerAt(s, setup, c, fetch);
            for (std::size_t q = 0; q < reading.size(); ++q) {
                PutFloat(values, at + 4 * q, reading[q], false);
            }
        } else if (type == kChannelTemperature) {
            const float celsius = TemperatureCelsius(c, fetch);
            switch (setup.GetHardwareChannel(c % kHardwareChannels).GetTemperatureUnit()) {
                case 0:
                    PutFloat(values, at, celsius * 1.8f + 32, false);
                    break;
                case 2:
                    PutFloat(values, at, celsius * 1.8f + 491.67f, false);
                    break;
                case 3:
                    PutFloat(values, at, celsius + 273.15f, false);
                    break;
                default:
                    PutFloat(values, at, celsius, false);
                    break;
            }
        } else if (type == kChannel5VDC) {
            PutFloat(values, at, 2.5f + 0.5f * Swing(c, fetch, 0.2), false);
        } else if (type == kChannelRNDC) {
            PutFloat(values, at + 4, Count(c, fetch), false);
        }
    }
}

// Raw counts of the inputs (14 bytes each), logger floats of the software channels (21 bytes each),
// over the logger's scalars and each input's PT ratio and CT size.
void PutOrnatValues(const LoggerState& s, const CSetupTable& setup, int fetch, Bytes& values) {
    const float a = s.scalars[0];
    const float v = s.scalars[1];
    const std::vector<std::uint8_t> types = setup.GetChannelTypes();
    std::size_t at = 0;
    for (int c = 0; c < kHardwareChannels + kSoftwareChannels; at += c < kHardwareChannels ? 14 : 21, ++c) {
        const int type = types[static_cast<std::size_t>(c)];
        if (!IsPower(type) || a == 0 || v == 0) {
            continue;
        }
        const PowerReading r = PowerAt(s, setup, c, fetch);
        const int percent = static_cast<int>(std::lround(r[kQuantityPF] * 100));
        if (c < kHardwareChannels) {
            const CSUTChannelHardware& input = setup.GetHardwareChannel(c);
            const float pt = input.GetPTRatio() > 0 ? input.GetPTRatio() : 1.0f;
            const float ct = input.GetCTSize() > 0 ? input.GetCTSize() : 1.0f;
            const float kWPerCount = v * a * pt * ct * 0.001f;
            PutBig(values, at, std::lround(r[kQuantityVoltage] / (v * 0.0625f * pt)), 2);
            PutBig(values, at + 2, std::lround(r[kQuantityCurrent] / (a * 0.0625f * ct)), 2);
            PutBig(values, at + 4, std::lround(r[kQuantityKW] / kWPerCount), 3);
            PutBig(values, at + 7, std::lround(r[kQuantityKVA] / kWPerCount), 3);
            PutBig(values, at + 10, percent, 1);
            PutBig(values, at + 11, std::lround(r[kQuantityKVAR] / kWPerCount), 3);
        } else {
            const float kWPerUnit = v * a * 0.001f;
            PutFloat(values, at, r[kQuantityVoltage] / v, false);
            PutFloat(values, at + 4, r[kQuantityCurrent] / a, false);
            PutFloat(values, at + 8, r[kQuantityKW] / kWPerUnit, false);
            PutFloat(values, at + 12, r[kQuantityKVA] / kWPerUnit, false);
            PutBig(values, at + 16, percent, 1);
            PutFloat(values, at + 17, r[kQuantityKVAR] / kWPerUnit, false);
        }
    }
}

// One 16-bit raw value for each input that is not an analog input.
void PutNimboValues(const LoggerState& s, const CSetupTable& setup, int fetch, Bytes& values) {
    const float a = s.scalars[0];
    const float v = s.scalars[1];
    const std::vector<std::uint8_t> types = setup.GetChannelTypes();
    std::size_t at = 0;
    for (int c = 0; c < kHardwareChannels; ++c) {
        const int type = types[static_cast<std::size_t>(c)];
        if (IsAnalogType(type)) {
            continue;
        }
        const CSUTChannelHardware& input = setup.GetHardwareChannel(c);
        float raw = 0;
        if (type == kChannelTemperature && v != 0) {
            raw = TemperatureCelsius(c, fetch) / (v * 0.01f);
        } else if (type == kChannelRNDC) {
            raw = Count(c, fetch);
        } else if (type == kChannelCurrent && a != 0 && input.GetCTSize() > 0) {
            raw = PowerAt(s, setup, c, fetch)[kQuantityCurrent] / (a * 0.0625f * input.GetCTSize());
        } else if (type >= kChannel10VDC && type <= kChannel25mA && v != 0 && input.GetScaleValue1() != 0) {
            const float reading = 5.0f + 2.0f * Swing(c, fetch, 0.2);
            raw = (reading - input.GetScaleValue2()) / (v * input.GetScaleValue1());
        }
        PutBig(values, at, std::lround(raw), 2);
        at += 2;
    }
}

// Seven little-endian floats a power channel (watts, volt-amperes and VARs; the fifth unused), one float
// an analog input; 6 channels, or 10 for the KX.
void PutQuarvenValues(const LoggerState& s, const CSetupTable& setup, int fetch, Bytes& values) {
    const std::vector<std::uint8_t> types = setup.GetChannelTypes();
    const int channels = s.typeCode == kModelQuarvenRS ? 6 : 10;
    std::size_t at = 0;
    for (int c = 0; c < channels && static_cast<std::size_t>(c) < types.size(); ++c) {
        const std::size_t size = c < kHardwareChannels + kSoftwareChannels ? 28 : 4;
        const int type = types[static_cast<std::size_t>(c)];
        if (IsPower(type) && size == 28) {
            const PowerReading r = PowerAt(s, setup, c, fetch);
            const float floats[7] = {
                r[kQuantityVoltage], r[kQuantityCurrent],    r[kQuantityKW] * 1000, r[kQuantityKVA] * 1000, 0,
                r[kQuantityPF],      r[kQuantityKVAR] * 1000};
            for (std::size_t i = 0; i < 7; ++i) {
                PutFloat(values, at + 4 * i, floats[i], true);
            }
        } else if (IsAnalogType(type)) {
            PutFloat(values, at, 50.0f + 20.0f * Swing(c, fetch, 0.2), true);
        }
        at += size;
    }
}

}  // namespace

Bytes ChangingRealTimeValues(const LoggerState& s, int fetch) {
    Bytes values = s.realTimeValues;
    const auto active = s.setups.find(1);
    // A calibration bench's DC sources hold the inputs still.
    if (s.dcInputs.volts != 0 || s.dcInputs.ampSource != 0 || active == s.setups.end()) {
        return values;
    }
    constexpr std::size_t kLargestBlock = 6 * 28 + 4 * 4;
    values.resize(std::max(values.size(), kLargestBlock));
    const CSetupTable& setup = active->second;
    if (s.typeCode == kModelStandard) {
        PutStandardValues(s, setup, fetch, values);
    } else if (s.typeCode >= kModelOrnatFirst && s.typeCode <= kModelOrnatLast) {
        PutOrnatValues(s, setup, fetch, values);
    } else if (s.typeCode >= kModelBrelanFirst && s.typeCode <= kModelBrelanLast) {
        PutNimboValues(s, setup, fetch, values);
    } else {
        PutQuarvenValues(s, setup, fetch, values);
    }
    return values;
}

std::array<float, 2> ChannelVoltsAndAmps(const LoggerState& s, const CSetupTable& setup, int channel,
                                         int fetch) {
    const PowerReading reading = PowerAt(s, setup, channel, fetch);
    return {reading[kQuantityVoltage], reading[kQuantityCurrent]};
}

void FetchIntoRealTimeArea(LoggerState& s) {
    ++s.realTimeFetches;
    const Bytes values = ChangingRealTimeValues(s, s.realTimeFetches);
    const std::size_t room = LoggerState::kIdAreaAddress - LoggerState::kRealTimeAddress;
    std::copy_n(values.begin(), std::min(room, values.size()),
                s.setupMemory.begin() + LoggerState::kRealTimeAddress);
}
