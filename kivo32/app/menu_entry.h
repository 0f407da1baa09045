// One entry of a menu as the program keeps it apart from the widgets: a command, a separator or a popup
// with its own entries. The menu bar is a list of popups.
#pragma once

#include <string>
#include <vector>

struct CMenuEntry {
    enum class Kind { Command, Separator, Popup };

    static CMenuEntry Command(unsigned id, std::string label) {
        return {Kind::Command, id, std::move(label), {}};
    }
    // A command that is on or off: its entry shows a check box, ticked or clear.
    static CMenuEntry Check(unsigned id, std::string label) {
        CMenuEntry entry = Command(id, std::move(label));
        entry.checkable = true;
        return entry;
    }
    static CMenuEntry Separator() { return {Kind::Separator, 0, {}, {}}; }
    static CMenuEntry Popup(std::string label, std::vector<CMenuEntry> items) {
        return {Kind::Popup, 0, std::move(label), std::move(items)};
    }

    bool IsCommand(unsigned commandId) const { return kind == Kind::Command && id == commandId; }
    // A popup whose first entry is the command `commandId`.
    bool IsPopupStartingWith(unsigned commandId) const {
        return kind == Kind::Popup && !items.empty() && items.front().IsCommand(commandId);
    }

    Kind kind = Kind::Command;
    unsigned id = 0;
    // 8-bit program text, "&" before the mnemonic.
    std::string label;
    std::vector<CMenuEntry> items;
    bool checkable = false;
};

using CMenuEntries = std::vector<CMenuEntry>;
