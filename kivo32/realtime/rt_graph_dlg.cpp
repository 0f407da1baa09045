// CRTVGraphDlg: the real-time values as a running graph.
#include "kivo32/realtime/rt_graph_dlg.h"

#include <QHBoxLayout>
#include <cmath>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/controls/toggle_button.h"
#include "kivo32/realtime/rt_axis_scaling_dlg.h"
#include "kivo32/realtime/rt_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/identified_controls.h"

namespace {

// The lines of channels met first, second ... on the black plot.
constexpr std::array<platform::GraphColor, kSelectableChannels> kSubsetColours = {
    0xFF00FFFF, 0xFFFFFFFF, 0xFFFFAA64, 0xFFFF64FF, 0xFFFF00FF, 0xFF0064FF};
constexpr std::size_t kChoiceWord = kSelectableChannels;
constexpr int kTemperatureChoice = 6;

}  // namespace

CRTVGraphDlg::CRTVGraphDlg(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                           RtGraphSettingsStore settings, QWidget* parent)
    : CRTValuesDlg(std::move(link), registry, parent),
      settings_store_(std::move(settings)),
      graph_(new platform::GraphControl(this)),
      auto_scale_(new CToggleButton(IDC_RT_AUTO_SCALE, this)),
      axis_button_(new QPushButton(platform::ToQString(LoadText(IDS_RT_AXIS_BUTTON)), this)),
      export_button_(new QPushButton(platform::ToQString(LoadText(IDS_RT_EXPORT_BUTTON)), this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_RT_GRAPH_TITLE)));
    platform::SetControlId(graph_, IDC_RT_GRAPH);
    platform::SetControlId(axis_button_, IDC_RT_AXIS_SCALING);
    platform::SetControlId(export_button_, IDC_RT_EXPORT);
    auto_scale_->setText(platform::ToQString(LoadText(IDS_RT_AUTO_SCALE)));
    ValuesArea()->addWidget(graph_, 1);
    auto* controls = new QHBoxLayout;
    controls->addWidget(auto_scale_);
    controls->addWidget(axis_button_);
    controls->addWidget(export_button_);
    controls->addStretch();
    ValuesArea()->addLayout(controls);
    connect(axis_button_, &QPushButton::clicked, this, [this] { OnAxisScaling(); });
    connect(export_button_, &QPushButton::clicked, this, [this] { OnExport(); });
    connect(graph_, &platform::GraphControl::Notify, this, [this](platform::GraphNotification notification) {
        if (IsLite() && notification == platform::GraphNotification::Customised) {
            ResumeIfInterrupted();
        }
    });
    resize(820, 640);
}

bool CRTVGraphDlg::Selected(int channel) const {
    const auto& selection = Link().Selection();
    return channel >= 0 && channel < kSelectableChannels &&
           static_cast<std::size_t>(channel) < selection.size() &&
           selection[static_cast<std::size_t>(channel)] != 0;
}

bool CRTVGraphDlg::OnInitDialog() {
    const auto& selection = Link().Selection();
    choice_ = selection.size() > kChoiceWord ? selection[kChoiceWord] : -1;
    kind_ = KindOfChoice(choice_, {}, {});
    // An on/off state has nothing to scale.
    auto_scale_->setVisible(kind_ != kKindOnOff);
    axis_button_->setVisible(IsLite() && kind_ != kKindOnOff);
    const RtGraphSettings kept = settings_store_.load ? settings_store_.load() : RtGraphSettings{};
    auto_scaling_ = kept.autoScaling;
    manual_range_ = kept.manualRange;
    time_span_ = kept.timeSpan;
    scaler_ = RtYAxisScaler(time_span_);
    auto_scaling_ ? auto_scale_->Press() : auto_scale_->Release();
    platform::GraphSettings& settings = graph_->Settings();
    settings.mainTitle = "  ";
    settings.colors.graphBackground = 0xFF000000;
    settings.style.gridAttributes[0] = static_cast<int>(platform::GridLines::Both);
    settings.statistics.shown = true;
    ShowAxes();
    return CRTValuesDlg::OnInitDialog();
}

void CRTVGraphDlg::ShowAxes() {
    platform::GraphSettings& settings = graph_->Settings();
    settings.axes[0].label = YAxisLabel(kind_);
    settings.annotations = {XAxisTitle(time_span_)};
    const double from = std::max(0, points_ - time_span_);
    settings.numericX = platform::NumericXAxis{from, from + time_span_};
    graph_->Reinitialise();
}

