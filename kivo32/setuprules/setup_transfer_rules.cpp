// The setup form's writing rules: phase letters, header bytes, option bytes and the wiring checks.
#include "kivo32/setuprules/setup_transfer_rules.h"

#include <cstdlib>

#include "kivo32/setuprules/setuprules_ids.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/sut_header.h"

namespace {

constexpr std::uint8_t kFormFlagBits =
    CSUTHeader::kOptionAutoLineFreq | CSUTHeader::kOptionRingMemory | CSUTHeader::kOption50Hz;

bool HasBothPhases(const ChannelFormState& state) {
    return state.type == 1 && state.firstPhase >= 0 && state.secondPhase >= 0;
}

}  // namespace

char PhaseLetterFromIndex(int index, int model) {
    if (model == 1) {
        return index > 0 ? 'N' : static_cast<char>('A' + index);
    }
    return index < 3 ? static_cast<char>('A' + index) : 'N';
}

std::uint8_t HeaderFlagByte(std::uint8_t stored, int memoryMode, int frequencyChoice, bool autoFrequency) {
    std::uint8_t form = 0;
    if (autoFrequency) {
        form = static_cast<std::uint8_t>(memoryMode << 5);
        if (frequencyChoice == 2) {
            form |= CSUTHeader::kOptionAutoLineFreq;
        } else if (frequencyChoice == 1) {
            form |= CSUTHeader::kOption50Hz;
        }
    } else {
        // "Auto" cannot be offered here; should it come, it sets the memory bit as the plain sum does.
        form = static_cast<std::uint8_t>(((memoryMode << 1) | frequencyChoice) << 4);
    }
    return static_cast<std::uint8_t>((stored & ~kFormFlagBits) | (form & kFormFlagBits));
}

std::uint8_t OptionMaskForColumn(int column, std::string_view text) {
    return column == 0 || column == 4 ? LettersANXIToMask(text) : LettersANXHToMask(text);
}

std::uint8_t SingleOptionMask(int type, std::string_view text) {
    return type == 4 ? LettersRNDCToMask(text) : LettersANXIToMask(text);
}

std::uint8_t SoftwareAlarmByte(const std::array<ChannelFormState, 6>& channels) {
    std::uint8_t byte = 0;
    for (int software = 0; software < 2; ++software) {
        const ChannelFormState& state = channels[4 + software];
        if (state.type != kChannelSoftware) {
            continue;
        }
        int bit = 3 * software;
        for (const int column : {2, 3, 5}) {
            if (OptionMaskForColumn(column, state.options[column]) != 0) {
                byte |= static_cast<std::uint8_t>(1u << bit);
            }
            ++bit;
        }
    }
    return byte;
}

std::optional<WiringDoubt> FindEqualPhases(const std::array<ChannelFormState, 6>& channels, int fromChannel) {
    for (int channel = fromChannel; channel < 4; ++channel) {
        const ChannelFormState& state = channels[channel];
        if (HasBothPhases(state) && state.firstPhase == state.secondPhase) {
            return WiringDoubt{IDS_WIRING_EQUAL_PHASES, std::to_string(channel + 1), channel};
        }
    }
    return std::nullopt;
}

std::optional<WiringDoubt> FindDoubtfulPhasePairs(const std::array<ChannelFormState, 6>& channels) {
    bool l1l2 = false, l2l3 = false, l3l1 = false, l2l1 = false, l3l2 = false, l1l3 = false;
    int l1l2Channel = 0, l2l3Channel = 0, l1l3Channel = 0;
    for (int channel = 0; channel < 4; ++channel) {
        const ChannelFormState& state = channels[channel];
        if (!HasBothPhases(state)) {
            continue;
        }
        const std::pair pair{state.firstPhase, state.secondPhase};
        if (pair == std::pair{0, 1}) {
            l1l2 = true;
            l1l2Channel = channel;
        } else if (pair == std::pair{1, 2}) {
            l2l3 = true;
            l2l3Channel = channel;
        } else if (pair == std::pair{0, 2}) {
            l1l3 = true;
            l1l3Channel = channel;
        }
        l3l1 = l3l1 || pair == std::pair{2, 0};
        l2l1 = l2l1 || pair == std::pair{1, 0};
        l3l2 = l3l2 || pair == std::pair{2, 1};
    }
    const auto doubt = [](const char* list, int channel) {
        return WiringDoubt{IDS_WIRING_PHASE_PAIRS, list, channel};
    };
    if (l1l2 && l2l3 && l3l1) {
        return doubt("L1 - L2, L2 - L3, L3 - L1", l1l2Channel);
    }
    if (l1l2 && l2l1) {
        return doubt("L1 - L2, L2 -L1", l1l2Channel);
    }
    if (l1l3 && l3l1) {
        return doubt("L1 - L3, L3 - L1", l1l3Channel);
    }
    if (l2l3 && l3l2) {
        return doubt("L2 - L3, L3 - L2", l2l3Channel);
    }
    return std::nullopt;
}

bool IsCTRatingAccepted(double rating) {
    return rating >= 0.0 && rating <= 100000.0;
}

std::string ClampTypedField(const std::string& text, int highest) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return value > highest ? std::to_string(value / 10) : text;
}
