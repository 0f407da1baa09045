#include "teldrin/app/main_frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

#include "platform/base/windows1252.h"
#include "platform/ui/qt_text.h"
#include "teldrin/core/comm_errors.h"

namespace teldrin {

CMainFrame::CMainFrame(const CRegistryValues& settings, const SchedulerClock& clock)
    : app_(settings), message_pane_(new QLabel(this)), status_pane_(new QLabel(this)) {
    setWindowTitle("Teldrin");
    statusBar()->addWidget(message_pane_, 1);
    statusBar()->addWidget(status_pane_, 1);
    target_ = platform::WindowMessageTarget::Create(
        this, [this](platform::Message& message) { OnFrameMessage(message); });
    broker_ = std::make_unique<TeldrinUiBroker>(*target_);
    previous_broker_ = platform::InstallUiBroker(broker_.get());
    controller_ = std::make_unique<CCallController>(clock, app_, settings, *target_);
    connect(&timer_, &QTimer::timeout, this, [this] { OnTick(); });
    timer_.start(clock.TickPeriod());
}

CMainFrame::~CMainFrame() {
    timer_.stop();
    controller_.reset();
    platform::InstallUiBroker(previous_broker_);
}

bool CMainFrame::OpenList(const std::filesystem::path& path) {
    const bool opened = controller_->OpenList(path);
    setWindowTitle(QString("Teldrin - %1").arg(QString::fromStdString(path.filename().string())));
    ShowState();
    return opened;
}

void CMainFrame::OnTick() {
    controller_->OnTimer();
    ShowState();
}

void CMainFrame::OnFrameMessage(platform::Message& message) {
    controller_->OnMessage(message);
    ShowState();
}

void CMainFrame::ShowState() {
    CCallScheduler& scheduler = controller_->Scheduler();
    const CCall* call = scheduler.CurrentCall();
    message_pane_->setText(call != nullptr ? platform::ToQString(call->entry.GetSerial()) : QString(" "));
    status_pane_->setText(
        platform::ToQString(GetCommErrorText(controller_->LastCommError(), scheduler.Failed())));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A call in progress ends first (its own command); closing meanwhile would cut it off.
    if (controller_->Scheduler().CallInProgress()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace teldrin
