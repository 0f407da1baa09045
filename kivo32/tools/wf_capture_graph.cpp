// The three-curve graph of a waveform capture.
#include "kivo32/tools/wf_capture_graph.h"

#include "kivo32/tools/rt_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/graph/graph_control.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

void SetUpWaveformGraph(platform::GraphControl& graph) {
    platform::GraphSettings& settings = graph.Settings();
    settings.mainTitle = "  ";
    settings.subsets = {{LoadText(IDS_RT_VOLTS), 0xFFFF0000, 0, 3},
                        {LoadText(IDS_RT_AMPS), 0xFFFF00FF, 0, 3},
                        {"KW", 0xFF0000FF, 0, 3}};
    settings.axes = {{LoadText(IDS_RT_VOLTS), 0xFFFF0000, 1},
                     {LoadText(IDS_RT_AMPS), 0xFFFF00FF, 1},
                     {"KW", 0xFF0000FF, 1}};
    settings.style.gridAttributes[0] = static_cast<int>(platform::GridLines::Both);
}

void ShowWaveformCurves(platform::GraphControl& graph, const WaveformCurves& curves) {
    const float null = graph.Settings().nullValue;
    platform::GraphData data;
    for (std::size_t i = 0; i < curves.volts.size(); ++i) {
        data.x.push_back(static_cast<double>(i));
    }
    for (const std::vector<float>* curve : {&curves.volts, &curves.amps, &curves.kW}) {
        data.subsets.emplace_back(*curve, null);
    }
    graph.Settings().numericX = platform::NumericXAxis{
        0.0, curves.volts.empty() ? 1.0 : static_cast<double>(curves.volts.size() - 1)};
    graph.SetData(std::move(data));
    graph.Reinitialise();
}

WaveformScales WaveformScalesOf(const RealTimeSetup& setup, int channel, int typeCode) {
    WaveformScales scales{.currentScalar = setup.currentScalar,
                          .voltageScalar = setup.voltageScalar,
                          .rangeScalar = setup.rangeScalar,
                          .quarven = typeCode >= kModelQuarvenRS};
    if (setup.table && channel >= 0 && channel < kHardwareChannels) {
        const CSUTChannelHardware& hardware = setup.table->GetHardwareChannel(channel);
        scales.currentFactor = hardware.GetCTSize();
        scales.voltageFactor = hardware.GetPTRatio();
        // The Quarven's current range word of the channel.
        scales.rangeWord = hardware.GetCTType();
    }
    return scales;
}
