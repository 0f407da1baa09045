// CDownloadDialog: a download's progress, taken from its link as fast as the screen allows.
#include "kivo32/tools/download_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "kivo32/tools/download_window_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/application.h"
#include "platform/ui/control_id.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"

namespace {

constexpr int kActivityMs = 1000;

}  // namespace

CDownloadDialog::CDownloadDialog(std::function<void()> cancelCommand, QWidget* parent)
    : platform::Dialog(parent),
      cancel_command_(std::move(cancelCommand)),
      progress_(new QProgressBar(this)),
      operation_(new QLabel(this)),
      step_(new QLabel(this)),
      log_(new QPlainTextEdit(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_DOWNLOAD_TITLE)));
    platform::SetControlId(progress_, IDC_DOWNLOAD_PROGRESS);
    platform::SetControlId(operation_, IDC_DOWNLOAD_OPERATION);
    platform::SetControlId(step_, IDC_DOWNLOAD_STEP);
    platform::SetControlId(log_, IDC_DOWNLOAD_LOG);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    log_->setReadOnly(true);
    log_->setMinimumSize(420, 160);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cancel =
        buttons->addButton(platform::ToQString(LoadText(IDS_CANCEL)), QDialogButtonBox::RejectRole);
    platform::SetControlId(cancel, IDCANCEL);
    cancel->setToolTip(platform::ToQString(LoadText(IDS_DOWNLOAD_CANCEL_TIP)));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(operation_);
    layout->addWidget(step_);
    layout->addWidget(log_);
    layout->addWidget(buttons);
    activity_timer_.setInterval(kActivityMs);
    connect(&activity_timer_, &QTimer::timeout, this, &CDownloadDialog::AddActivityDot);
}

CDownloadDialog::~CDownloadDialog() {
    if (link_) {
        link_->SetWaker({});
    }
}

void CDownloadDialog::EnableActivityTimer(bool on) {
    if (!on) {
        activity_timer_.stop();
    } else if (!activity_timer_.isActive()) {
        activity_timer_.start();
    }
}

void CDownloadDialog::SetOperationText(const std::string& text) {
    operation_->setText(platform::ToQString(text));
}

void CDownloadDialog::SetStatusText(const std::string& text) {
    step_->setText(platform::ToQString(text));
}

void CDownloadDialog::SetLogText(const std::string& text) {
    log_->setPlainText(platform::ToQString(text));
    log_->moveCursor(QTextCursor::End);
    log_->ensureCursorVisible();
}

void CDownloadDialog::SetProgress(int position) {
    progress_->setValue(position);
}

void CDownloadDialog::AddActivityDot() {
    log_->moveCursor(QTextCursor::End);
    log_->insertPlainText(".");
    log_->ensureCursorVisible();
}

void CDownloadDialog::Follow(std::shared_ptr<CDownloadProgressLink> link) {
    link_ = std::move(link);
    // Queued: the session's thread only posts, and the window takes the state when it gets to it.
    link_->SetWaker([this] {
        QMetaObject::invokeMethod(
            this, [this] { ShowNewState(); }, Qt::QueuedConnection);
    });
}

void CDownloadDialog::ShowNewState() {
    if (!link_) {
        return;
    }
    const CDownloadProgressLink::State state = link_->Take();
    if (state.closed) {
        link_->SetWaker({});
        link_.reset();
        activity_timer_.stop();
        hide();
        deleteLater();
        return;
    }
    if (state.operation != shown_.operation) {
        SetOperationText(state.operation);
    }
    if (state.step != shown_.step) {
        SetStatusText(state.step);
    }
    if (state.log != shown_.log) {
        SetLogText(state.log);
    }
    if (state.progress != shown_.progress) {
        SetProgress(state.progress);
    }
    EnableActivityTimer(state.activity);
    shown_ = state;
}

void CDownloadDialog::OnCancel() {
    if (cancel_command_) {
        cancel_command_();
    }
}

void CDownloadDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCancel();
}

void ShowDownloadDialog(std::shared_ptr<CDownloadProgressLink> link, std::function<void()> cancelCommand) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [link = std::move(link), cancel = std::move(cancelCommand)]() mutable {
            platform::Application* application = platform::Application::Instance();
            QWidget* parent = application != nullptr ? application->GetMainWindow() : nullptr;
            auto* dialog = new CDownloadDialog(std::move(cancel), parent);
            dialog->show();
            dialog->Follow(std::move(link));
        },
        Qt::QueuedConnection);
}
