// The rules of the real-time text grid.
#include "kivo32/realtime/rt_text_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "kivo32/realtime/rt_graph_rules.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/rt_readouts.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/common/signal_calculations.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/sut_alarm.h"
#include "shared/setup/sut_channel_alarms.h"

using platform::StringPrintf;

namespace {

constexpr char kDegree[] = "\xB0";

struct CellFormat {
    std::string unit;
    const char* standard;
    const char* lite;
};

CellFormat FormatOf(int kind, const std::string& analogUnit) {
    switch (kind) {
        case kKindAmps:
            return {"A", "%.2f %s", "%.2f %s"};
        case kKindVoltsAC:
            return {"V", "%.3f %s", "%.3f %s"};
        case kKindVoltsDC:
            return {"V", "%.3f %s", "%.1f %s"};
        case kKindKW:
            return {"kW", "%.3f %s", "%.3f %s"};
        case kKindKVA:
            return {"kVA", "%.3f %s", "%.3f %s"};
        case kKindPowerFactor:
            return {"dPF", "%.2f %s", "%.2f %s"};
        case kKindKVAR:
            return {"kVAR", "%.3f %s", "%.3f %s"};
        case 9:
            return {kDegree, "%.1f %s", "%.1f %s"};
        case 10:
            return {std::string(kDegree) + "F", "%.1f %s", "%.1f %s"};
        case 11:
            return {std::string(kDegree) + "C", "%.1f %s", "%.1f %s"};
        case 12:
            return {std::string(kDegree) + "R", "%.1f %s", "%.1f %s"};
        case 13:
            return {std::string(kDegree) + "K", "%.1f %s", "%.1f %s"};
        case kKindAnalog:
            return {analogUnit, "%.1f %s", "%.2f %s"};
        case kKindTHD:
            return {"% THD", "%.1f %s", "%.2f%s"};
        default:
            return {"", "%.1f %s", "%.1f %s"};
    }
}

bool BeyondLimit(RtVariant variant, int kind, float value) {
    const double limit = variant == RtVariant::Lite && kind == kKindVoltsAC ? 100000.0 : 10000.0;
    return std::fabs(static_cast<double>(value)) >= limit;
}

// Whether the firmware watches the alarms of `kind`.
bool FirmwareWatchesAlarms(int kind, int firmware, int typeCode) {
    constexpr int kAlarmFirmware = 121;
    constexpr int kEarlyAlarmFirmware = 96;
    const bool early =
        (kind >= kKindTemperature && kind <= kKindTemperatureLast) || (kind == kKindAmps && typeCode == 4);
    return firmware >= (early ? kEarlyAlarmFirmware : kAlarmFirmware);
}

bool AlarmTested(int kind) {
    return kind == kKindAmps || kind == kKindVoltsAC || (kind >= kKindKW && kind <= kKindKVAR) ||
           (kind >= kKindTemperature && kind <= kKindTemperatureLast) || kind == kKindAnalog;
}

}  // namespace

std::string CellText(RtVariant variant, int kind, float value, const std::string& analogUnit) {
    if (kind == kKindOnOff) {
        return LoadText(value > 0.5f ? IDS_RT_STATE_ON : IDS_RT_STATE_OFF);
    }
    const CellFormat format = FormatOf(kind, analogUnit);
    if (BeyondLimit(variant, kind, value)) {
        return StringPrintf(variant == RtVariant::Standard ? "******* %s" : "****** %s", format.unit.c_str());
    }
    const char* pattern = variant == RtVariant::Standard ? format.standard : format.lite;
    return StringPrintf(pattern, static_cast<double>(value), format.unit.c_str());
}

CellColour CellColourFor(RtVariant variant, int kind, float value, bool recorded,
                         const std::optional<CellAlarm>& alarm, int firmware, int typeCode) {
    if (variant == RtVariant::Standard) {
        return recorded ? CellColour::Green : CellColour::Default;
    }
    if (kind == kKindTHD) {
        return CellColour::White;
    }
    if (kind != kKindOnOff && !AlarmTested(kind)) {
        return CellColour::Green;
    }
    const CellColour colour = recorded ? CellColour::Green : CellColour::White;
    if (kind == kKindOnOff || !alarm || !FirmwareWatchesAlarms(kind, firmware, typeCode)) {
        return colour;
    }
    const bool power = kind == kKindKW || kind == kKindKVA || kind == kKindKVAR;
    const double compared = static_cast<double>(value) * (power ? 1000.0 : 1.0);
    const bool low = alarm->lowOn && compared <= alarm->low;
    const bool high = alarm->highOn && compared >= alarm->high;
    return low || high ? CellColour::Red : colour;
}

