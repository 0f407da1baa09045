// The rules of the real-time graph's channel selection.
#include "kivo32/realtime/rt_selection_rules.h"

#include <algorithm>

#include "kivo32/realtime/rt_ids.h"

namespace {

// The type of the first checked channel; 0 when none is checked.
int CheckedType(const ChannelTypes& types, const ChannelChecks& checked) {
    for (int i = 0; i < kSelectableChannels; ++i) {
        if (checked[static_cast<std::size_t>(i)]) {
            return types[static_cast<std::size_t>(i)];
        }
    }
    return 0;
}

}  // namespace

ChannelChecks EnabledChannels(const ChannelTypes& types, const ChannelChecks& checked) {
    const int type = CheckedType(types, checked);
    ChannelChecks enabled{};
    for (std::size_t i = 0; i < enabled.size(); ++i) {
        enabled[i] = types[i] != 0 && (type == 0 || types[i] == type);
    }
    return enabled;
}

ValueChoices ChoicesFor(const ChannelTypes& types, const ChannelChecks& checked, int choiceBefore) {
    ValueChoices choices;
    const auto offer = [&choices](int first, int last, int checkedChoice) {
        for (int i = first; i <= last; ++i) {
            choices.enabled[static_cast<std::size_t>(i)] = true;
        }
        choices.checked = checkedChoice;
    };
    switch (CheckedType(types, checked)) {
        case 1:
        case 5:
            offer(0, 5, 2);
            break;
        case 2:
            offer(6, 6, 6);
            break;
        case 3:
            offer(8, 8, 8);
            break;
        case 4:
            offer(7, 7, 7);
            break;
        case 6:
            offer(1, 1, 1);
            break;
        case 7:
        case 8:
        case 9:
            offer(9, 9, 9);
            break;
        default:
            break;
    }
    if (choiceBefore >= 0 && choiceBefore < kValueChoices &&
        choices.enabled[static_cast<std::size_t>(choiceBefore)]) {
        choices.checked = choiceBefore;
    }
    return choices;
}

std::vector<int> HiddenSelectionControls(const ChannelTypes& types) {
    const auto powerChannels = std::count(types.begin(), types.end(), 1);
    if (powerChannels == 2) {
        return {IDC_SELECT_CHANNEL6};
    }
    if (powerChannels == 3 || powerChannels == 4) {
        return {};
    }
    return {IDC_SELECT_LABEL56, IDC_SELECT_CHANNEL5, IDC_SELECT_CHANNEL6};
}
