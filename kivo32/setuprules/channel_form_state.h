// What the setup form holds of one channel while it is edited, the defaults a channel takes with a new
// type, the limits its fields keep, and how a stored setup fills it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "kivo32/setuprules/control_id_tables.h"
#include "shared/setup/sut_channel_alarms.h"

class CSetupTable;

struct ChannelFormState {
    int type = 0;
    std::string label;
    std::string note;
    // Power channels: phase list indices (0-2 L1-L3, 3 N; -1 none), the value, the CT rating, the CT
    // kind as stored (list index minus 1: 1 "RoCoil") and the second CT value.
    int firstPhase = -1;
    int secondPhase = -1;
    float value = 1.0f;
    float ctRating = 0.0f;
    int ctKind = 0;
    float secondCT = 1.1f;
    // Single-value inputs: scale and offset (types 2, 3, 7-9; type 6 keeps its scale in ctRating), the
    // range list index (type 2), the pulse scale (type 4), unit and short unit.
    float scale = 0.0f;
    float offset = 0.0f;
    int rangeChoice = 0;
    float pulseScale = 0.0f;
    std::string unit;
    std::string shortUnit;
    std::string singleOption;
    // The six value-option texts (columns 11-16), the sum flags of a software channel.
    std::array<std::string, kOptionColumns> options;
    std::array<int, 4> sums{};
    CSUTChannelAlarms alarms;
};

// Clears `state` and sets the defaults of `type` for channel 0-5 of `model`; `powerChannels` says which
// hardware channels are power channels now (a new software channel sums them).
void ResetChannelState(ChannelFormState& state, int type, int channel, int model,
                       const std::array<bool, 4>& powerChannels);

// The range a float field of a channel of `type` keeps, by column; nullopt for no check.
struct FieldRange {
    double low;
    double high;
};
std::optional<FieldRange> FloatFieldRange(int type, int column);

// Characters a text field takes: label 20, note 80 for type 1 (79 otherwise), unit 20, short unit 8.
int TextFieldLimit(int type, int column);

// The state of channel 0-5 as `table` holds it, its option texts with their marks (ApplyOptionMarks).
ChannelFormState LoadChannelState(const CSetupTable& table, int channel);

// A phase letter of the table as a list index, model 1 reading "N" as its second item.
int PhaseIndexFromLetter(char letter, int model);

// Appends "L" when the option's alarm is on and "D" for the peak-demand item, comma-separated; models 13
// and above get no marks.
std::string AppendOptionMarks(std::string text, int model, bool alarmOn, bool peakDemand);
