// The graph of a waveform capture: volts, amps and kW over one cycle, each on an axis of its own; and
// what scales a capture for it.
#pragma once

#include <QBoxLayout>
#include <QPrinter>
#include <QRadioButton>
#include <array>

#include "kivo32/session/real_time_record.h"
#include "kivo32/realtime/wf_scaling.h"

namespace platform {
class GraphControl;
}

// The looks of the three curves.
void SetUpWaveformGraph(platform::GraphControl& graph);
// Shows the curves, sample 0 on the left.
void ShowWaveformCurves(platform::GraphControl& graph, const WaveformCurves& curves);
// The scales of `channel` (0-3) from the logger's scalars and the setup.
WaveformScales WaveformScalesOf(const RealTimeSetup& setup, int channel, int typeCode);

// The radios of channels 1-4 in `row`: those of setup type 1 enabled, the first of them checked.
using ChannelChoices = std::array<QRadioButton*, 4>;
ChannelChoices MakeChannelChoices(QWidget* parent, QBoxLayout* row, const RealTimeSetup& setup);
// The checked channel (0-3), -1 for none.
int CheckedChannel(const ChannelChoices& choices);
// Prints the graph after the user chose the printer; a printer that cannot start is told. False when
// nothing was printed.
bool PrintWaveformGraph(const platform::GraphControl& graph, QPrinter& printer, QWidget* parent);
