// The commands after which the simulated logger drops the link: a restart ("!!RESTART") and a reset of
// its network settings ("_!RESET"). Its new line speed ("I!14") is a setting command.
#pragma once

#include <optional>
#include <string>

struct LinkCommandEffect {
    bool known = false;
    std::optional<std::string> reply;  // none: the logger goes without a word
    bool dropsLink = false;
};

// `command` upper case and trimmed.
LinkCommandEffect LinkCommandEffectOf(const std::string& command);
