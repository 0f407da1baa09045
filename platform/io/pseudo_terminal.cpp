// A raw pseudo-terminal pair on openpty.
#include "platform/io/pseudo_terminal.h"

#include <fcntl.h>
#include <pty.h>

namespace platform {

RawPseudoTerminal OpenRawPseudoTerminal(const PseudoTerminalOptions& options) {
    termios raw{};
    ::cfmakeraw(&raw);
    if (options.speed != B0) {
        ::cfsetspeed(&raw, options.speed);
    }
    char name[128] = {};
    int master = -1;
    int slave = -1;
    RawPseudoTerminal terminal;
    if (::openpty(&master, &slave, name, &raw, nullptr) != 0) {
        return terminal;
    }
    terminal.master.Reset(master);
    terminal.slave.Reset(slave);
    terminal.path = name;
    if (options.closeOnExec) {
        ::fcntl(master, F_SETFD, FD_CLOEXEC);
        ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    }
    if (options.nonBlockingMaster) {
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    }
    return terminal;
}

}  // namespace platform
