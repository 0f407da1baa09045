// The link commands that drop the link.
#include "tools/loggersim/link_commands.h"

LinkCommandEffect LinkCommandEffectOf(const std::string& command) {
    LinkCommandEffect effect;
    if (command == "!!RESTART") {
        effect.known = true;
        effect.reply = "OK";
        effect.dropsLink = true;
    } else if (command == "_!RESET") {
        effect.known = true;
        effect.dropsLink = true;
    }
    return effect;
}
