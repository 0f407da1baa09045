// OpenRawPseudoTerminal: a pseudo-terminal in raw mode, both ends kept, for the logger simulator, the
// fake modem and the tests that play the far end of a port.
#pragma once

#include <termios.h>

#include <string>

#include "platform/base/unique_fd.h"

namespace platform {

struct RawPseudoTerminal {
    UniqueFd master;
    // Kept open, so that the master never sees a hang-up between the opens of the program on `path`.
    UniqueFd slave;
    std::string path;  // the slave's device; empty (and both ends closed) when the system gave none
};

struct PseudoTerminalOptions {
    // The speed in the slave's settings; B0 leaves none set.
    speed_t speed = B0;
    // Both ends closed on exec.
    bool closeOnExec = false;
    bool nonBlockingMaster = false;
};

RawPseudoTerminal OpenRawPseudoTerminal(const PseudoTerminalOptions& options = {});

}  // namespace platform
