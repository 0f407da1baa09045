// The readouts of the real-time values windows.
#include "kivo32/realtime/rt_readouts.h"

#include <array>
#include <cctype>

#include "kivo32/realtime/rt_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"

using platform::StringPrintf;

namespace {

struct IntervalStep {
    int number;
    unsigned unitId;
};

// By interval code 0-16; code 7 has a text of its own.
constexpr std::array<IntervalStep, 17> kIntervals = {{{1, IDS_RT_MINUTE},
                                                      {5, IDS_RT_MINUTES},
                                                      {15, IDS_RT_MINUTES},
                                                      {30, IDS_RT_MINUTES},
                                                      {1, IDS_RT_HOUR},
                                                      {12, IDS_RT_HOURS},
                                                      {24, IDS_RT_HOURS},
                                                      {1, IDS_RT_ONE_SECOND_FAST},
                                                      {5, IDS_RT_SECONDS},
                                                      {10, IDS_RT_SECONDS},
                                                      {15, IDS_RT_SECONDS},
                                                      {30, IDS_RT_SECONDS},
                                                      {3, IDS_RT_SECONDS},
                                                      {2, IDS_RT_MINUTES},
                                                      {10, IDS_RT_MINUTES},
                                                      {20, IDS_RT_MINUTES},
                                                      {1, IDS_RT_SECOND}}};
constexpr int kOneSecondFastCode = 7;

}  // namespace

std::string IntervalReadout(int intervalCode) {
    if (intervalCode < 0 || intervalCode >= static_cast<int>(kIntervals.size())) {
        return {};
    }
    if (intervalCode == kOneSecondFastCode) {
        return LoadText(IDS_RT_ONE_SECOND_FAST);
    }
    const IntervalStep& step = kIntervals[static_cast<std::size_t>(intervalCode)];
    return StringPrintf("%d %s", step.number, LoadText(step.unitId).c_str());
}

double MemoryUsedPercent(std::int64_t used, std::int64_t free) {
    const std::int64_t total = used + free;
    return total > 0 ? static_cast<double>(used) * 100.0 / static_cast<double>(total) : 0.0;
}

std::string MemoryUsedReadout(std::int64_t used, std::int64_t free) {
    return StringPrintf("%.1f%%", MemoryUsedPercent(used, free));
}

std::string DaysLeftReadout(double days) {
    return StringPrintf("%.2f %s", days, LoadText(IDS_RT_DAYS).c_str());
}

int BatteryPercent(float voltage, float emptyLevel, float step) {
    if (!(step > 0)) {
        return 0;
    }
    const double percent = (static_cast<double>(voltage) - emptyLevel) / step;
    if (!(percent > 0)) {
        return 0;
    }
    return percent >= 99.5 ? 100 : static_cast<int>(percent + 0.5);
}

std::string StandardBatteryState(int percent, bool externalPower) {
    return externalPower ? LoadText(IDS_RT_MAINS_POWERED) : StringPrintf("%d%%    ", percent);
}

std::string LiteBatteryState(int batteryCode, bool externalPower) {
    if (externalPower) {
        return LoadText(IDS_RT_EXTERNAL_POWER);
    }
    switch (batteryCode) {
        case -3:
            return LoadText(IDS_RT_BATTERY_EMPTY);
        case -2:
            return LoadText(IDS_RT_BATTERY_LOW);
        case -1:
            return UpperCase(LoadText(IDS_RT_BATTERY_WEAK));
        case 0:
            return "OK";
        default:
            return {};
    }
}

std::string VoltageReadout(float volts, bool externalPower) {
    return externalPower ? LoadText(IDS_RT_EXTERNAL_POWER)
                         : StringPrintf("%.2f V", static_cast<double>(volts));
}

BatteryReadouts BatteryReadoutsOf(const BatteryReadings& readings, bool standard) {
    if (standard) {
        return {
            StandardBatteryState(BatteryPercent(readings.batteryVolts, readings.emptyLevel, readings.step),
                                 readings.externalPower),
            VoltageReadout(readings.batteryVolts, false)};
    }
    return {LiteBatteryState(readings.code, readings.externalPower),
            VoltageReadout(readings.batteryVolts, readings.externalPower)};
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}
