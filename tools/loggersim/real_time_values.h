// The simulated logger's current values: they move from one fetch to the next, per channel and kind of
// the active setup, so that a real-time window has something to follow.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class CSetupTable;
struct LoggerState;

// The values block of a real-time reply at fetch number `fetch`, in the model's layout for the active
// setup's channel types: power channels' volts, amps, powers and power factor, temperatures, counts and
// analog inputs, each channel on its own course. With `state.alarmsCrossed` every odd fetch reads each
// power quantity whose alarm is on beyond its limit. The state's block as it is while DC sources are
// applied (dc_inputs.h) or without an active setup.
std::vector<std::uint8_t> ChangingRealTimeValues(const LoggerState& state, int fetch);
// The r.m.s. volts and amps of power channel `channel` at fetch number `fetch`, as the values block
// gives them.
std::array<float, 2> ChannelVoltsAndAmps(const LoggerState& state, const CSetupTable& setup, int channel,
                                         int fetch);
// A fetch of a memory model that reads its values from setup memory (the standard model's older
// firmware): the next fetch's values written to the real-time address.
void FetchIntoRealTimeArea(LoggerState& state);
