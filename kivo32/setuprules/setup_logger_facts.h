// What the session tells the setup form of the connected logger: its clock as the logger gave it and its
// firmware version. The form proposes start and stop times from that clock and refuses a first
// peak-demand window on firmware too old for one.
#pragma once

#include <string>

// The reply, posted to the form that asked, with a SetupLoggerFacts payload.
inline constexpr unsigned WM_SETUP_LOGGER_FACTS = 0x8000 + 0x240;

struct SetupLoggerFacts {
    // "hh:mm:ss mm/dd/yy" in local time; empty when the clock could not be read.
    std::string clockText;
    // The connected logger's firmware version; 0 when not known.
    int firmwareVersion = 0;
};
