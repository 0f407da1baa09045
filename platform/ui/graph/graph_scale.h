// Where the graph puts its axis marks: rounded steps for the values, calendar steps for the times.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct ValueScale {
    double minimum = 0.0;
    double maximum = 1.0;
    double step = 0.1;
    // Marks from the first multiple of step at or above minimum.
    std::vector<double> Marks() const;
};

// A scale of steps 1, 2 or 5 times a power of ten covering [low, high] with at most `maxMarks` marks;
// an empty or flat range is widened so that the values stay inside.
ValueScale MakeValueScale(double low, double high, int maxMarks);

struct TimeMark {
    double serialDate = 0.0;
    std::string time;  // "HH:MM:SS", or "HH:MM" for steps of whole minutes
    std::string date;  // in the user's order; empty when the day is that of the mark before
};

// The date text of a day in the user's order; the program supplies it (the window layer does not know
// the user's formats). Empty: year-month-day.
using DateTextFn = std::function<std::string(int year, int month, int day)>;

// Marks between `from` and `to` (serial dates) at least `minimumDays` apart, on whole seconds, minutes,
// hours or days.
std::vector<TimeMark> MakeTimeMarks(double from, double to, double minimumDays, const DateTextFn& dateText);

// The value with `decimals` decimals (0-4).
std::string FormatGraphValue(double value, int decimals);

}  // namespace platform
