// Where the graph puts its axis marks: rounded steps for the values, calendar steps for the times.
#include "platform/ui/graph/graph_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/base/string_format.h"
#include "platform/ui/graph/serial_date.h"

namespace platform {
namespace {

constexpr double kSecondsPerDay = 86400.0;
// Steps of the time axis in seconds, from one second to a year.
constexpr std::array<double, 22> kTimeSteps{1,     2,     5,     10,     15,     30,     60,     120,
                                            300,   600,   900,   1800,   3600,   7200,   10800,  21600,
                                            43200, 86400, 172800, 604800, 2592000, 31536000};

}  // namespace

std::vector<double> ValueScale::Marks() const {
    std::vector<double> marks;
    if (step <= 0.0) {
        return marks;
    }
    for (double mark = std::ceil(minimum / step - 1e-9) * step; mark <= maximum + step * 1e-9; mark += step) {
        marks.push_back(std::abs(mark) < step * 1e-9 ? 0.0 : mark);
    }
    return marks;
}

ValueScale MakeValueScale(double low, double high, int maxMarks) {
    if (!(low <= high) || !std::isfinite(low) || !std::isfinite(high)) {
        low = 0.0;
        high = 1.0;
    }
    if (high - low < 1e-12 * std::max(1.0, std::abs(high))) {
        const double spread = std::max(1.0, std::abs(high) * 0.1);
        low -= spread;
        high += spread;
    }
    maxMarks = std::max(maxMarks, 2);
    const double rough = (high - low) / (maxMarks - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10.0 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

std::vector<TimeMark> MakeTimeMarks(double from, double to, double minimumDays, const DateTextFn& dateText) {
    std::vector<TimeMark> marks;
    if (!(from < to)) {
        return marks;
    }
    const double minimumSeconds = minimumDays * kSecondsPerDay;
    double stepSeconds = kTimeSteps.back();
    for (const double candidate : kTimeSteps) {
        if (candidate >= minimumSeconds) {
            stepSeconds = candidate;
            break;
        }
    }
    const double step = stepSeconds / kSecondsPerDay;
    std::string previousDate;
    // Seconds from day 0 keep the marks on whole seconds, minutes and hours of the local day.
    const double firstSecond = std::ceil(std::round(from * kSecondsPerDay * 1000.0) / 1000.0 / stepSeconds);
    for (double index = firstSecond;; ++index) {
        const double mark = index * step;
        if (mark > to + 1e-9 || marks.size() > 1000) {
            break;
        }
        SerialDateParts parts;
        if (!SerialDateToParts(mark, parts)) {
            continue;
        }
        TimeMark timeMark;
        timeMark.serialDate = mark;
        timeMark.time = stepSeconds >= 60 && std::fmod(stepSeconds, 60.0) == 0.0
                            ? StringPrintf("%02d:%02d", parts.hour, parts.minute)
                            : StringPrintf("%02d:%02d:%02d", parts.hour, parts.minute, parts.second);
        const int year = parts.yearsSince1900 + 1900;
        const std::string date = dateText ? dateText(year, parts.month, parts.day)
                                          : StringPrintf("%04d-%02d-%02d", year, parts.month, parts.day);
        if (date != previousDate) {
            timeMark.date = date;
            previousDate = date;
        }
        marks.push_back(std::move(timeMark));
    }
    return marks;
}

std::string FormatGraphValue(double value, int decimals) {
    return StringPrintf("%.*f", std::clamp(decimals, 0, 4), value);
}

}  // namespace platform
