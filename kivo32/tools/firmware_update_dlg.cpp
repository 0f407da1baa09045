// CFirmwareUpdateDlg: choosing and checking the firmware file, the stepping stone and the progress line.
#include "kivo32/tools/firmware_update_dlg.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "kivo32/controls/progress_dialog.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/tools/firmware_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/window_messages.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"

namespace {

// Posted to itself at open, so that the window is up before a stepping stone is put in place.
constexpr unsigned kCheckSteppingStoneMessage = WM_APP + 0xC8;
// The session's result for a link that went.
constexpr int kFirmwareLinkLost = 3;
// The countdowns before the closing step: the logger reprograms itself and restarts; the module has
// finished; a logger over a modem or a network needs longer before it can be called again.
constexpr int kLoggerRestartSeconds = 20;
constexpr int kModuleSettleSeconds = 1;
constexpr int kRemoteRestartSeconds = 40;
constexpr const char* kInstallationFailed = "Error while waiting for Wi-Fi update to complete.";

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

QLabel* Label(QWidget* parent, int id) {
    auto* label = new QLabel(parent);
    platform::SetControlId(label, id);
    return label;
}

}  // namespace

CFirmwareUpdateDlg::CFirmwareUpdateDlg(CAppContext& app, Links links, QWidget* parent)
    : platform::Dialog(parent),
      app_(app),
      links_(std::move(links)),
      path_(new QLineEdit(this)),
      browse_(new QPushButton(Text(IDS_FW_BROWSE), this)),
      file_version_(Label(this, IDC_FW_FILE_VERSION)),
      installed_version_(Label(this, IDC_FW_INSTALLED_VERSION)),
      target_name_(Label(this, IDC_FW_TARGET_NAME)),
      note_(Label(this, IDC_FW_NOTE)),
      progress_(new QProgressBar(this)),
      timer_(new QTimer(this)) {
    // While the window exists the logger's replies are framed as text and a lost port does not end it.
    app_.Set(CAppContext::Flag::FirmwareUpdateOpen, true);
    setWindowTitle(Text(IDS_FW_TITLE));
    platform::SetControlId(path_, IDC_FW_PATH);
    platform::SetControlId(browse_, IDC_FW_BROWSE);
    platform::SetControlId(progress_, IDC_FW_PROGRESS);
    browse_->setAutoDefault(false);
    note_->setWordWrap(true);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    platform::SetControlId(ok_, IDOK);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    platform::SetControlId(cancel_, IDCANCEL);
    cancel_->setToolTip(Text(IDS_FW_CANCEL_TIP));
    connect(ok_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(browse_, &QPushButton::clicked, this, [this] { OnBrowse(); });
    // Disabling the focused path at OK also ends its editing: that is no new choice.
    connect(path_, &QLineEdit::editingFinished, this, [this] {
        if (path_->isEnabled()) {
            OnFileChanged();
        }
    });
    connect(timer_, &QTimer::timeout, this, [this] { OnTimer(); });

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(path_, 1);
    fileRow->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(target_name_);
    layout->addWidget(installed_version_);
    layout->addLayout(fileRow);
    layout->addWidget(file_version_);
    layout->addWidget(note_);
    layout->addWidget(progress_);
    layout->addWidget(buttons);
    setMinimumWidth(480);
}

CFirmwareUpdateDlg::~CFirmwareUpdateDlg() {
    // A window cancelled during the countdown leaves no cursor behind.
    HoldWaitCursor(false);
    app_.Set(CAppContext::Flag::FirmwareUpdateOpen, false);
}

void CFirmwareUpdateDlg::SetInfo(const std::string& presetPath, const std::string& loggerVersionText,
                                 const std::string& modelName, const std::string& moduleVersionText,
                                 const std::string& moduleName) {
    preset_path_ = presetPath;
    logger_version_text_ = loggerVersionText;
    model_name_ = modelName;
    module_version_text_ = moduleVersionText;
    module_name_ = moduleName;
    installed_logger_ = FirmwareThousandths(loggerVersionText);
    installed_module_ = FirmwareThousandths(moduleVersionText);
}

bool CFirmwareUpdateDlg::NeedsSteppingStone() const {
    return ::NeedsSteppingStone(file_kind_, installed_logger_, installed_module_);
}

std::string CFirmwareUpdateDlg::TargetName() const {
    return target_ == FirmwareTarget::kModule ? module_name_ : model_name_;
}

std::int64_t CFirmwareUpdateDlg::InstalledVersion() const {
    switch (target_) {
        case FirmwareTarget::kLogger:
            return installed_logger_;
        case FirmwareTarget::kModule:
            return installed_module_;
        case FirmwareTarget::kNone:
            break;
    }
    return -1;
}

bool CFirmwareUpdateDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    file_version_->setText(Text(IDS_FW_NO_FILE));
    file_kind_ = FirmwareFileKindOf(preset_path_);
    if (file_kind_ == FirmwareFileKind::kNone) {
        file_kind_ = FirmwareFileKind::kHex;
    }
    target_ = FirmwareTargetOf(file_kind_);
    if (target_ == FirmwareTarget::kLogger) {
        note_->setText(Text(IDS_FW_CHOOSE_FILE));
    }
    if (target_ != FirmwareTarget::kNone) {
        target_name_->setText(platform::ToQString(TargetName()));
        installed_version_->setText(platform::ToQString(
            target_ == FirmwareTarget::kModule ? module_version_text_ : logger_version_text_));
    }
    EnableControls(false, true);
    path_->setText(platform::ToQString(preset_path_));
    if (!preset_path_.empty()) {
        OnFileChanged();
    }
    Target()->PostMessage(platform::Message(kCheckSteppingStoneMessage));
    return true;
}

