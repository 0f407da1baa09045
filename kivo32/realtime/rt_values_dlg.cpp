// CRTValuesDlg: the readouts, Run/Hold and refresh count of the real-time values windows.
#include "kivo32/realtime/rt_values_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/controls/toggle_button.h"
#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/refresh_count.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/rt_readouts.h"
#include "kivo32/realtime/set_refresh_count_dlg.h"
#include "kivo32/realtime/wf_capture_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/settings_profile_store.h"
#include "shared/common/date_time_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/identified_controls.h"
#include "shared/logger/logger_ids.h"
#include "shared/setup/sut_header.h"

namespace {

// The readouts in the order of their labels (IDS_RT_LABEL_FIRST on).
constexpr std::array<int, 14> kReadoutIds = {
    IDC_RT_FIRST_ID,      IDC_RT_SECOND_ID,     IDC_RT_THIRD_ID, IDC_RT_DAYS_LEFT, IDC_RT_MEMORY_USED,
    IDC_RT_BATTERY_STATE, IDC_RT_BATTERY_VOLTS, IDC_RT_DATE,     IDC_RT_TIME,      IDC_RT_RECORDING,
    IDC_RT_MEMORY_MODE,   IDC_RT_SUPPLY,        IDC_RT_INTERVAL, IDC_RT_FREQUENCY};

// The third ID text of a logger that runs on batteries has "B" as its fifth character.
bool IsBatteryModel(const std::string& thirdId) {
    return thirdId.size() > 4 && (thirdId[4] == 'B' || thirdId[4] == 'b');
}

}  // namespace

CRTValuesDlg::CRTValuesDlg(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                           QWidget* parent)
    : platform::Dialog(parent),
      link_(std::move(link)),
      registry_(registry),
      values_area_(new QVBoxLayout),
      run_hold_(new CToggleButton(IDC_RT_RUN_HOLD, this)),
      refresh_count_(Identified(new QPushButton(platform::ToQString(LoadText(IDS_RT_REFRESH_BUTTON)), this),
                                IDC_RT_REFRESH_COUNT, IDS_RT_REFRESH_COUNT_TIP)),
      capture_(new QPushButton(platform::ToQString(LoadText(IDS_RT_CAPTURE_BUTTON)), this)) {
    platform::SetControlId(capture_, IDC_RT_CAPTURE);
    setWindowFlag(Qt::Window);
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values_area_, 1);
    auto* readouts = new QGridLayout;
    for (std::size_t i = 0; i < kReadoutIds.size(); ++i) {
        auto* label =
            new QLabel(platform::ToQString(LoadText(IDS_RT_LABEL_FIRST + static_cast<unsigned>(i))), this);
        auto* value = new QLabel(this);
        platform::SetControlId(value, kReadoutIds[i]);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int row = static_cast<int>(i % 7);
        const int column = static_cast<int>(i / 7) * 2;
        readouts->addWidget(label, row, column);
        readouts->addWidget(value, row, column + 1);
        readout_labels_[kReadoutIds[i]] = label;
    }
    layout->addLayout(readouts);
    auto* buttons = new QHBoxLayout;
    // Without its pictures the button shows its text.
    run_hold_->setText(platform::ToQString(LoadText(IDS_RT_RUN_HOLD)));
    run_hold_->setToolTip(platform::ToQString(LoadText(IDS_RT_RUN_HOLD_TIP)));
    buttons->addWidget(run_hold_);
    buttons->addWidget(refresh_count_);
    buttons->addWidget(capture_);
    buttons->addStretch();
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    platform::SetControlId(close->button(QDialogButtonBox::Close), IDCANCEL);
    close->button(QDialogButtonBox::Close)->setToolTip(platform::ToQString(LoadText(IDS_RT_CLOSE_TIP)));
    connect(close, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(refresh_count_, &QPushButton::clicked, this, [this] { OnRefreshCount(); });
    connect(capture_, &QPushButton::clicked, this, [this] {
        // The channel chosen in the capture window, else the first voltage-and-power channel.
        const auto& types = link_->Setup().channelTypes;
        const auto power = std::find(types.begin(), types.begin() + 4, 1);
        const int first = power == types.begin() + 4 ? -1 : static_cast<int>(power - types.begin());
        ShowWaveformCapture(capture_window_ ? capture_window_->SelectedChannel() : first);
    });
}

CRTValuesDlg::~CRTValuesDlg() {
    link_->Close();
}

bool CRTValuesDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    const RealTimeSetup& setup = link_->Setup();
    SetReadout(IDC_RT_FIRST_ID, setup.firstId);
    SetReadout(IDC_RT_SECOND_ID, setup.secondId);
    SetReadout(IDC_RT_THIRD_ID, setup.thirdId);
    const bool battery = link_->TypeCode() < kModelQuarvenRS;
    ShowReadout(IDC_RT_BATTERY_STATE, battery);
    ShowReadout(IDC_RT_BATTERY_VOLTS, battery);
    ShowReadout(IDC_RT_SUPPLY, IsBatteryModel(setup.thirdId));
    // Only the Lite models below the Quarven count their refreshes down.
    refresh_count_->setVisible(IsLite() && link_->TypeCode() < kModelQuarvenRS);
    capture_->setVisible(!IsLite());
    run_hold_->Press();
    link_->Open(IsLite() ? registry_.rtUpdateThreshold : kRefreshCountNeverEnds, Target());
    return true;
}

