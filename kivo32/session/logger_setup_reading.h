// The setup a session read from its logger for a window of the user-interface thread, with the
// firmware text that tells which registers the logger keeps.
#pragma once

#include <string>

#include "shared/setup/setup_table.h"

struct LoggerSetupReading {
    CSetupTable setup;
    std::string firmwareText;
};
