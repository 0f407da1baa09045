// PseudoTerminal: a raw pseudo-terminal for tests; the program opens `path` as its port and the test
// plays the far end on `master`.
#pragma once

#include <pty.h>
#include <termios.h>

#include <string>

#include "platform/base/unique_fd.h"

namespace testsupport {

struct PseudoTerminal {
    PseudoTerminal() {
        termios raw{};
        ::cfmakeraw(&raw);
        char name[128] = {};
        int masterFd = -1;
        int slaveFd = -1;
        if (::openpty(&masterFd, &slaveFd, name, &raw, nullptr) == 0) {
            master.Reset(masterFd);
            // Kept open, so that the master never sees a hang-up between the program's opens.
            slave.Reset(slaveFd);
            path = name;
        }
    }

    platform::UniqueFd master;
    platform::UniqueFd slave;
    std::string path;  // empty when the system gave none
};

}  // namespace testsupport
