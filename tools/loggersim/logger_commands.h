// The simulated logger's answers to the protocol's commands, from and onto its LoggerState.
#pragma once

#include <optional>
#include <string>

#include "tools/loggersim/logger_state.h"
#include "tools/loggersim/simulator_faults.h"

// The reply text (without framing) to `command` (upper case, trimmed); nullopt for a command this
// logger does not know. Hex-dump replies take the faults asked for and count them down; a command that
// starts as one of the state's unanswered ones gets no prompt.
std::optional<std::string> ExecuteLoggerCommand(LoggerState& state, SimulatorFaults& faults, const std::string& command);
