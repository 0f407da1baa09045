#include "teldrin/app/main_frame.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>

#include "platform/base/local_time.h"
#include "platform/base/profile_store.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/qt_ui_broker.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_view.h"
#include "shared/link/link_ids.h"
#include "shared/link/tapi_line.h"
#include "shared/link/usb_logger_device.h"
#include "teldrin/app/about_dlg.h"
#include "teldrin/app/delay_time_dialog.h"
#include "teldrin/app/file_view_dlg.h"
#include "teldrin/app/pc_setup_dlg.h"
#include "teldrin/core/comm_errors.h"
#include "teldrin/core/teldrin_messages.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr std::string_view kRecentSection = "Recent File List";

}  // namespace

CMainFrame::CMainFrame(CRegistryValues& settings, platform::ProfileStore& store, const SchedulerClock& clock)
    : settings_(settings),
      store_(store),
      app_(settings),
      list_host_(settings),
      panes_(new QSplitter(Qt::Vertical, this)),
      list_view_(new CLoggerListView(this)),
      message_pane_(new QLabel(this)),
      status_pane_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      calls_(new QListWidget(this)) {
    setWindowTitle("Teldrin");
    panes_->addWidget(list_view_);
    // Shown once a list is open: its buttons would have nothing to work on.
    list_view_->hide();
    panes_->addWidget(calls_);
    setCentralWidget(panes_);
    resize(720, 420);
    statusBar()->addWidget(message_pane_, 1);
    statusBar()->addWidget(status_pane_, 1);
    progress_->setRange(0, 100);
    progress_->setFixedWidth(100);
    statusBar()->addPermanentWidget(progress_);
    progress_->hide();
    target_ = platform::WindowMessageTarget::Create(
        this, [this](platform::Message& message) { OnFrameMessage(message); });
    broker_ = std::make_unique<TeldrinUiBroker>(*target_);
    previous_broker_ = platform::InstallUiBroker(broker_.get());
    controller_ = std::make_unique<CCallController>(clock, app_, settings, *target_);
    usb_watch_.Start(*target_, WM_USB_DEVICE_ARRIVAL, WM_USB_DEVICE_REMOVAL, kUsbLoggerVendor,
                     kUsbLoggerProduct);
    LoadRecentFiles();
    CreateMenus();
    ShowRecentFiles();
    connect(&timer_, &QTimer::timeout, this, [this] { OnTick(); });
    timer_.start(clock.TickPeriod());
}

CMainFrame::~CMainFrame() {
    timer_.stop();
    usb_watch_.Stop();
    // The view lets go of its document before the document goes.
    delete list_view_;
    controller_.reset();
    platform::InstallUiBroker(previous_broker_);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu("&Fichier");
    open_action_ = file->addAction("&Ouvrir", QKeySequence::Open, this, [this] { OnOpenList(); });
    reactivate_action_ = file->addAction("&Activer Liste Appel", this, [this] { OnReactivateList(); });
    file->addAction(QString::fromUtf8("&Réglage PC..."), this, [this] { OnPcSetup(); });
    recent_separator_ = file->addSeparator();
    for (std::size_t index = 0; index < recent_.Capacity(); ++index) {
        recent_actions_.push_back(file->addAction(QString(), this, [this, index] { OnOpenRecent(index); }));
    }
    file->addSeparator();
    file->addAction("&Quitter", this, [this] { close(); });
    QMenu* calls = menuBar()->addMenu("&Appels");
    calls->addAction("&Retard Appel ce jour", this, [this] { OnDelayCalls(); });
    calls->addAction("&Annuler Appels d'aujourd'hui", this, [this] { OnCancelCalls(); });
    repeat_action_ =
        calls->addAction(QString::fromUtf8("&Répéter Appels du jour"), this, [this] { OnRepeatCalls(); });
    end_call_action_ =
        calls->addAction("&Terminer Appel en cours", this, [this] { controller_->EndCurrentCall(); });
    QMenu* logs = menuBar()->addMenu("&Journal");
    logs->addAction("&Visualiser Enregistrement  Teldrin", this, [this] { OnViewLog(true); });
    logs->addAction("Visualiser &Erreurs Teldrin", this, [this] { OnViewLog(false); });
    logs->addAction("&Effacer Teldrin Log...", this, [this] { OnClearLog(); });
    QMenu* help = menuBar()->addMenu("&?");
    help->addAction("&A propos de Teldrin...", this,
                    [this] { CAboutDlg(platform::PathFromWindows1252(settings_.dataDir), this).DoModal(); });
}

