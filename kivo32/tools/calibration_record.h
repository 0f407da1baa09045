// The production calibration's arithmetic and its record file "LoggerCalData.clb": tab-separated
// lines ended by CR LF, a header of 30 column names first, then one line per calibrated logger.
#pragma once

#include <array>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/logger/real_time_value.h"

inline constexpr const char* kCalibrationFileName = "LoggerCalData.clb";

// The scalars a calibrated logger may carry without the technician confirming them (ends included).
// Compared in single precision, as the scalars are kept, so that 0.43 itself passes.
bool AmpScalarInRange(float ampScalar);
bool VoltScalarInRange(float voltScalar);

// The A/D counts in the logger's reply to the counts read; nullopt when the reply holds no number.
// Loggers of type codes 1 and 2 answer the volt counts on the line after the first.
std::optional<int> VoltCountsFrom(std::string_view reply, int typeCode);
std::optional<int> AmpCountsFrom(std::string_view reply);
// The input value the counts stand for under `scalar`.
float MeasuredVolts(int counts, float voltScalar, int typeCode);
float MeasuredAmps(int counts, float ampScalar, int typeCode);
// The reference current the amp source stands for at the current inputs.
float ReferenceAmps(float ampSource);
// Percent deviation of a reference from a measurement: (1 - reference / measured) x 100.
float PercentError(float reference, float measured);

// Auto Cal's new scalars from the counts of its second reads: each scalar scaled so that the measured
// value meets the reference. It stops before anything is computed when a read failed (a counts text
// without a number) or an input reads zero, so that nothing wrong reaches the logger.
enum class CalibrationStop { kNone, kCountsUnread, kNoVoltInput, kNoAmpInput };
struct ScalarCalibration {
    CalibrationStop stop = CalibrationStop::kNone;
    float voltScalar = 0;
    float ampScalar = 0;
    float measuredVolts = 0;  // with the new scalars
    float measuredAmps = 0;
};
ScalarCalibration CalibrateScalars(std::optional<int> voltCounts, std::optional<int> ampCounts,
                                   float voltSource, float ampSource, float voltScalar, float ampScalar,
                                   int typeCode);

// What Measure takes from one real-time reading for phase L1-L3: that phase's amps and volts (record
// channel phase - 1) and the fourth current input's amps (channel 3); empty where the reading has none.
struct PhaseValues {
    std::optional<float> amps;
    std::optional<float> volts;
    std::optional<float> fourthAmps;
};
PhaseValues ValuesOfPhase(const std::vector<RealTimeValue>& values, int phase);

// One line of the record file, as the calibration window collected it.
struct CalibrationRecord {
    std::tm storedAt{};  // local time of storing
    std::string serialNumber;
    std::string id;
    std::string typeName;
    std::string description;
    std::string baud;
    int modemChoice = -1;   // 0 none, 1 2400, 2 9600, 3 14400; -1 when no choice is checked
    int memoryChoice = -1;  // 0 128K, 1 512K; -1 when no choice is checked
    std::string logState;
    float ampScalar = 0;
    float referenceAmps = 0;
    std::array<float, 4> amps{};  // L1-L3 and the fourth current input
    std::array<float, 4> ampErrors{};
    float voltScalar = 0;
    float voltSource = 0;
    std::array<float, 3> volts{};
    std::array<float, 3> voltErrors{};
    std::string technician;
    std::string comment;
};

// The header line and a record line, without the line end. Text fields lose tabs and line breaks and
// are cut to their column's width, so that every line keeps its 30 columns.
std::string CalibrationHeaderLine();
std::string CalibrationRecordLine(const CalibrationRecord& record);

// Appends `line` and CR LF to the file at `path`, creating it with the header line when it is new
// or empty, under an exclusive advisory lock so that two programs storing at once do not mix lines.
// False, with errno set, when the file could not be opened or written.
bool AppendCalibrationLine(const std::filesystem::path& path, std::string_view line);