CellSetup CellSetupOf(const CSetupTable* setup, int channel, int kind) {
    constexpr std::array<std::pair<int, int>, kPowerQuantities> kQuantities = {
        {{kKindVoltsAC, kQuantityVoltage},
         {kKindAmps, kQuantityCurrent},
         {kKindKW, kQuantityKW},
         {kKindKVA, kQuantityKVA},
         {kKindPowerFactor, kQuantityPF},
         {kKindKVAR, kQuantityKVAR}}};
    const auto quantity = std::find_if(kQuantities.begin(), kQuantities.end(),
                                       [kind](const auto& entry) { return entry.first == kind; });
    if (setup == nullptr) {
        return {.recorded = false, .alarm = std::nullopt};
    }
    if (channel < 0 || channel >= kHardwareChannels || quantity == kQuantities.end()) {
        return {};
    }
    const CSUTAlarm& alarm = setup->GetHardwareAlarms(channel).GetAlarm(quantity->second);
    CellSetup cell{.recorded = setup->GetHardwareChannel(channel).GetPowerOptions(quantity->second) != 0,
                   .alarm = std::nullopt};
    if (alarm.IsOn()) {
        cell.alarm = CellAlarm{.lowOn = alarm.IsLowAlarmOn(),
                               .highOn = alarm.IsHighAlarmOn(),
                               .low = alarm.GetLowLimit(),
                               .high = alarm.GetHighLimit()};
    }
    return cell;
}

std::optional<double> RowDistortion(std::span<const ShownQuantity> shown) {
    constexpr std::size_t kFullRow = 6;
    if (shown.size() < kFullRow) {
        return std::nullopt;
    }
    auto given = [shown](int kind) {
        const auto found = std::find_if(shown.begin(), shown.end(), [kind](const ShownQuantity& quantity) {
            return quantity.kind == kind;
        });
        return found == shown.end() ? kNotGiven : static_cast<double>(found->value);
    };
    double kVA = given(kKindKVA);
    const double volts = given(kKindVoltsAC);
    const double amps = given(kKindAmps);
    if (kVA == kNotGiven && volts != kNotGiven && amps != kNotGiven) {
        kVA = volts * amps / 1000.0;
    }
    bool powerFactorsDisagree = false;
    const double thd = CalculateTHD(kNotGiven, kNotGiven, kVA, given(kKindKW), given(kKindKVAR),
                                    given(kKindPowerFactor), powerFactorsDisagree);
    return thd == kNotGiven ? std::nullopt : std::optional<double>(thd);
}

int GridRowCount(std::span<const int> channelTypes) {
    const auto firstFour = channelTypes.first(std::min<std::size_t>(4, channelTypes.size()));
    const auto powerChannels = std::count(firstFour.begin(), firstFour.end(), 1);
    if (powerChannels == 2) {
        return 5;
    }
    return powerChannels >= 3 ? 6 : 4;
}

std::string ChannelTypeName(int channelType, const std::string& analogRangeName) {
    switch (channelType) {
        case 1:
            return UpperCase(LoadText(IDS_RT_TYPE_POWER_VOLTS));
        case 2:
            return UpperCase(LoadText(IDS_RT_TYPE_TEMPERATURE));
        case 3:
            return "+-5VDC";
        case 4:
            return UpperCase(LoadText(IDS_RT_TYPE_ON_OFF));
        case 5:
            return UpperCase(LoadText(IDS_RT_TYPE_POWER));
        case 6:
            return UpperCase(LoadText(IDS_RT_TYPE_CURRENT));
        case 7:
            return "0 - 10Vdc";
        case 8:
            return "4 - 20mA";
        case 9:
            return "0 - 25mA";
        case 15:
        case 16:
        case 17:
            return analogRangeName;
        default:
            return UpperCase(LoadText(IDS_RT_CHANNEL_OFF));
    }
}
