// The arithmetic of the current and voltage calibration windows: what a logger's A/D count text or
// calibration reference means as a reading, the error against the expected reading, and the new scalar.
#pragma once

#include <optional>
#include <string_view>

namespace scalar_calibration {

// The memory models report A/D counts; the Quarven models (type 13 on) a calibration reference.
bool ReadsReference(int typeCode);

// The whole number at the start of a current count text, after leading blanks.
std::optional<long> CurrentCounts(std::string_view text);
// The voltage count: types 1 and 2 report it after the first line feed; anything but digits before it
// is skipped.
std::optional<long> VoltageCounts(std::string_view text, int typeCode);

// The reading a known current or voltage should give.
double ExpectedCurrentReading(int typeCode, double expectedAmps, double range);
// What `counts` read with `scalar` amount to; `range` 1 for the voltage.
double ReadingFromCounts(int typeCode, long counts, double scalar, double range = 1.0);

// The error in percent, or nothing when the measured reading is no input at all: a current at or
// below 0, a voltage below 0.1.
std::optional<double> CurrentErrorPercent(double expected, double measured);
std::optional<double> VoltageErrorPercent(double expected, double measured);

struct Calibrated {
    double scalar = 0;
    double measured = 0;  // the reading again, with the new scalar
};
// The scalar that turns `measured` (read with `oldScalar`) into `expected`.
Calibrated Calibrate(double expected, double measured, double oldScalar);

}  // namespace scalar_calibration
