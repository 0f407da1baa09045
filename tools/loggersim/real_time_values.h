// The simulated logger's current values: they move from one fetch to the next, so that a real-time
// window has something to follow.
#pragma once

#include <cstdint>
#include <vector>

struct LoggerState;

// The values block of a real-time reply at fetch number `fetch`: the state's block with the first
// channel's voltage, current and powers (standard and Ornat models) and the standard model's second
// channel's temperature moving round their rest values; the block as it is while DC sources are applied
// (dc_inputs.h).
std::vector<std::uint8_t> ChangingRealTimeValues(const LoggerState& state, int fetch);
