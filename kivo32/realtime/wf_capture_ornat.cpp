// CWFCaptureOrnat: the waveform capture window of the session's capture command.
#include "kivo32/realtime/wf_capture_ornat.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/set_refresh_count_dlg.h"
#include "kivo32/realtime/wf_capture_graph.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/settings_profile_store.h"
#include "platform/ui/shell_helpers.h"
#include "shared/common/date_time_text.h"
#include "shared/common/message_box.h"
#include "shared/setup/setup_codes.h"

namespace {

// The continuous capture starts this long after the window opened.
constexpr int kContinuousStartMs = 2000;

QPushButton* IdentifiedButton(QWidget* parent, int id, unsigned textId) {
    auto* button = new QPushButton(platform::ToQString(LoadText(textId)), parent);
    platform::SetControlId(button, id);
    return button;
}

// The capture time from the logger's clock text ("hh:mm:ss mm/dd/yy"): the time, then the date as every
// date is shown; a text that is no clock text as it came.
std::string CaptureTimeText(const std::string& clock) {
    const std::optional<std::tm> fields = ReadClockText(clock.c_str());
    return fields ? FormatShownTime(*fields) + "  " + FormatShownDate(*fields) : clock;
}

}  // namespace

CWFCaptureOrnat::CWFCaptureOrnat(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                                 QWidget* parent)
    : platform::Dialog(parent),
      link_(std::move(link)),
      registry_(registry),
      capture_time_(new QLabel(this)),
      graph_(new platform::GraphControl(this)),
      continuous_(IdentifiedButton(this, IDC_WF_CONTINUOUS, IDS_WF_START_CONTINUOUS)),
      refresh_count_(IdentifiedButton(this, IDC_WF_REFRESH_COUNT, IDS_RT_REFRESH_BUTTON)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_WF_TITLE)));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    platform::SetControlId(capture_time_, IDC_WF_CAPTURE_TIME);
    platform::SetControlId(graph_, IDC_RT_GRAPH);
    auto* layout = new QVBoxLayout(this);
    auto* readouts = new QGridLayout;
    const RealTimeSetup& setup = link_->Setup();
    readouts->addWidget(new QLabel(platform::ToQString(LoadText(IDS_RT_LABEL_FIRST)), this), 0, 0);
    auto* firstId = new QLabel(platform::ToQString(setup.firstId), this);
    platform::SetControlId(firstId, IDC_RT_FIRST_ID);
    readouts->addWidget(firstId, 0, 1);
    readouts->addWidget(new QLabel(platform::ToQString(LoadText(IDS_RT_LABEL_FIRST + 1)), this), 1, 0);
    auto* secondId = new QLabel(platform::ToQString(setup.secondId), this);
    platform::SetControlId(secondId, IDC_RT_SECOND_ID);
    readouts->addWidget(secondId, 1, 1);
    readouts->addWidget(new QLabel(platform::ToQString(LoadText(IDS_WF_CAPTURED)), this), 2, 0);
    readouts->addWidget(capture_time_, 2, 1);
    layout->addLayout(readouts);
    auto* channels = new QHBoxLayout;
    channels_ = MakeChannelChoices(this, channels, setup);
    for (QRadioButton* channel : channels_) {
        connect(channel, &QRadioButton::clicked, this,
                [this] { link_->SetContinuousChannel(SelectedChannel()); });
    }
    channels->addStretch();
    layout->addLayout(channels);
    SetUpWaveformGraph(*graph_);
    graph_->setMinimumSize(520, 300);
    layout->addWidget(graph_, 1);
    auto* buttons = new QHBoxLayout;
    auto* print = IdentifiedButton(this, IDC_WF_PRINT, IDS_WF_PRINT);
    auto* copy = IdentifiedButton(this, IDC_WF_COPY, IDS_WF_COPY);
    for (QPushButton* button : {continuous_, refresh_count_, print, copy}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    platform::SetControlId(close->button(QDialogButtonBox::Close), IDCANCEL);
    connect(close, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(continuous_, &QPushButton::clicked, this, [this] { RunContinuous(!IsContinuous()); });
    connect(refresh_count_, &QPushButton::clicked, this, [this] { OnRefreshCount(); });
    connect(print, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(copy, &QPushButton::clicked, this, [this] { CopyWindowToClipboard(this); });
}

CWFCaptureOrnat::~CWFCaptureOrnat() {
    link_->Close();
}

bool CWFCaptureOrnat::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    refresh_count_->setVisible(link_->TypeCode() < kModelQuarvenRS);
    if (SelectedChannel() < 0) {
        ShowMessageBoxId(IDS_WF_CAPTURE_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
        link_->Close();
        EndDialog(IDCANCEL);
        return false;
    }
    // Not continuous until the first capture showed.
    link_->Hold(true);
    link_->SetContinuousChannel(SelectedChannel());
    link_->Open(registry_.rtUpdateThreshold, Target());
    link_->RequestCapture(SelectedChannel());
    return true;
}

void CWFCaptureOrnat::OnCancel() {
    link_->Close();
    platform::Dialog::OnCancel();
}

int CWFCaptureOrnat::SelectedChannel() const {
    return CheckedChannel(channels_);
}

void CWFCaptureOrnat::OnMessage(platform::Message& message) {
    if (message.id == WM_REAL_TIME_CAPTURE) {
        if (const auto* capture = platform::PayloadAs<WaveformCapture>(message)) {
            OnCapture(*capture);
        }
        return;
    }
    platform::Dialog::OnMessage(message);
}

void CWFCaptureOrnat::OnCapture(const WaveformCapture& capture) {
    if (capture.held) {
        RunContinuous(false);
        return;
    }
    const auto fail = [this](bool tell) {
        if (tell) {
            ShowMessageBoxId(IDS_WF_CAPTURE_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
        }
        RunContinuous(false);
        if (!shown_first_) {
            EndDialog(IDCANCEL);
        }
    };
    if (!capture.captured) {
        fail(true);
        return;
    }
    WaveformCurves curves;
    const WaveformScales scales = WaveformScalesOf(link_->Setup(), capture.channel, link_->TypeCode());
    // A flat capture is shown only when the user wants it; the continuous capture does not ask.
    if (ScaleWaveform(capture.table, capture.sampleCount, scales, curves) == kWaveformFlat &&
        !capture.continuous && ShowMessageBoxId(IDS_WF_FLAT, MB_YESNO | MB_ICONQUESTION, true) != IDYES) {
        fail(false);
        return;
    }
    curves_ = std::move(curves);
    capture_time_->setText(platform::ToQString(CaptureTimeText(capture.clockText)));
    ShowWaveformCurves(*graph_, curves_);
    if (!shown_first_) {
        shown_first_ = true;
        QTimer::singleShot(kContinuousStartMs, this, [this] {
            if (!link_->IsClosed()) {
                RunContinuous(true);
            }
        });
    }
}

void CWFCaptureOrnat::RunContinuous(bool run) {
    link_->SetContinuousChannel(SelectedChannel());
    link_->Hold(!run);
    continuous_->setText(
        platform::ToQString(LoadText(run ? IDS_WF_STOP_CONTINUOUS : IDS_WF_START_CONTINUOUS)));
}

void CWFCaptureOrnat::OnRefreshCount() {
    platform::SettingsProfileStore store;
    if (const std::optional<int> count = AskRefreshCount(link_->RefreshCount(), registry_, store, this)) {
        link_->SetRefreshCount(*count);
    }
}

void CWFCaptureOrnat::OnPrint() {
    PrintWaveformGraph(*graph_, printer_, this);
}
