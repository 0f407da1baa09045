// How long the logger's memory lasts at a logging interval: the two texts of the setup form.
#pragma once

#include <string>
#include <utility>

class CSetupTable;

// Days split into whole days and hours; more than 23 hours round up to the next day.
struct DaysAndHours {
    double days;
    double hours;
};
DaysAndHours SplitDays(double days);

// The recording time of `table`'s logger at `intervalCode`: models 13 and 14 one memory (both texts
// equal, whole records), the others a small and a large memory. Up to 100 whole days with hours (text
// 12294), above without (12330); an interval without records gives 0 days.
std::pair<std::string, std::string> FormatMemoryTime(const CSetupTable& table, int intervalCode);
// One text for `days`.
std::string FormatRecordingDays(double days);