void CRTVGraphDlg::ShowChannelValues(const RealTimeRecord& record) {
    if (choice_ == kTemperatureChoice && subsets_ == 0) {
        // The temperature unit is that of the first selected channel's temperature value.
        std::array<bool, kSelectableChannels> selected{};
        for (int channel = 0; channel < kSelectableChannels; ++channel) {
            selected[static_cast<std::size_t>(channel)] = Selected(channel);
        }
        kind_ = KindOfChoice(choice_, record.values, selected);
    }
    platform::GraphSettings& settings = graph_->Settings();
    std::vector<float> points(static_cast<std::size_t>(subsets_), settings.nullValue);
    std::vector<double> values;
    for (const RealTimeValue& value : record.values) {
        if (value.unit != kind_ || !Selected(value.channel)) {
            continue;
        }
        int& subset = subset_of_[static_cast<std::size_t>(value.channel)];
        if (subset < 0) {
            subset = subsets_++;
            points.push_back(settings.nullValue);
            settings.subsets.push_back({platform::StringPrintf("Ch%d", value.channel + 1),
                                        kSubsetColours[static_cast<std::size_t>(subset)], 0, 3});
            settings.statistics.rows.push_back({{}, kSubsetColours[static_cast<std::size_t>(subset)]});
        }
        const double plotted = PlottedValue(kind_, value.value);
        points[static_cast<std::size_t>(subset)] = static_cast<float>(plotted);
        values.push_back(plotted);
        settings.statistics.rows[static_cast<std::size_t>(subset)].text = platform::StringPrintf(
            std::fabs(plotted) >= 1.0 ? "Ch%d: %.2f" : "Ch%d: %.3f", value.channel + 1, plotted);
    }
    if (record.held || points.empty()) {
        return;
    }
    graph_->AppendPoint(points_++, points, static_cast<std::size_t>(time_span_) + 1);
    scaler_.AddUpdate(values);
    ScaleY();
}

void CRTVGraphDlg::ScaleY() {
    graph_->Settings().axes[0].manualRange = scaler_.Range(auto_scaling_, manual_range_);
    ShowAxes();
}

void CRTVGraphDlg::OnMessage(platform::Message& message) {
    if (message.id == WM_TOGGLE_BUTTON_TOGGLED && message.wParam == IDC_RT_AUTO_SCALE) {
        auto_scaling_ = auto_scale_->IsPressed();
        SaveSettings();
        ScaleY();
        return;
    }
    CRTValuesDlg::OnMessage(message);
}

void CRTVGraphDlg::Interrupt() {
    resume_ = !Link().IsHeld();
    HoldUpdates();
}

void CRTVGraphDlg::ResumeIfInterrupted() {
    if (resume_) {
        resume_ = false;
        RunUpdates();
    }
}

void CRTVGraphDlg::OnAxisScaling() {
    Interrupt();
    CRTGraphAxisScaling dialog(this);
    dialog.mode = auto_scaling_ ? 1 : 0;
    const auto shown = manual_range_ ? manual_range_ : graph_->Settings().axes[0].manualRange;
    dialog.yMinimum = shown ? shown->first : 0.0;
    dialog.yMaximum = shown ? shown->second : 1.0;
    dialog.timeSpan = time_span_;
    const bool accepted = dialog.DoModal() == IDOK;
    if (accepted) {
        auto_scaling_ = dialog.mode != 0;
        auto_scaling_ ? auto_scale_->Press() : auto_scale_->Release();
        manual_range_ = std::pair(dialog.yMinimum, dialog.yMaximum);
        if (dialog.timeSpan != time_span_) {
            // A new span starts the graph afresh.
            time_span_ = dialog.timeSpan;
            scaler_ = RtYAxisScaler(time_span_);
            points_ = 0;
            graph_->SetData({});
            for (std::size_t subset = 0; subset < static_cast<std::size_t>(subsets_); ++subset) {
                graph_->Settings().statistics.rows[subset].text.clear();
            }
        }
        SaveSettings();
        ScaleY();
    }
    ResumeIfInterrupted();
}

// The graph stands still while it is exported.
void CRTVGraphDlg::OnExport() {
    Interrupt();
    const GraphExportTexts texts =
        settings_store_.exportTexts ? settings_store_.exportTexts() : GraphExportTexts{};
    ExportGraph(*graph_, GraphExportPlanOf(texts), this);
    ResumeIfInterrupted();
}

void CRTVGraphDlg::SaveSettings() const {
    if (settings_store_.save) {
        settings_store_.save(
            {.autoScaling = auto_scaling_, .manualRange = manual_range_, .timeSpan = time_span_});
    }
}
