// PseudoTerminal: a raw pseudo-terminal for tests; the program opens `path` as its port and the test
// plays the far end on `master`.
#pragma once

#include "platform/io/pseudo_terminal.h"

namespace testsupport {

struct PseudoTerminal : platform::RawPseudoTerminal {
    PseudoTerminal() : platform::RawPseudoTerminal(platform::OpenRawPseudoTerminal()) {}
};

}  // namespace testsupport
