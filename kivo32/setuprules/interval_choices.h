// The logging intervals the setup form offers per model, and where a setup's interval code shows.
#pragma once

#include <string>
#include <vector>

struct IntervalChoice {
    int code;
    std::string text;  // "15 minutes"
};

// The codes offered, in list order: 13 from 3 seconds for models 0-12, 15 from 1 second for 13 and 14;
// 5 seconds (code 8) never.
const std::vector<int>& OfferedIntervalCodes(int model);

// The list the form shows for a setup of `model` holding `storedCode`: the offered intervals, and the
// stored code as an item of its own at the end when the list lacks it (so that showing and saving the
// setup keeps it). Codes outside 0-16 add nothing.
std::vector<IntervalChoice> IntervalChoicesFor(int model, int storedCode);

// "%d %s" of the interval's count and unit word ("1 minute", "12 hours").
std::string IntervalText(int code);

// The list index that shows `code`, -1 when the list lacks it.
int IntervalIndexOf(const std::vector<IntervalChoice>& choices, int code);
