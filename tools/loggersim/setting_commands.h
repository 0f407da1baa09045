// The simulated logger's setting commands: clock, baud rate, IDs and description, modem string, scalars,
// wired network settings, the Quarven's network and Wi-Fi settings and the calibration reference, each
// read back by its query.
#pragma once

#include <optional>
#include <string>

#include "tools/loggersim/logger_state.h"

// The reply text to `command` (upper case, trimmed); nullopt when it is not a setting command of this
// logger.
std::optional<std::string> ExecuteSettingCommand(LoggerState& state, const std::string& command);
