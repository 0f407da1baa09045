// The simulated logger's current values.
#include "tools/loggersim/real_time_values.h"

#include <cmath>
#include <cstring>

#include "shared/setup/setup_codes.h"
#include "tools/loggersim/logger_state.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutBig(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * (size - 1 - i)));
    }
}

void PutBigFloat(Bytes& bytes, std::size_t at, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    PutBig(bytes, at, bits, 4);
}

struct PowerReading {
    float volts, amps, kW, kVA, powerFactor, kVAR;
};

PowerReading ReadingAt(int fetch) {
    const float swing = static_cast<float>(std::sin(fetch * 0.3));
    const float volts = 230.0f + 3.0f * swing;
    const float amps = 12.0f + 2.0f * static_cast<float>(std::cos(fetch * 0.2));
    const float powerFactor = 0.95f;
    const float kVA = volts * amps * 0.001f;
    return {volts, amps, kVA * powerFactor, kVA, powerFactor, kVA * std::sqrt(1 - powerFactor * powerFactor)};
}

}  // namespace

Bytes ChangingRealTimeValues(const LoggerState& s, int fetch) {
    Bytes values = s.realTimeValues;
    // A calibration bench's DC sources hold the inputs still.
    if (s.dcInputs.volts != 0 || s.dcInputs.ampSource != 0) {
        return values;
    }
    const PowerReading r = ReadingAt(fetch);
    if (s.typeCode == kModelStandard && values.size() >= 48) {
        const float first[] = {r.volts, r.amps, r.kW, r.kVA, r.powerFactor, r.kVAR};
        for (std::size_t i = 0; i < 6; ++i) {
            PutBigFloat(values, 4 * i, first[i]);
        }
        PutBigFloat(values, 24, 21.0f + static_cast<float>(std::sin(fetch * 0.1)));
    } else if (s.typeCode >= kModelOrnatFirst && s.typeCode <= kModelOrnatLast && values.size() >= 14) {
        // Raw counts of 1/16 at scalars and ratios of 1, as the Ornat sends them; the current's CT of
        // 200 is the setup's, so the counts carry amps / 200.
        constexpr float kCtSize = 200.0f;
        PutBig(values, 0, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(r.volts * 16))),
               2);
        PutBig(values, 2,
               static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(r.amps / kCtSize * 16))), 2);
        const float power = kCtSize * 0.001f;  // kW per count
        PutBig(values, 4, static_cast<std::uint32_t>(std::lround(r.kW / power)), 3);
        PutBig(values, 7, static_cast<std::uint32_t>(std::lround(r.kVA / power)), 3);
        values[10] = static_cast<std::uint8_t>(std::lround(r.powerFactor * 100));
        PutBig(values, 11, static_cast<std::uint32_t>(std::lround(r.kVAR / power)), 3);
    }
    return values;
}
