// The simulated logger's battery states.
#include "tools/loggersim/battery_state.h"

#include <array>
#include <cstdint>

#include "shared/setup/setup_codes.h"
#include "tools/loggersim/logger_state.h"

namespace {

struct BatteryReport {
    std::string_view name;
    std::uint8_t optionBits;
    // The standard model's battery voltage, over an empty level of 4.5 V in steps of 0.02 V per cent.
    float standardVolts;
    // The other models' battery byte (x 0.01517 V) and supply byte (x 0.0302 V).
    std::uint8_t batteryByte;
    std::uint8_t supplyByte;
};

constexpr std::uint8_t kBatteryOptionBits = 0x80 | 0x20 | 0x10 | 0x08;
constexpr float kStandardEmptyLevel = 4.5f;
constexpr float kStandardStep = 0.02f;

constexpr std::array<BatteryReport, 5> kReports = {{
    {"good", 0x00, 6.3f, 237, 150},
    {"weak", 0x20, 5.1f, 218, 150},
    {"low", 0x10, 4.7f, 204, 150},
    {"empty", 0x08, 4.4f, 191, 150},
    {"external", 0x80, 6.5f, 237, 200},
}};

}  // namespace

void SetBattery(LoggerState& state, SimulatedBattery battery) {
    const BatteryReport& report = kReports[static_cast<std::size_t>(battery)];
    state.optionByte =
        static_cast<std::uint8_t>((state.optionByte & ~kBatteryOptionBits) | report.optionBits);
    if (state.typeCode == kModelStandard) {
        state.supplyFloats = {report.standardVolts, kStandardEmptyLevel, kStandardStep};
    } else {
        state.supplyBytes = {report.batteryByte, report.supplyByte};
    }
}

std::optional<SimulatedBattery> BatteryNamed(std::string_view name) {
    for (std::size_t i = 0; i < kReports.size(); ++i) {
        if (kReports[i].name == name) {
            return static_cast<SimulatedBattery>(i);
        }
    }
    return std::nullopt;
}
