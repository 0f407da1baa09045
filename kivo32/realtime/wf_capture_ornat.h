// CWFCaptureOrnat: one cycle of the voltage and current of a power channel and their product, as the
// session's capture loop reads them, asked for or captured continuously; printed or copied.
#pragma once

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>

#include "kivo32/session/real_time_window_link.h"
#include "kivo32/realtime/wf_capture_graph.h"
#include "kivo32/realtime/wf_scaling.h"
#include "platform/ui/dialog.h"

class CRegistryValues;
namespace platform {
class GraphControl;
}

class CWFCaptureOrnat : public platform::Dialog {
    Q_OBJECT

public:
    // `registry` gives the refresh count of the continuous capture.
    CWFCaptureOrnat(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                    QWidget* parent = nullptr);
    ~CWFCaptureOrnat() override;

    void OnMessage(platform::Message& message) override;
    const WaveformCurves& Curves() const { return curves_; }
    bool IsContinuous() const { return !link_->IsHeld(); }
    // Where Print prints (a test sets a PDF file).
    QPrinter& Printer() { return printer_; }

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    int SelectedChannel() const;
    void RequestCapture();
    // A capture delivered by the loop: shown, or the failure told.
    void OnCapture(const WaveformCapture& capture);
    // Start (true) or stop the continuous capture.
    void RunContinuous(bool run);
    void OnRefreshCount();
    void OnPrint();

    std::shared_ptr<CRealTimeWindowLink> link_;
    CRegistryValues& registry_;
    ChannelChoices channels_{};
    QLabel* capture_time_;
    platform::GraphControl* graph_;
    QPushButton* continuous_;
    QPushButton* refresh_count_;
    QPrinter printer_;
    WaveformCurves curves_;
    // Until the first capture is shown the window has nothing to show: a failure closes it.
    bool shown_first_ = false;
};
