// The simulated logger's programming commands: the checked memory write and its checksum query, setup
// activation, the record mode, the Quarven's tagged setup blocks, and the binary blocks of a program
// transfer ("P!") and a file upload ("O!").
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "tools/loggersim/logger_state.h"
#include "tools/loggersim/simulator_faults.h"

// The reply text to a programming command (upper case, trimmed); nullopt for any other command.
std::optional<std::string> ExecuteProgrammingCommand(LoggerState& state, SimulatorFaults& faults,
                                                     const std::string& command);

// Empties the logged memory, as a clear ("G!") or a new active setup leaves it: no wrap, nothing
// logged. A memory model's record pointer goes back to the memory end, from which it logs downwards;
// the Quarven's to 0, since its status counts the bytes in use upwards, and its records go.
void EmptyLoggedMemory(LoggerState& state);

// Whether a command line starting with `start` ("P!" or "O!") opens a binary block: only in binary
// reply mode, and only on a Quarven.
bool StartsBinaryBlock(const LoggerState& state, const std::string& start);
// The whole length of the binary block whose first bytes are `received` (from "P!" or "O!" on); 0
// while its length field has not all arrived.
std::size_t BinaryBlockLength(const LoggerState& state, const std::string& received);
// The answer to a complete binary block: "OK", "RESEND" (a bad block, or on request) or "ERROR".
std::string ExecuteBinaryBlock(LoggerState& state, SimulatorFaults& faults, const std::string& block);
