#include "tools/loggersim/dc_inputs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "shared/setup/setup_codes.h"
#include "tools/loggersim/logger_state.h"

namespace {

// The Ornat models count in sixteenths.
constexpr float kSixteenth = 0.0625F;
// What the calibration fixture's current loop gives the current inputs per amp of the source.
constexpr float kFixtureTurns = 3.003F;
// The Ornat real-time block: 14 bytes per hardware channel, raw volts then raw amps, big-endian.
constexpr std::size_t kOrnatChannelBytes = 14;

bool Ornat(int typeCode) {
    return typeCode >= kModelOrnatFirst && typeCode <= kModelOrnatLast;
}

float CountFactor(int typeCode) {
    return Ornat(typeCode) ? kSixteenth : 1.0F;
}

void PutS16(std::vector<std::uint8_t>& block, std::size_t at, int value) {
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    block[at] = static_cast<std::uint8_t>(bits >> 8);
    block[at + 1] = static_cast<std::uint8_t>(bits);
}

}  // namespace

int VoltCounts(const DcInputs& inputs, int typeCode) {
    return static_cast<int>(std::lround(inputs.volts / (inputs.voltsPerCount * CountFactor(typeCode))));
}

int AmpCounts(const DcInputs& inputs, int typeCode) {
    return static_cast<int>(
        std::lround(inputs.ampSource * kFixtureTurns / (inputs.ampsPerCount * CountFactor(typeCode))));
}

std::string AdCountsReply(const DcInputs& inputs, int typeCode) {
    const std::string volts = std::to_string(VoltCounts(inputs, typeCode));
    return Ornat(typeCode) ? std::to_string(AmpCounts(inputs, typeCode)) + "\n" + volts : volts;
}

std::string HexAdCountsReply(const DcInputs& inputs, int typeCode) {
    char text[16];
    const unsigned counts = static_cast<unsigned>(VoltCounts(inputs, typeCode));
    if (typeCode == 9) {
        std::snprintf(text, sizeof text, "ADC:%04X", counts & 0xFFFFU);
    } else {
        std::snprintf(text, sizeof text, "%03X", counts & 0xFFFU);
    }
    return text;
}

CSetupTable CalibrationBenchSetup(const LoggerModel& model) {
    CSetupTable setup = SampleSetup(model, "Calibration bench");
    for (int input = 0; input < kHardwareChannels; ++input) {
        CSUTChannelHardware& channel = setup.GetHardwareChannel(input);
        channel.SetType(kChannelPower);
        channel.SetPTRatio(1.0F);
        channel.SetCTSize(100.0F);
    }
    return setup;
}

void ApplyDcInputs(LoggerState& state, const DcInputs& inputs) {
    state.dcInputs = inputs;
    if (!Ornat(state.typeCode)) {
        return;
    }
    std::vector<std::uint8_t>& block = state.realTimeValues;
    block.resize(std::max(block.size(), kOrnatChannelBytes * static_cast<std::size_t>(kHardwareChannels)));
    for (std::size_t channel = 0; channel < static_cast<std::size_t>(kHardwareChannels); ++channel) {
        PutS16(block, channel * kOrnatChannelBytes, VoltCounts(inputs, state.typeCode));
        PutS16(block, channel * kOrnatChannelBytes + 2, AmpCounts(inputs, state.typeCode));
    }
}