void CFirmwareUpdateDlg::OnMessage(platform::Message& message) {
    if (message.id == kCheckSteppingStoneMessage) {
        CheckSteppingStone();
        return;
    }
    if (message.id == WM_FIRMWARE_RESULT) {
        TransferFinished(static_cast<int>(message.wParam), static_cast<int>(message.lParam));
        return;
    }
    platform::Dialog::OnMessage(message);
}

void CFirmwareUpdateDlg::EnableControls(bool enableOk, bool enableEdit) {
    ok_->setEnabled(enableOk && finding_.check == FirmwareFileCheck::kValid);
    browse_->setEnabled(enableEdit || enableOk);
    path_->setEnabled(enableEdit || enableOk);
}

void CFirmwareUpdateDlg::OnBrowse() {
    const bool image = IsModuleImage(file_kind_);
    const QString filter =
        Text(IDS_FW_TITLE) + (image ? QStringLiteral(" (*.img *.mif)") : QStringLiteral(" (*.hex)"));
    const QString chosen = QFileDialog::getOpenFileName(this, Text(IDS_FW_TITLE), QString(), filter);
    if (!chosen.isEmpty()) {
        path_->setText(chosen);
        SetPresetPath(platform::FromQString(chosen));
        OnFileChanged();
    }
}

void CFirmwareUpdateDlg::OnFileChanged() {
    const std::string path = platform::FromQString(path_->text());
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        note_->setText(platform::ToQString(platform::FormatLoadedText(IDS_FW_FILE_MISSING, {path})));
        platform::CurrentDesktopServices().Beep();
        file_version_->setText(Text(IDS_FW_NO_VERSION));
        finding_ = {};
        EnableControls(false, true);
        return;
    }
    file_kind_ = FirmwareFileKindOf(path);
    const std::string pattern =
        IsModuleImage(file_kind_) && links_.modulePattern ? links_.modulePattern(file_kind_) : std::string();
    finding_ = ValidateFirmwareFile(path, target_, model_name_, pattern);
    file_version_->setText(
        platform::ToQString(platform::FormatLoadedText(IDS_FW_FILE_VERSION, {finding_.versionText})));
    note_->clear();
    if (file_kind_ == FirmwareFileKind::kHex && (finding_.check == FirmwareFileCheck::kUnreadable ||
                                                 finding_.check == FirmwareFileCheck::kWrongVersion)) {
        const unsigned text =
            finding_.check == FirmwareFileCheck::kUnreadable ? IDS_FW_UNREADABLE : IDS_FW_FILE_REFUSED;
        ShowMessageBox(platform::FormatLoadedText(text, {path}), MB_OK | MB_ICONEXCLAMATION, true);
    }
    const bool acceptable = FirmwareFileAcceptable(finding_, target_, NeedsSteppingStone());
    EnableControls(acceptable, true);
    if (finding_.check == FirmwareFileCheck::kValid) {
        ShowVersionNote();
    }
}

