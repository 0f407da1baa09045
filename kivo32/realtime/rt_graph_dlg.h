// CRTVGraphDlg: the values of the chosen kind of up to six channels as lines over a running time
// span, one point per update, with a legend of the last values and an automatic or manual Y range.
// CRTVGraphStandardDlg serves the type code 0, CRTVGraphLiteDlg the others (with the axis dialog).
#pragma once

#include <array>
#include <optional>
#include <utility>

#include "kivo32/realtime/rt_graph_rules.h"
#include "kivo32/realtime/rt_selection_rules.h"
#include "kivo32/realtime/rt_values_dlg.h"

namespace platform {
class GraphControl;
}

class CRTVGraphDlg : public CRTValuesDlg {
    Q_OBJECT

public:
    CRTVGraphDlg(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                 RtGraphSettingsStore settings = {}, QWidget* parent = nullptr);

    void OnMessage(platform::Message& message) override;
    // The kind plotted (0 until the first values for the temperature choice).
    int Kind() const { return kind_; }
    bool IsAutoScaling() const { return auto_scaling_; }
    int TimeSpan() const { return time_span_; }

protected:
    bool OnInitDialog() override;
    void ShowChannelValues(const RealTimeRecord& record) override;

private:
    bool Selected(int channel) const;
    // The graph's looks: titles, subsets of the channels met, the X range, the legend.
    void ShowAxes();
    void ScaleY();
    void OnAxisScaling();
    void OnExport();
    // The axis dialog and the export hold the values; refreshing resumes after them (or, in the Lite,
    // when the graph's look was customised meanwhile) only when it ran before.
    void Interrupt();
    void ResumeIfInterrupted();

    RtGraphSettingsStore settings_store_;
    platform::GraphControl* graph_;
    CToggleButton* auto_scale_;
    QPushButton* axis_button_;
    QPushButton* export_button_;
    // Saves the scaling and the time span for the next windows.
    void SaveSettings() const;

    bool resume_ = false;
    int choice_ = -1;
    int kind_ = 0;
    bool auto_scaling_ = true;
    std::optional<std::pair<double, double>> manual_range_;
    int time_span_ = 60;
    RtYAxisScaler scaler_{60};
    // The subset of each channel, -1 until its first value; subsets in the order channels are met.
    std::array<int, kSelectableChannels> subset_of_{-1, -1, -1, -1, -1, -1};
    int subsets_ = 0;
    int points_ = 0;
};

class CRTVGraphStandardDlg : public CRTVGraphDlg {
    Q_OBJECT

public:
    using CRTVGraphDlg::CRTVGraphDlg;
};

class CRTVGraphLiteDlg : public CRTVGraphDlg {
    Q_OBJECT

public:
    using CRTVGraphDlg::CRTVGraphDlg;
};
