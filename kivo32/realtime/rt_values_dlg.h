// CRTValuesDlg: what the real-time values windows share: the readouts of the logger's state, the
// Run/Hold button and the refresh count, and the records the session's loop delivers. The window is a
// top-level window; its close ends the loop.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <map>
#include <memory>

#include "kivo32/session/real_time_record.h"
#include "kivo32/session/real_time_window_link.h"
#include "platform/ui/dialog.h"

class CRegistryValues;
class CToggleButton;
class CWFCaptureDlg;

class CRTValuesDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `registry` gives the refresh count and keeps a new default.
    CRTValuesDlg(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                 QWidget* parent = nullptr);
    ~CRTValuesDlg() override;

    // The Lite variants (every type code but 0) count their refreshes down and hold.
    bool IsLite() const { return link_->TypeCode() != kModelStandard; }
    const CRealTimeWindowLink& Link() const { return *link_; }
    // The last record shown.
    const RealTimeRecord& Record() const { return record_; }

    void OnMessage(platform::Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
    // The area of the concrete window (grid or graph), above the readouts.
    QVBoxLayout* ValuesArea() const { return values_area_; }
    // Each record: the concrete window's values, then the readouts.
    virtual void ShowChannelValues(const RealTimeRecord& record) = 0;
    void UpdateReadouts(const RealTimeRecord& record);
    // The Standard windows: a capture of `channel` (0-3) asked of the loop; the values are held until
    // it came and refreshed again afterwards when they were before.
    void ShowWaveformCapture(int channel);
    // Stops the refreshing (Run/Hold released); RunUpdates starts it again (pressed).
    void HoldUpdates();
    void RunUpdates();

private:
    void OnRunHold();
    void OnRefreshCount();
    void OnCapture(const WaveformCapture& capture);
    // The refresh count button: disabled and titled so while the values are refreshed.
    void ShowRefreshButton(bool refreshing);
    void SetReadout(int id, const std::string& text);
    // A readout and its label.
    void ShowReadout(int id, bool shown);

    std::shared_ptr<CRealTimeWindowLink> link_;
    CRegistryValues& registry_;
    RealTimeRecord record_;
    std::map<int, QLabel*> readout_labels_;
    QVBoxLayout* values_area_;
    CToggleButton* run_hold_;
    QPushButton* refresh_count_;
    QPushButton* capture_;
    QPointer<CWFCaptureDlg> capture_window_;
    bool resume_after_capture_ = false;
};