bool CMainFrame::MayReplaceList() {
    return !list_open_ ||
           QMessageBox::question(this, "Teldrin",
                                 QString::fromUtf8("Voulez-vous stopper la session d'appel en cours?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void CMainFrame::OnOpenRecent(std::size_t index) {
    if (index >= recent_.Entries().size() || !MayReplaceList()) {
        return;
    }
    const std::filesystem::path path = recent_.Entries()[index];
    if (!OpenList(path)) {
        recent_.Remove(index);
        SaveRecentFiles();
        ShowRecentFiles();
    }
}

void CMainFrame::OnReactivateList() {
    if (ShowList(list_path_)) {
        // However small its pane was dragged, the list comes back into view and takes the keyboard.
        QList<int> sizes = panes_->sizes();
        if (sizes[0] == 0) {
            sizes[0] = sizes[1] / 2;
            sizes[1] -= sizes[0];
            panes_->setSizes(sizes);
        }
        list_view_->Grid()->setFocus();
        return;
    }
    // The list the calls come from is gone: none is made until a list is opened.
    controller_->Scheduler().SetStopping(true);
    list_open_ = false;
    ShowState();
    QMessageBox::warning(
        this, "Teldrin",
        platform::ToQString(platform::FillPrintfPlaceholders(TeldrinText(IDS_TELDRIN_CANNOT_OPEN_FILE),
                                                             {platform::PathToWindows1252(list_path_)})));
}

void CMainFrame::LoadRecentFiles() {
    // Read oldest first: each one read goes on top.
    for (std::size_t number = recent_.Capacity(); number >= 1; --number) {
        const std::optional<std::string> path =
            store_.ReadValue(kRecentSection, "File" + std::to_string(number));
        if (path && !path->empty()) {
            recent_.Add(platform::PathFromWindows1252(*path));
        }
    }
}

void CMainFrame::SaveRecentFiles() {
    const auto& entries = recent_.Entries();
    for (std::size_t index = 0; index < recent_.Capacity(); ++index) {
        store_.WriteValue(
            kRecentSection, "File" + std::to_string(index + 1),
            index < entries.size() ? platform::PathToWindows1252(entries[index]) : std::string());
    }
}

void CMainFrame::ShowRecentFiles() {
    const auto& entries = recent_.Entries();
    for (std::size_t index = 0; index < recent_actions_.size(); ++index) {
        QAction* action = recent_actions_[index];
        action->setVisible(index < entries.size());
        if (index < entries.size()) {
            action->setText(
                QString("&%1 %2").arg(index + 1).arg(platform::PathToQString(entries[index].filename())));
        }
    }
    recent_separator_->setVisible(!entries.empty());
}

void CMainFrame::OnOpenList() {
    if (!MayReplaceList()) {
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(this, "Teldrin", {}, "Logger List (*.lst);;All Files(*.*)");
    if (!path.isEmpty()) {
        OpenList(platform::PathFromQString(path));
    }
}

void CMainFrame::OnPcSetup() {
    std::vector<std::string> modemLines;
    CTapiLine::EnumModemDevices(modemLines);
    CPCSetUpDlg dialog(settings_, store_, std::move(modemLines), this);
    // The dialog's refusals are for the user at the screen, not for the log.
    platform::QtUiBroker user;
    broker_->SetUserDialogBroker(&user);
    dialog.DoModal();
    broker_->SetUserDialogBroker(nullptr);
}

void CMainFrame::OnDelayCalls() {
    CDelayTimeDialog dialog(controller_->Scheduler().Delay(), this);
    if (dialog.exec() == QDialog::Accepted) {
        controller_->Scheduler().SetDelay(dialog.Delay());
    }
}

void CMainFrame::OnCancelCalls() {
    const QString question = controller_->Scheduler().CallInProgress()
                                 ? "Terminate current call and cancel all calls scheduled for today"
                                 : "Cancel all calls scheduled for today?";
    if (QMessageBox::question(this, "Teldrin", question, QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes) {
        controller_->CancelCalls();
        ShowState();
    }
}

void CMainFrame::OnRepeatCalls() {
    if (!controller_->Scheduler().CallInProgress()) {
        controller_->Scheduler().RepeatCalls();
    }
}

void CMainFrame::OnViewLog(bool eventLog) {
    CTeldrinLogFile& log = eventLog ? static_cast<CTeldrinLogFile&>(controller_->EventLog())
                                    : static_cast<CTeldrinLogFile&>(controller_->ErrorLog());
    CFileViewDlg dialog(log, eventLog, this);
    dialog.exec();
}

void CMainFrame::OnClearLog() {
    if (QMessageBox::question(this, "Teldrin", "Clear the contents of the Teldrin Event Log?",
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) == QMessageBox::Yes) {
        controller_->EventLog().Clear();
    }
}

bool CMainFrame::OpenList(const std::filesystem::path& path) {
    const bool opened = controller_->OpenList(path);
    list_open_ = opened;
    if (opened) {
        list_path_ = path;
        ShowList(path);
        recent_.Add(path);
        SaveRecentFiles();
        ShowRecentFiles();
    }
    setWindowTitle(QString("Teldrin - %1").arg(QString::fromStdString(path.filename().string())));
    ShowState();
    return opened;
}

bool CMainFrame::ShowList(const std::filesystem::path& path) {
    auto document = std::make_unique<CLoggerListDoc>(list_host_);
    if (!document->OnOpenDocument(path)) {
        return false;
    }
    document->SetPathName(path, false);
    list_view_->AttachDocument(document.get());
    list_document_ = std::move(document);
    list_view_->OnInitialUpdate();
    list_view_->show();
    return true;
}

void CMainFrame::OnTick() {
    controller_->OnTimer();
    ShowState();
}

void CMainFrame::OnFrameMessage(platform::Message& message) {
    if (message.id == WM_TELDRIN_STATUS && message.wParam == kStatusProgress) {
        progress_->setValue(static_cast<int>(message.lParam));
        progress_->show();
        return;
    }
    if (message.id == WM_TELDRIN_STATUS && message.wParam == kStatusText) {
        if (const auto* text = platform::PayloadAs<std::string>(message)) {
            call_status_ = *text;
        }
        ShowState();
        return;
    }
    controller_->OnMessage(message);
    ShowState();
    QuitWhenNoCallRuns();
}

void CMainFrame::EndProgram() {
    ending_ = true;
    controller_->StopCalling();
    QuitWhenNoCallRuns();
}

void CMainFrame::QuitWhenNoCallRuns() {
    if (ending_ && !controller_->Scheduler().CallInProgress()) {
        ending_ = false;
        emit ReadyToQuit();
    }
}

void CMainFrame::ShowState() {
    CCallScheduler& scheduler = controller_->Scheduler();
    const CCall* call = scheduler.CurrentCall();
    // What would replace or reread the list waits for the call's end.
    for (QAction* action : recent_actions_) {
        action->setEnabled(call == nullptr);
    }
    open_action_->setEnabled(call == nullptr);
    reactivate_action_->setEnabled(call == nullptr && list_open_);
    repeat_action_->setEnabled(call == nullptr);
    end_call_action_->setEnabled(call != nullptr);
    if (call == nullptr) {
        progress_->hide();
        call_status_.clear();
    }
    message_pane_->setText(
        platform::ToQString(call != nullptr ? call->entry.GetSerial() : scheduler.StatusText()));
    ShowCalls();
    status_pane_->setText(platform::ToQString(
        !call_status_.empty() ? call_status_
                              : GetCommErrorText(controller_->LastCommError(), scheduler.Failed())));
}

void CMainFrame::ShowCalls() {
    const auto& calls = controller_->Scheduler().Calls();
    while (calls_->count() > static_cast<int>(calls.size())) {
        delete calls_->takeItem(calls_->count() - 1);
    }
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const CCall& call = *calls[i];
        const std::string time =
            FormatLocal(platform::ToLocalTime(call.callTime + call.retryOffset), "%H:%M");
        const QString text =
            QString("%1\t%2\t%3 (%4)")
                .arg(platform::ToQString(call.entry.GetSerial()), QString::fromStdString(time),
                     call.state == kCallDone ? "fait" : "en attente")
                .arg(call.attemptNumber);
        if (static_cast<int>(i) < calls_->count()) {
            calls_->item(static_cast<int>(i))->setText(text);
        } else {
            calls_->addItem(text);
        }
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A call in progress ends first; closing meanwhile would cut it off. The user may have it ended, and
    // the program then ends as it does on SIGTERM.
    if (controller_->Scheduler().CallInProgress()) {
        event->ignore();
        if (QMessageBox::question(this, "Teldrin",
                                  platform::ToQString(TeldrinText(IDS_TELDRIN_END_CALL_AND_QUIT)),
                                  QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            EndProgram();
        }
        return;
    }
    event->accept();
}

}  // namespace teldrin
