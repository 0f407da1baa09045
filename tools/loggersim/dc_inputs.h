// DcInputs: the DC reference sources a production calibration applies to a simulated logger, and the
// A/D counts its converter gives for them: the counts reads "F! B0 10" and "@?" (type codes 7-9), and
// the Ornat's real-time block.
#pragma once

#include <string>

struct DcInputs {
    float volts = 0;      // on the voltage inputs
    float ampSource = 0;  // the amp source, reaching the current inputs through the fixture's 3.003 turns
    // The logger's own gains: the scalars a calibration finds.
    float voltsPerCount = 0.425F;
    float ampsPerCount = 0.000915F;
};

int VoltCounts(const DcInputs& inputs, int typeCode);
int AmpCounts(const DcInputs& inputs, int typeCode);

// The reply to "F! B0 10": the Ornat models (type codes 1 and 2) give the amp counts on the first line
// and the volt counts on the second, the others the volt counts alone.
std::string AdCountsReply(const DcInputs& inputs, int typeCode);
// The reply to "@?" of type codes 7-9: the volt counts in hex, three digits first (7 and 8) or four
// digits after four characters (9).
std::string HexAdCountsReply(const DcInputs& inputs, int typeCode);
struct LoggerState;
struct LoggerModel;
class CSetupTable;
// The calibration bench's setup: the three phases and the fourth current input as power channels with
// 100 A current inputs, so that a real-time reading shows each input's volts and amps.
CSetupTable CalibrationBenchSetup(const LoggerModel& model);
// Applies `inputs` to the logger: its counts reads, and on an Ornat each hardware channel's raw volts
// and amps in the real-time block, so that a real-time reading shows the inputs under the scalars the
// logger holds.
void ApplyDcInputs(LoggerState& state, const DcInputs& inputs);
