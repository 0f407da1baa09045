// CWFCaptureDlg: the waveform capture beside a Standard real-time window.
#include "kivo32/realtime/wf_capture_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "kivo32/realtime/rt_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"

namespace {

QPushButton* IdentifiedButton(QWidget* parent, int id, unsigned textId) {
    auto* button = new QPushButton(platform::ToQString(LoadText(textId)), parent);
    platform::SetControlId(button, id);
    return button;
}

}  // namespace

CWFCaptureDlg::CWFCaptureDlg(const RealTimeSetup& setup, std::function<void(int channel)> captureAgain,
                             QWidget* parent)
    : platform::Dialog(parent), setup_(setup), graph_(new platform::GraphControl(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_WF_TITLE)));
    setWindowFlag(Qt::Window);
    platform::SetControlId(graph_, IDC_RT_GRAPH);
    SetUpWaveformGraph(*graph_);
    graph_->setMinimumSize(520, 300);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(graph_, 1);
    auto* row = new QHBoxLayout;
    channels_ = MakeChannelChoices(this, row, setup_);
    auto* again = IdentifiedButton(this, IDC_WF_CONTINUOUS, IDS_WF_CAPTURE_AGAIN);
    auto* print = IdentifiedButton(this, IDC_WF_PRINT, IDS_WF_PRINT);
    auto* copy = IdentifiedButton(this, IDC_WF_COPY, IDS_WF_COPY);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    platform::SetControlId(close->button(QDialogButtonBox::Close), IDCANCEL);
    for (QWidget* widget : {static_cast<QWidget*>(again), static_cast<QWidget*>(print),
                            static_cast<QWidget*>(copy), static_cast<QWidget*>(close)}) {
        row->addWidget(widget);
    }
    layout->addLayout(row);
    connect(again, &QPushButton::clicked, this, [this, captureAgain = std::move(captureAgain)] {
        captureAgain(SelectedChannel());
        raise();
    });
    connect(print, &QPushButton::clicked, this, [this] { PrintWaveformGraph(*graph_, printer_, this); });
    connect(copy, &QPushButton::clicked, this, [this] { CopyWindowToClipboard(this); });
    connect(close, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
}

void CWFCaptureDlg::ShowCapture(const WaveformCapture& capture) {
    WaveformCurves curves;
    // The standard model keeps no scalars of its own (they read as 0, which would flatten every
    // capture): its voltage and current scalars come with the samples.
    WaveformScales scales = WaveformScalesOf(setup_, capture.channel, kModelStandard);
    scales.voltageScalar = capture.table.floats[0];
    scales.currentScalar = capture.table.floats[1];
    // The Standard window shows a flat capture as it is.
    ScaleWaveform(capture.table, capture.sampleCount, scales, curves);
    ShowWaveformCurves(*graph_, curves);
}
