// What a command's menu item and toolbar button show, asked of the command's owner just before they
// show: enabled, checked, and a label of the moment.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct CommandState {
    explicit CommandState(unsigned commandId) : id(commandId) {}

    void Enable(bool on) { enabled = on; }
    void SetCheck(bool on) { checked = on; }
    // 8-bit program text; without one the item keeps its own label.
    void SetText(std::string label) { text = std::move(label); }

    unsigned id;
    bool enabled = true;
    bool checked = false;
    std::optional<std::string> text;
};

}  // namespace platform
