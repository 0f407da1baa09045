// CWFCaptureDlg: the waveform capture of a Standard real-time window, beside it: the three curves of
// the last capture the window's loop took, printed or copied; "capture again" asks the window.
#pragma once

#include <QPrinter>
#include <QRadioButton>
#include <array>
#include <functional>

#include "kivo32/session/real_time_record.h"
#include "kivo32/realtime/wf_capture_graph.h"
#include "platform/ui/dialog.h"

namespace platform {
class GraphControl;
}

class CWFCaptureDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `setup` gives the channels that can be captured and the scales; `captureAgain` asks the real-time
    // window for a new capture of the channel chosen.
    CWFCaptureDlg(const RealTimeSetup& setup, std::function<void(int channel)> captureAgain, QWidget* parent);

    // The first channel of setup type 1 (0-3), or the one chosen since; -1 when there is none.
    int SelectedChannel() const { return CheckedChannel(channels_); }
    void ShowCapture(const WaveformCapture& capture);
    QPrinter& Printer() { return printer_; }

private:
    const RealTimeSetup& setup_;
    ChannelChoices channels_{};
    platform::GraphControl* graph_;
    QPrinter printer_;
};
