// The rules of the real-time graph.
#include "kivo32/realtime/rt_graph_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "kivo32/realtime/rt_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"

using platform::StringPrintf;

namespace {

constexpr int kTemperatureChoice = 6;
// By choice 0-9.
constexpr std::array<int, 10> kChoiceKinds = {kKindVoltsAC,     kKindAmps,  kKindKW,          kKindKVA,
                                              kKindPowerFactor, kKindKVAR,  kKindTemperature, kKindOnOff,
                                              kKindVoltsDC,     kKindAnalog};

// The margin of an automatic range by the magnitude of its ends.
double AutomaticMargin(double lo, double hi) {
    const double a = std::fabs(lo);
    const double b = std::fabs(hi);
    if (a <= 50 || b <= 50) {
        return 0.1;
    }
    if (a <= 500 || b <= 500) {
        return 0.006;
    }
    if (a <= 1000 || b <= 1000) {
        return 0.002;
    }
    return 0.0005;
}

}  // namespace

int KindOfChoice(int choice, std::span<const RealTimeValue> values, std::span<const bool> selected) {
    if (choice < 0 || choice >= static_cast<int>(kChoiceKinds.size())) {
        return 0;
    }
    if (choice != kTemperatureChoice) {
        return kChoiceKinds[static_cast<std::size_t>(choice)];
    }
    for (const RealTimeValue& value : values) {
        const bool chosen = value.channel >= 0 && static_cast<std::size_t>(value.channel) < selected.size() &&
                            selected[static_cast<std::size_t>(value.channel)];
        if (chosen && value.unit >= kKindTemperature && value.unit <= kKindTemperatureLast) {
            return value.unit;
        }
    }
    return kKindTemperature;
}

std::string YAxisLabel(int kind) {
    switch (kind) {
        case kKindVoltsAC:
            return LoadText(IDS_RT_VOLTS) + " AC";
        case kKindAmps:
            return LoadText(IDS_RT_AMPS);
        case kKindKW:
            return "KW";
        case kKindKVA:
            return "KVA";
        case kKindPowerFactor:
            return "PF";
        case kKindKVAR:
            return "KVAR";
        case kKindOnOff:
            return LoadText(IDS_RT_ON_OFF);
        case kKindVoltsDC:
            return LoadText(IDS_RT_VOLTS) + " DC";
        case kKindAnalog:
            return LoadText(IDS_RT_ANALOG);
        default:
            return kind >= kKindTemperature && kind <= kKindTemperatureLast ? LoadText(IDS_RT_TEMPERATURE)
                                                                            : std::string();
    }
}

std::string XAxisTitle(int seconds) {
    if (seconds < 60) {
        return StringPrintf("|%d %s|", seconds, LoadText(IDS_RT_SECONDS).c_str());
    }
    if (seconds % 60 != 0) {
        return StringPrintf("|%.1f %s|", seconds / 60.0, LoadText(IDS_RT_MINUTES).c_str());
    }
    if (seconds == 60) {
        return StringPrintf("|1 %s|", LoadText(IDS_RT_MINUTE).c_str());
    }
    return StringPrintf("|%d %s|", seconds / 60, LoadText(IDS_RT_MINUTES).c_str());
}

double PlottedValue(int kind, float value) {
    if (kind == kKindOnOff) {
        return value > 0.5f ? 1.0 : 0.0;
    }
    return value;
}

void RtYAxisScaler::AddUpdate(std::span<const double> values) {
    std::optional<std::pair<double, double>> extremes;
    for (const double value : values) {
        if (std::isnan(value)) {
            continue;
        }
        extremes = extremes ? std::pair(std::min(extremes->first, value), std::max(extremes->second, value))
                            : std::pair(value, value);
    }
    if (!extremes) {
        return;
    }
    history_.push_back(*extremes);
    if (history_.size() > span_) {
        history_.pop_front();
    }
}

std::optional<std::pair<double, double>> RtYAxisScaler::Range(
    bool automatic, std::optional<std::pair<double, double>> manual) const {
    if (!automatic && manual) {
        return manual;
    }
    if (history_.empty()) {
        return std::nullopt;
    }
    double lo = history_.front().first;
    double hi = history_.front().second;
    for (const auto& [low, high] : history_) {
        lo = std::min(lo, low);
        hi = std::max(hi, high);
    }
    double low = 0;
    double high = 0;
    if (automatic) {
        const double margin = AutomaticMargin(lo, hi);
        low = lo - std::fabs(lo) * margin;
        high = hi + std::fabs(hi) * margin;
    } else {
        low = lo < 0 ? lo - 0.1 * std::fabs(lo) : 0.0;
        high = hi + 0.1 * std::fabs(hi);
    }
    if (!(high > low)) {
        // One value throughout (all zero, say): an axis around it.
        const double pad = std::max(std::fabs(hi) * 0.1, 1.0);
        low = std::min(low, hi) - pad;
        high = std::max(high, hi) + pad;
    }
    return std::pair(low, high);
}

RtGraphSettings GraphSettingsFromFile(int autoRange, double minimumY, double maximumY, double maximumX) {
    RtGraphSettings settings;
    settings.autoScaling = autoRange != 0;
    if (minimumY < maximumY) {
        settings.manualRange = std::pair(minimumY, maximumY);
    }
    const double span = std::round(maximumX);
    if (span >= kShortestTimeSpan && span <= kLongestTimeSpan) {
        settings.timeSpan = static_cast<int>(span);
    }
    return settings;
}
