// The commands that change the simulated logger's link itself: a new line speed ("I!14"), a restart
// ("!!RESTART") and a reset of the network settings ("_!RESET"), after which it drops the link.
#pragma once

#include <optional>
#include <string>

struct LinkCommandEffect {
    bool known = false;
    std::optional<std::string> reply;  // none: the logger goes without a word
    int newBaud = 0;                   // the speed it listens at after the reply; 0 unchanged
    bool dropsLink = false;
};

// `command` upper case and trimmed.
LinkCommandEffect LinkCommandEffectOf(const std::string& command);
