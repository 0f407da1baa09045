// The three-curve graph of a waveform capture.
#include "kivo32/realtime/wf_capture_graph.h"

#include <QPrintDialog>

#include "kivo32/realtime/rt_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
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
                          .quarven = typeCode >= kModelQuarvenRS,
                          .inReadOrder = typeCode == kModelStandard};
    if (setup.table && channel >= 0 && channel < kHardwareChannels) {
        const CSUTChannelHardware& hardware = setup.table->GetHardwareChannel(channel);
        scales.currentFactor = hardware.GetCTSize();
        scales.voltageFactor = hardware.GetPTRatio();
        // The Quarven's current range word of the channel.
        scales.rangeWord = hardware.GetCTType();
    }
    return scales;
}

ChannelChoices MakeChannelChoices(QWidget* parent, QBoxLayout* row, const RealTimeSetup& setup) {
    constexpr int kPowerChannelType = 1;
    ChannelChoices choices{};
    bool first = true;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const std::string name =
            platform::StringPrintf(LoadText(IDS_SELECT_CHANNEL).c_str(), static_cast<int>(i) + 1);
        choices[i] = new QRadioButton(platform::ToQString(name), parent);
        platform::SetControlId(choices[i], IDC_WF_CHANNEL1 + static_cast<int>(i));
        const bool power = setup.channelTypes[i] == kPowerChannelType;
        choices[i]->setEnabled(power);
        choices[i]->setChecked(power && first);
        first = first && !power;
        row->addWidget(choices[i]);
    }
    return choices;
}

int CheckedChannel(const ChannelChoices& choices) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool PrintWaveformGraph(const platform::GraphControl& graph, QPrinter& printer, QWidget* parent) {
    const int chosen = platform::CurrentUiBroker().RunDialog("Print", [&printer, parent] {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec();
    });
    if (chosen != QDialog::Accepted) {
        return false;
    }
    if (!graph.Print(printer, graph.width(), graph.height())) {
        ShowMessageBoxId(AFX_IDP_FAILED_TO_START_PRINT, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    return true;
}
