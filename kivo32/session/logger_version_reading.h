// What the version check reads of the connected logger, read by the session thread for a check that
// runs elsewhere, which waits for it: the link is used on the session thread only.
#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "shared/common/app_context.h"

struct CLoggerVersionReading {
    // In: read the Wi-Fi module's firmware too.
    bool readModule = false;
    // kNoLogger when the session has no logger.
    int typeCode = kNoLogger;
    std::string firmwareText;
    bool linkedThroughWiFi = false;
    // The module's firmware text; none when the logger has no module or it could not be read.
    std::optional<std::string> moduleFirmware;
    // Set by the session once the values are final.
    std::atomic<bool> done{false};
};
