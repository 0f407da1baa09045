// The rules of the real-time graph's channel selection: one channel type per selection, and the value
// choices that type offers.
#pragma once

#include <array>
#include <vector>

inline constexpr int kSelectableChannels = 6;
inline constexpr int kValueChoices = 10;

using ChannelTypes = std::array<int, kSelectableChannels>;
using ChannelChecks = std::array<bool, kSelectableChannels>;

// The check boxes that can be used: every channel of a type other than 0 while none is checked, else
// only the channels of the checked channels' type.
ChannelChecks EnabledChannels(const ChannelTypes& types, const ChannelChecks& checked);

struct ValueChoices {
    std::array<bool, kValueChoices> enabled{};
    int checked = -1;  // -1: none
};
// The value choices of the first checked channel's type; the choice made before stays when it is
// still offered.
ValueChoices ChoicesFor(const ChannelTypes& types, const ChannelChecks& checked, int choiceBefore);

// The controls hidden by the number of voltage-and-power channels: with two, the sixth channel's box;
// with three or four, none; otherwise the fifth and sixth boxes and their label.
std::vector<int> HiddenSelectionControls(const ChannelTypes& types);