void CRTValuesDlg::OnCancel() {
    link_->Close();
    platform::Dialog::OnCancel();
}

void CRTValuesDlg::OnMessage(platform::Message& message) {
    if (message.id == WM_REAL_TIME_VALUES) {
        if (const auto* record = platform::PayloadAs<RealTimeRecord>(message)) {
            record_ = *record;
            if (record_.held) {
                run_hold_->Release();
            }
            ShowRefreshButton(!record_.held && !link_->IsHeld());
            ShowChannelValues(record_);
            UpdateReadouts(record_);
        }
        return;
    }
    if (message.id == WM_REAL_TIME_CAPTURE) {
        if (const auto* capture = platform::PayloadAs<WaveformCapture>(message)) {
            OnCapture(*capture);
        }
        return;
    }
    if (message.id == WM_TOGGLE_BUTTON_TOGGLED && message.wParam == IDC_RT_RUN_HOLD) {
        OnRunHold();
        return;
    }
    platform::Dialog::OnMessage(message);
}

void CRTValuesDlg::HoldUpdates() {
    run_hold_->Release();
    link_->Hold(true);
}

void CRTValuesDlg::ShowWaveformCapture(int channel) {
    if (channel < 0) {
        ShowMessageBoxId(IDS_WF_CAPTURE_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    resume_after_capture_ = !link_->IsHeld();
    HoldUpdates();
    setCursor(Qt::WaitCursor);
    link_->RequestCapture(channel);
}

void CRTValuesDlg::OnCapture(const WaveformCapture& capture) {
    unsetCursor();
    if (!capture.captured) {
        ShowMessageBoxId(IDS_WF_CAPTURE_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
    } else {
        if (!capture_window_) {
            capture_window_ = new CWFCaptureDlg(
                link_->Setup(), [this](int channel) { ShowWaveformCapture(channel); }, this);
        }
        capture_window_->ShowCapture(capture);
        capture_window_->show();
        capture_window_->raise();
    }
    if (resume_after_capture_) {
        RunUpdates();
    }
}

void CRTValuesDlg::RunUpdates() {
    run_hold_->Press();
    OnRunHold();
}

void CRTValuesDlg::OnRunHold() {
    link_->Hold(!run_hold_->IsPressed());
    ShowRefreshButton(run_hold_->IsPressed());
}

void CRTValuesDlg::ShowRefreshButton(bool refreshing) {
    refresh_count_->setEnabled(!refreshing);
    refresh_count_->setText(
        platform::ToQString(LoadText(refreshing ? IDS_RT_REFRESHING_BUTTON : IDS_RT_REFRESH_BUTTON)));
}

void CRTValuesDlg::OnRefreshCount() {
    platform::SettingsProfileStore store;
    if (const std::optional<int> count = AskRefreshCount(link_->RefreshCount(), registry_, store, this)) {
        link_->SetRefreshCount(*count);
    }
}

void CRTValuesDlg::UpdateReadouts(const RealTimeRecord& record) {
    const RealTimeSetup& setup = link_->Setup();
    SetReadout(IDC_RT_DAYS_LEFT, DaysLeftReadout(record.daysLeft));
    SetReadout(IDC_RT_MEMORY_USED, MemoryUsedReadout(record.memoryUsed, record.memoryFree));
    const BatteryReadouts battery = BatteryReadoutsOf(record.battery, !IsLite());
    SetReadout(IDC_RT_BATTERY_STATE, battery.state);
    SetReadout(IDC_RT_BATTERY_VOLTS, battery.volts);
    SetReadout(IDC_RT_SUPPLY, VoltageReadout(record.battery.supplyVolts, record.battery.externalPower));
    const auto& [year, month, day, hour, minute, second] = record.clock;
    SetReadout(IDC_RT_DATE, FormatDateText(year, month, day, false));
    SetReadout(IDC_RT_TIME, platform::StringPrintf("%2.2d:%2.2d:%2.2d", hour, minute, second));
    const unsigned recording = record.recording
                                   ? (record.recordingFast ? IDS_RECORDING_ON_FAST : IDS_RECORDING_ON)
                                   : IDS_RECORDING_OFF;
    SetReadout(IDC_RT_RECORDING, LoadText(recording));
    SetReadout(
        IDC_RT_MEMORY_MODE,
        LoadText(setup.optionByte & CSUTHeader::kOptionRingMemory ? IDS_RT_MEMORY_RING : IDS_RT_MEMORY_FILL));
    SetReadout(IDC_RT_INTERVAL, IntervalReadout(setup.intervalCode));
    if (record.lineFrequency) {
        SetReadout(IDC_RT_FREQUENCY,
                   platform::StringPrintf("%.1f Hz", static_cast<double>(*record.lineFrequency)));
    }
}

void CRTValuesDlg::ShowReadout(int id, bool shown) {
    readout_labels_.at(id)->setVisible(shown);
    platform::FindControl(this, id)->setVisible(shown);
}

void CRTValuesDlg::SetReadout(int id, const std::string& text) {
    if (auto* label = platform::FindControlAs<QLabel>(this, id)) {
        label->setText(platform::ToQString(text));
    }
}
