// The ready-made setups for the common wirings.
#include "kivo32/setuprules/default_setups.h"

#include <array>
#include <utility>
#include <vector>

#include "kivo32/setuprules/channel_form_state.h"
#include "kivo32/setuprules/setup_transfer_rules.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr unsigned kFirstCommand = 32885;

const char* WiringName(DefaultWiring wiring) {
    switch (wiring) {
        case DefaultWiring::k1P2W:
            return "1P2W";
        case DefaultWiring::k1P3W:
            return "1P3W";
        case DefaultWiring::k3P3W:
            return "3P3W";
        default:
            return "3P4W";
    }
}

// The phase letters of each power channel.
std::vector<std::pair<char, char>> PhasesOf(DefaultWiring wiring) {
    switch (wiring) {
        case DefaultWiring::k1P2W:
            return {{'A', 'N'}};
        case DefaultWiring::k1P3W:
            return {{'A', 'N'}, {'B', 'N'}};
        case DefaultWiring::k3P3W:
            return {{'A', 'C'}, {'B', 'C'}};
        default:
            return {{'A', 'N'}, {'B', 'N'}, {'C', 'N'}};
    }
}

}  // namespace

unsigned DefaultSetupCommand(DefaultWiring wiring) {
    return kFirstCommand + static_cast<unsigned>(wiring);
}

std::optional<DefaultWiring> DefaultWiringForCommand(unsigned command) {
    for (const DefaultWiring wiring : kDefaultWirings) {
        if (DefaultSetupCommand(wiring) == command) {
            return wiring;
        }
    }
    return std::nullopt;
}

std::string DefaultSetupFileName(DefaultWiring wiring, bool quarven) {
    return std::string(quarven ? "QuarvenRS " : "Quarven ") + WiringName(wiring) + ".SUT";
}

int WiringPictureId(DefaultWiring wiring, bool quarven) {
    return (quarven ? 234 : 221) + static_cast<int>(wiring);
}

CSetupTable MakeDefaultSetup(DefaultWiring wiring, bool quarven) {
    CSetupTable table;
    CSUTHeader& header = table.GetHeader();
    header.SetModelCode(static_cast<std::uint8_t>(quarven ? kModelQuarvenRS : 2));
    header.SetHeaderText(kDefaultSetupName);
    header.SetIntervalCode(CSUTHeader::kDefaultIntervalCode);
    header.SetOptionByte(CSUTHeader::DefaultOptionByte("60"));
    const std::vector<std::pair<char, char>> phases = PhasesOf(wiring);
    for (std::size_t channel = 0; channel < phases.size(); ++channel) {
        CSUTChannelHardware& record = table.GetHardwareChannel(static_cast<int>(channel));
        record.SetType(kChannelPower);
        record.SetVLo(phases[channel].first);
        record.SetVHi(phases[channel].second);
        record.SetName("Channel " + std::to_string(channel + 1));
    }
    if (phases.size() > 1) {
        CSUTChannelSoftware& sum = table.GetSoftwareChannel(0);
        sum.SetType(kChannelSoftware);
        sum.SetName("Total");
        for (std::size_t channel = 0; channel < phases.size(); ++channel) {
            sum.SetHardwareFlag(static_cast<int>(channel), 1);
        }
    }
    // The header's software-alarm byte as the form would write it.
    std::array<ChannelFormState, 6> channels{};
    for (int channel = 4; channel < 6; ++channel) {
        channels[channel] = LoadChannelState(table, channel);
    }
    header.SetSoftwareAlarmByte(SoftwareAlarmByte(channels));
    return table;
}
