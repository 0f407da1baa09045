// The simulated logger's battery: the states a test or the command line chooses, as each model reports
// them in its identification record and supply readings.
#pragma once

#include <optional>
#include <string_view>

struct LoggerState;

enum class SimulatedBattery { Good, Weak, Low, Empty, ExternalPower };

// Puts `battery` into the state: the identification record's option byte (bit 7 external power, bits 5,
// 4 and 3 a weak, low or empty battery) and the model's supply readings (the standard model's battery
// voltage, empty level and step; the others' battery and supply bytes).
void SetBattery(LoggerState& state, SimulatedBattery battery);
// "good", "weak", "low", "empty" or "external"; nullopt for another name.
std::optional<SimulatedBattery> BatteryNamed(std::string_view name);
