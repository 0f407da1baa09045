// The items of a check-combo box's list for each list kind, their letters, and the code text.
#include "kivo32/controls/check_combo_items.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "kivo32/controls/controls_ids.h"
#include "platform/base/program_texts.h"

namespace {

// Items 0-3 of kinds 0-5: a text id, or 0 with a literal text.
struct BaseItem {
    unsigned textId;
    const char* text;
    char letter;
};

constexpr BaseItem kAverage{IDS_CHECK_AVERAGE, nullptr, 'A'};
constexpr BaseItem kMinimum{IDS_CHECK_MINIMUM, nullptr, 'N'};
constexpr BaseItem kMaximum{IDS_CHECK_MAXIMUM, nullptr, 'X'};

using BaseItems = std::array<BaseItem, 4>;
constexpr std::array<BaseItems, 6> kBaseItems{
    BaseItems{kAverage, kMinimum, kMaximum, BaseItem{IDS_CHECK_INSTANTANEOUS, nullptr, 'I'}},
    BaseItems{kAverage, kMinimum, kMaximum, BaseItem{0, "Ah", 'H'}},
    BaseItems{kAverage, kMinimum, kMaximum, BaseItem{0, "KWh", 'H'}},
    BaseItems{kAverage, kMinimum, kMaximum, BaseItem{0, "KVAh", 'H'}},
    BaseItems{kAverage, kMinimum, kMaximum, BaseItem{0, "KVARh", 'H'}},
    BaseItems{BaseItem{IDS_CHECK_RATE, nullptr, 'R'}, BaseItem{IDS_CHECK_NUMBER, nullptr, 'N'},
              BaseItem{IDS_CHECK_DURATION, nullptr, 'D'}, BaseItem{IDS_CHECK_COUNT, nullptr, 'C'}},
};

constexpr int kEnergyKind = 2;
constexpr int kChannelsKind = 6;
constexpr int kValuesWithoutInstantKind = 7;

// The channel controls of kind 2 that also offer the peak-demand item.
bool IsPeakDemandControl(int controlId) {
    return (controlId >= 1133 && controlId <= 1138) || (controlId >= 1140 && controlId <= 1145);
}

CheckComboItem Item(const BaseItem& base) {
    return {base.textId != 0 ? LoadText(base.textId) : std::string(base.text), base.letter};
}

}  // namespace

std::vector<CheckComboItem> CheckComboItems(int kind, int loggerType, int controlId, std::string_view channelKindName) {
    std::vector<CheckComboItem> items;
    const bool alarmItems = loggerType < kFirstLoggerTypeWithoutAlarmItem;
    if (kind == kChannelsKind) {
        for (char digit = '1'; digit <= '4'; ++digit) {
            items.push_back({std::string(channelKindName) + " " + digit, digit});
        }
        return items;
    }
    if (kind == kValuesWithoutInstantKind) {
        items = {Item(kAverage), Item(kMinimum), Item(kMaximum)};
        if (alarmItems) {
            // The alarm's state comes from the form; the code text of this kind holds only A, N and X.
            items.push_back({LoadText(IDS_CHECK_ALARM), 'L', CheckComboItem::Role::Alarm, false});
        }
        return items;
    }
    if (kind < 0 || kind >= static_cast<int>(kBaseItems.size())) {
        return items;
    }
    for (const BaseItem& base : kBaseItems[static_cast<std::size_t>(kind)]) {
        items.push_back(Item(base));
    }
    if (alarmItems) {
        items.push_back({LoadText(IDS_CHECK_ALARM), 'L', CheckComboItem::Role::Alarm});
        if (kind == kEnergyKind && IsPeakDemandControl(controlId)) {
            items.push_back({LoadText(IDS_CHECK_PEAK_DEMAND), 'D', CheckComboItem::Role::PeakDemand});
        }
    }
    return items;
}

std::string CodeTextFromChecks(const std::vector<CheckComboItem>& items, const std::vector<bool>& checks) {
    std::string code;
    for (std::size_t i = 0; i < items.size() && i < checks.size(); ++i) {
        if (checks[i] && items[i].inCode) {
            if (!code.empty()) {
                code += ',';
            }
            code += items[i].letter;
        }
    }
    return code;
}

std::vector<bool> ChecksFromCodeText(const std::vector<CheckComboItem>& items, std::string_view codeText) {
    std::vector<bool> checks;
    for (const CheckComboItem& item : items) {
        checks.push_back(item.inCode && codeText.find(item.letter) != std::string_view::npos);
    }
    return checks;
}

int FindCheckComboItem(const std::vector<CheckComboItem>& items, char letter) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    const auto found = std::find_if(items.begin(), items.end(), [upper](const CheckComboItem& item) { return item.letter == upper; });
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}
