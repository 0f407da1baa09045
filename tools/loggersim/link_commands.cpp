// The link commands and the speed codes of "I!14".
#include "tools/loggersim/link_commands.h"

#include <cstdlib>

namespace {

struct SpeedCode {
    int code;
    int baud;
};

// Code 14 stands for any other rate: the logger keeps its speed.
constexpr SpeedCode kSpeedCodes[] = {{15, 1200},  {13, 4800}, {12, 9600}, {3, 14400},
                                     {11, 19200}, {2, 28800}, {1, 57600}};

}  // namespace

LinkCommandEffect LinkCommandEffectOf(const std::string& command) {
    LinkCommandEffect effect;
    if (command.rfind("I!14", 0) == 0) {
        effect.known = true;
        effect.reply = "OK";
        const int code = std::atoi(command.c_str() + 4);
        for (const SpeedCode& entry : kSpeedCodes) {
            if (entry.code == code) {
                effect.newBaud = entry.baud;
            }
        }
    } else if (command == "!!RESTART") {
        effect.known = true;
        effect.reply = "OK";
        effect.dropsLink = true;
    } else if (command == "_!RESET") {
        effect.known = true;
        effect.dropsLink = true;
    }
    return effect;
}
