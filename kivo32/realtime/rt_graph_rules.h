// The rules of the real-time graph: which value kind a choice plots, the axis titles, and the Y range
// from the history of each update's lowest and highest value.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "kivo32/realtime/rt_graph_export.h"
#include "shared/logger/real_time_value.h"

// Value kinds (the unit code of a real-time value).
inline constexpr int kKindAmps = 1;
inline constexpr int kKindVoltsAC = 2;
inline constexpr int kKindVoltsDC = 3;
inline constexpr int kKindKW = 4;
inline constexpr int kKindKVA = 5;
inline constexpr int kKindPowerFactor = 6;
inline constexpr int kKindKVAR = 7;
inline constexpr int kKindOnOff = 8;
inline constexpr int kKindTemperature = 9;  // 10-13 with the unit letters F, C, R, K
inline constexpr int kKindTemperatureLast = 13;
inline constexpr int kKindAnalog = 18;
inline constexpr int kKindTHD = 21;

// The kind of value choice 0-9 of the channel selection; choice 6 (temperature) takes the first kind
// 9-13 among the values of the selected channels (9 when none). 0 for another choice.
int KindOfChoice(int choice, std::span<const RealTimeValue> values, std::span<const bool> selected);
// The Y axis title of the kind (Windows-1252).
std::string YAxisLabel(int kind);
// The X axis title of a time span in whole seconds.
std::string XAxisTitle(int seconds);
// A value as the graph plots it: kind 8 as 1 above 0.5, else 0.
double PlottedValue(int kind, float value);

// What the graph keeps between windows (the application information file's graph keys): automatic
// scaling, the manual Y range, the time span in whole seconds.
struct RtGraphSettings {
    bool autoScaling = true;
    std::optional<std::pair<double, double>> manualRange;
    int timeSpan = 60;
};
// Where the graph windows take their settings from and put them back; either may be empty.
struct RtGraphSettingsStore {
    std::function<RtGraphSettings()> load = {};
    std::function<void(const RtGraphSettings&)> save = {};
    // The export settings; the file's defaults when empty.
    std::function<GraphExportTexts()> exportTexts = {};
};
inline constexpr int kShortestTimeSpan = 1;
inline constexpr int kLongestTimeSpan = 10000;
// The settings from the file's values: a Y range only with its minimum below its maximum, a time span
// of whole seconds 1-10000 (60 for a value out of range).
RtGraphSettings GraphSettingsFromFile(int autoRange, double minimumY, double maximumY, double maximumX);

// The Y range of the graph: each update's lowest and highest value, kept for the time span.
class RtYAxisScaler {
public:
    explicit RtYAxisScaler(int timeSpanSeconds) : span_(timeSpanSeconds < 1 ? 1 : timeSpanSeconds) {}

    // One update's values; values that are not numbers are left out, and an update without a number
    // adds nothing.
    void AddUpdate(std::span<const double> values);
    // The range to show: the manual one when automatic scaling is off and a manual one is set;
    // otherwise from the history, with a margin by magnitude (automatic) or 10 % (off). A flat history
    // is widened so that the axis never is empty; nullopt before the first update.
    std::optional<std::pair<double, double>> Range(bool automatic,
                                                   std::optional<std::pair<double, double>> manual) const;
    std::size_t HistorySize() const { return history_.size(); }

private:
    std::size_t span_;
    std::deque<std::pair<double, double>> history_;
};