void CFirmwareUpdateDlg::ShowVersionNote() {
    note_->setText(platform::ToQString(FirmwareVersionNote(InstalledVersion(), finding_.fileVersion,
                                                           NeedsSteppingStone(), target_, TargetName())));
}

void CFirmwareUpdateDlg::CheckSteppingStone() {
    if (finding_.fileVersion == -1) {
        return;
    }
    if (!NeedsSteppingStone()) {
        if (links_.stopModuleCheck) {
            links_.stopModuleCheck();
        }
        return;
    }
    // After the stepping stone the logger or module is checked again for the version it was meant to get.
    if (links_.checkVersionAgain) {
        links_.checkVersionAgain();
    }
    if (finding_.fileVersion == SteppingStoneVersion(target_)) {
        return;
    }
    ShowMessageBox(
        platform::FormatLoadedText(IDS_FW_STEPPING_STONE, {TargetName(), SteppingStoneVersionText(target_)}),
        MB_OK | MB_ICONEXCLAMATION, true);
    path_->setText(platform::ToQString(FindSteppingStoneFile(links_.firmwareFolder, target_).string()));
    OnFileChanged();
}

void CFirmwareUpdateDlg::OnOK() {
    const std::string path = platform::FromQString(path_->text());
    if (path.empty() || !ok_->isEnabled() || !links_.startTransfer) {
        return;
    }
    if (target_ == FirmwareTarget::kLogger &&
        ShowMessageBox(LoadText(IDS_FW_CONFIRM_SEND), MB_YESNO | MB_ICONQUESTION, true) != IDYES) {
        return;
    }
    transfer_start_ = -1;
    countdown_ = 0;
    EnableControls(false, false);
    link_kind_ = links_.linkKind ? links_.linkKind() : 0;
    counters_->Start(0);
    FirmwareTransferRequest request{
        .path = path, .moduleImage = IsModuleImage(file_kind_), .counters = counters_, .replyTo = Target()};
    if (!links_.startTransfer(std::move(request))) {
        return;
    }
    timer_->start(1000);
    // A module image is not offered again: the module takes each one once.
    if (target_ == FirmwareTarget::kModule) {
        SetPresetPath({});
    }
}

void CFirmwareUpdateDlg::SetPresetPath(const std::string& path) {
    if (links_.setPresetPath) {
        links_.setPresetPath(path);
    }
}

void CFirmwareUpdateDlg::OnTimer() {
    if (countdown_ > 0) {
        if (--countdown_ == 0) {
            RunClosingStep();
        }
        return;
    }
    std::uint64_t total = counters_->total.load();
    const std::uint64_t done = counters_->done.load();
    const std::int64_t now = links_.now ? links_.now() : 0;
    if (total == 0 && done > 0) {
        // The transfer is over (the session set the total back): what went stays shown while the module
        // installs the image or the result comes.
        timer_->stop();
        total = last_total_;
    }
    last_total_ = total;
    if (transfer_start_ < 0 && done > 0) {
        transfer_start_ = now;
    }
    const std::int64_t elapsed = transfer_start_ < 0 || !timer_->isActive() ? 0 : now - transfer_start_;
    note_->setText(platform::ToQString(TransferProgressLine(total, done, elapsed)));
    progress_->setValue(total == 0 ? 0 : static_cast<int>(done * 100 / total));
}

