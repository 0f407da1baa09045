// The readouts of the real-time values windows: interval, memory, days left, battery and supply, as
// the windows show them (Windows-1252 texts).
#pragma once

#include <cstdint>
#include <string>

#include "shared/logger/battery_readings.h"

// "%d %s" of the setup's interval code; text 9255 alone for code 7; empty for 17 and above.
std::string IntervalReadout(int intervalCode);
// Memory used in per cent of used + free; 0 for an empty memory.
double MemoryUsedPercent(std::int64_t used, std::int64_t free);
std::string MemoryUsedReadout(std::int64_t used, std::int64_t free);
// "%.2f days".
std::string DaysLeftReadout(double days);
// The standard model's battery charge in per cent from its voltage, empty level and step: 0 at or below
// empty, 100 from 99.5, else rounded; 0 when the step is not positive.
int BatteryPercent(float voltage, float emptyLevel, float step);
// The battery state readouts: the standard model's percentage, the other models' battery code (-3 to
// 0); text 9329 / 9326 on external power.
std::string StandardBatteryState(int percent, bool externalPower);
std::string LiteBatteryState(int batteryCode, bool externalPower);
// "%.2f V", or text 9326 on external power.
std::string VoltageReadout(float volts, bool externalPower);
// The battery state and battery voltage readouts of the Standard windows (charge in per cent, the
// voltage as measured) or of the Lite windows (battery code, the voltage or text 9326 on external
// power).
struct BatteryReadouts {
    std::string state;
    std::string volts;
};
BatteryReadouts BatteryReadoutsOf(const BatteryReadings& readings, bool standard);
// `text` in capitals (ASCII letters), as the windows show some of their names.
std::string UpperCase(std::string text);
