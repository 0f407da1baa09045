// The arithmetic of the current and voltage calibration windows.
#include "kivo32/setuprules/scalar_calibration.h"

#include <cctype>
#include <charconv>

namespace scalar_calibration {

namespace {

constexpr int kFirstReferenceModel = 13;
// Types 1 and 2 count in sixteenths.
constexpr double kSixteenth = 0.0625;
// A count of the memory models' current input per ampere of the range.
constexpr double kCountsPerRangeAmp = 3.003;
// The Quarven reference's volts per ampere of the calibration current.
constexpr double kReferenceVoltsPerAmp = 0.00333;
constexpr double kLowestVoltage = 0.1;

bool CountsInSixteenths(int typeCode) {
    return typeCode == 1 || typeCode == 2;
}

std::optional<long> NumberAt(std::string_view text) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool ReadsReference(int typeCode) {
    return typeCode >= kFirstReferenceModel;
}

std::optional<long> CurrentCounts(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::nullopt : NumberAt(text.substr(start));
}

std::optional<long> VoltageCounts(std::string_view text, int typeCode) {
    if (CountsInSixteenths(typeCode)) {
        const std::size_t lineFeed = text.find('\n');
        text = lineFeed == std::string_view::npos ? std::string_view() : text.substr(lineFeed + 1);
    }
    std::size_t digit = 0;
    while (digit < text.size() && !std::isdigit(static_cast<unsigned char>(text[digit]))) {
        ++digit;
    }
    return NumberAt(text.substr(digit));
}

double ExpectedCurrentReading(int typeCode, double expectedAmps, double range) {
    return ReadsReference(typeCode) ? expectedAmps / kReferenceVoltsPerAmp
                                    : expectedAmps * range * kCountsPerRangeAmp;
}

double ReadingFromCounts(int typeCode, long counts, double scalar, double range) {
    const double reading = static_cast<double>(counts) * scalar * range;
    return CountsInSixteenths(typeCode) ? reading * kSixteenth : reading;
}

std::optional<double> CurrentErrorPercent(double expected, double measured) {
    if (!(measured > 0)) {
        return std::nullopt;
    }
    return (1 - expected / measured) * 100;
}

std::optional<double> VoltageErrorPercent(double expected, double measured) {
    if (!(measured >= kLowestVoltage)) {
        return std::nullopt;
    }
    return (1 - expected / measured) * 100;
}

Calibrated Calibrate(double expected, double measured, double oldScalar) {
    const double scalar = expected / measured * oldScalar;
    // A reading scales with its scalar; a scalar of 0 reads nothing.
    return {scalar, oldScalar != 0 ? measured / oldScalar * scalar : 0.0};
}

}  // namespace scalar_calibration