void CFirmwareUpdateDlg::TransferFinished(int result, int installation) {
    if (result == kFirmwareLinkLost) {
        timer_->stop();
        EndDialog(IDCANCEL);
        return;
    }
    note_->setText(platform::ToQString(DescribeTransferResult(result, file_kind_, TargetName())));
    const bool installed = result == 0 && installation == 0;
    platform::CurrentDesktopServices().Beep(installed ? platform::DesktopServices::BeepKind::Information
                                                      : platform::DesktopServices::BeepKind::Warning);
    if (result == 0 && installation != 0) {
        note_->setText(QString::fromLatin1(kInstallationFailed));
    }
    if (!installed) {
        timer_->stop();
        return;
    }
    progress_->setValue(100);
    if (file_kind_ == FirmwareFileKind::kHex) {
        // The wait cursor stays while the logger reprograms itself, whatever the session does meanwhile.
        HoldWaitCursor(true);
    }
    // The logger reprograms itself before it answers again; the module is ready once it said so.
    countdown_ = target_ == FirmwareTarget::kModule ? kModuleSettleSeconds : kLoggerRestartSeconds;
    timer_->start(1000);
}

void CFirmwareUpdateDlg::HoldWaitCursor(bool hold) {
    if (wait_cursor_held_ == hold) {
        return;
    }
    wait_cursor_held_ = hold;
    if (links_.holdWaitCursor) {
        links_.holdWaitCursor(hold);
    }
}

void CFirmwareUpdateDlg::RunClosingStep() {
    timer_->stop();
    progress_->setValue(100);
    HoldWaitCursor(false);
    cancel_->setText(Text(IDS_FW_CLOSE));
    const auto post = [this](unsigned command) {
        if (links_.postCommand) {
            links_.postCommand(command);
        }
    };
    if (target_ == FirmwareTarget::kModule) {
        ShowMessageBox(LoadText(IDS_FW_MODULE_UPDATED), MB_OK | MB_ICONINFORMATION, true);
        EndDialog(IDCANCEL);
        post(ID_SESSION_VERSION_CHECK);
        return;
    }
    // The logger restarted with its new firmware: the session over the old link has nobody left to talk to.
    const auto endSession = [this] {
        if (links_.endSession) {
            links_.endSession();
        }
    };
    if (link_kind_ == kLinkDirect) {
        ShowMessageBox(LoadText(IDS_FW_LOGGER_UPDATED), MB_OK | MB_ICONINFORMATION, true);
        EndDialog(IDOK);
        endSession();
        post(ID_SESSION_CONNECT_DIRECT);
        return;
    }
    CProgressDialog wait(this);
    wait.Set(LoadText(IDS_FW_RECONNECT_TITLE), LoadText(IDS_FW_RECONNECT_PROGRESS),
             LoadText(IDS_FW_RECONNECT_MESSAGE), kRemoteRestartSeconds);
    wait.DoModal();
    EndDialog(IDOK);
    endSession();
    if (links_.reconnect) {
        links_.reconnect();
    }
}

void CFirmwareUpdateDlg::OnCancel() {
    // Over a network the link may be slow to come back: a running transfer is stopped only on a yes.
    if (link_kind_ == kLinkNetwork && counters_->total.load() != 0 &&
        ShowMessageBox(LoadText(IDS_FW_CONFIRM_CANCEL), MB_YESNO | MB_ICONQUESTION, true) != IDYES) {
        return;
    }
    timer_->stop();
    app_.Set(CAppContext::Flag::Abort, true);
    if (counters_->total.load() != 0 && links_.cancelCommand) {
        links_.cancelCommand();
    }
    if (target_ == FirmwareTarget::kModule) {
        SetPresetPath({});
    }
    EndDialog(IDCANCEL);
}
