// The items of a check-combo box's list for each list kind, their letters, and the code text of letters
// that stands for the checked items.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The list kinds: value choices (0), energy units (1-4), alarm items (5), channels (6), values without
// the instantaneous one (7).
inline constexpr int kCheckComboKinds = 8;

struct CheckComboItem {
    enum class Role { Plain, Alarm, PeakDemand };

    std::string text;
    char letter;
    Role role = Role::Plain;
    // Whether the item's letter is part of the code text.
    bool inCode = true;
};

// Logger types from this code on have no alarm and no peak-demand item.
inline constexpr int kFirstLoggerTypeWithoutAlarmItem = 13;

// The items of `kind` for a channel control `controlId` of a form on `loggerType`; `channelKindName`
// names the channels of kind 6. The alarm item carries "L" and the peak-demand item "D" in every kind.
std::vector<CheckComboItem> CheckComboItems(int kind, int loggerType, int controlId, std::string_view channelKindName);

// The letters of the checked items in item order, joined by ",".
std::string CodeTextFromChecks(const std::vector<CheckComboItem>& items, const std::vector<bool>& checks);
// An item is checked when the code text holds its letter anywhere.
std::vector<bool> ChecksFromCodeText(const std::vector<CheckComboItem>& items, std::string_view codeText);
// The index of the item with `letter` (either case), -1 when the kind has none.
int FindCheckComboItem(const std::vector<CheckComboItem>& items, char letter);
