// CGetWebFileDlg: the dialog, its file types, the shortened address and the transfer on its own thread.
#include "kivo32/dialogs/get_web_file_dlg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>

#include "kivo32/dialogs/web_file_ids.h"
#include "kivo32/settings/registry_values.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/system_error_text.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/controls/controls_ids.h"
#include "shared/logger/download_ids.h"

namespace {

constexpr std::size_t kMaxPathChars = 256;
constexpr std::size_t kShownAddressChars = 70;
// The progress bar counts 16384-byte steps, one per block.
constexpr std::int64_t kProgressStep = 16384;
constexpr std::string_view kHttpPrefix = "http://";
constexpr std::string_view kEllipsis = "...";

struct FileTypeInfo {
    unsigned nameId;
    const char* pattern;    // the save dialog's filter
    const char* extension;  // added to a name typed without one
    bool firmware;          // becomes "FirmwareFile" once downloaded
};

constexpr std::array<FileTypeInfo, 5> kFileTypes{{
    {IDS_WEB_FILE_TYPE_UNKNOWN, "*.*", "", false},
    {IDS_WEB_FILE_TYPE_FIRMWARE, "*.hex", "hex", true},
    {IDS_WEB_FILE_TYPE_INSTALLER, "*.exe", "exe", false},
    {IDS_WEB_FILE_TYPE_MODULE_FIRMWARE, "*.img", "img", true},
    {IDS_WEB_FILE_TYPE_MODULE_FIRMWARE, "*.mif", "mif", true},
}};

const FileTypeInfo& FileType(int index) {
    return kFileTypes[index >= 0 && static_cast<std::size_t>(index) < kFileTypes.size() ? index
                                                                                        : kWebFileUnknown];
}

constexpr int kToolIds[] = {IDOK, IDCANCEL, IDC_WEB_FILE_BROWSE, IDC_WEB_FILE_PATH, IDC_WEB_FILE_ADDRESS, 0};
constexpr ToolTipTexts kToolTips[] = {{IDS_WEB_FILE_TIP_START, 0},   {IDS_WEB_FILE_TIP_CANCEL, 0},
                                      {IDS_WEB_FILE_TIP_BROWSE, 0},  {IDS_WEB_FILE_TIP_PATH, 0},
                                      {IDS_WEB_FILE_TIP_ADDRESS, 0}, {0, 0}};

QPushButton* Button(const std::string& label, int id, QWidget* parent) {
    auto* button = new QPushButton(platform::ToQString(label), parent);
    platform::SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

std::string ShortenedAddress(std::string_view address) {
    std::string_view rest = address;
    if (rest.starts_with(kHttpPrefix)) {
        rest.remove_prefix(kHttpPrefix.size());
    }
    // The start gives up as many characters as the whole is longer than the room plus the "..." that
    // replaces them, so a text that would lose nothing stays whole.
    if (rest.size() <= kShownAddressChars + kEllipsis.size()) {
        return std::string(rest);
    }
    std::size_t separator = rest.rfind('\\');
    if (separator == std::string_view::npos) {
        separator = rest.rfind('/');
    }
    if (separator == std::string_view::npos) {
        return std::string(rest);
    }
    // A last part longer than the room leaves no start at all.
    const std::size_t cut = rest.size() - (kShownAddressChars + kEllipsis.size());
    const std::size_t kept = separator > cut ? separator - cut : 0;
    return std::string(rest.substr(0, kept)) + std::string(kEllipsis) + std::string(rest.substr(separator));
}

CGetWebFileDlg::CGetWebFileDlg(CRegistryValues& registry, std::string localPath, std::string address,
                               std::int64_t expectedSize, int fileType, QWidget* parent)
    : platform::Dialog(parent),
      registry_(registry),
      address_(std::move(address)),
      local_path_(std::move(localPath)),
      expected_size_(expectedSize),
      file_type_(fileType),
      address_link_(new CStaticWebLink(address_, this)),
      path_edit_(new QLineEdit(this)),
      browse_(Button("...", IDC_WEB_FILE_BROWSE, this)),
      progress_(new QProgressBar(this)),
      status_(new QPlainTextEdit(this)),
      start_(Button(LoadText(IDS_WEB_FILE_START), IDOK, this)),
      cancel_(Button(LoadText(IDS_CANCEL), IDCANCEL, this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_WEB_FILE_TITLE)));
    platform::SetControlId(address_link_, IDC_WEB_FILE_ADDRESS);
    platform::SetControlId(path_edit_, IDC_WEB_FILE_PATH);
    platform::SetControlId(progress_, IDC_WEB_FILE_PROGRESS);
    platform::SetControlId(status_, IDC_WEB_FILE_STATUS);
    progress_->setTextVisible(false);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    status_->setReadOnly(true);
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(browse_, &QPushButton::clicked, this, [this] { Browse(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(address_link_);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(path_edit_, 1);
    pathRow->addWidget(browse_);
    layout->addLayout(pathRow);
    layout->addWidget(progress_);
    layout->addWidget(status_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
}

CGetWebFileDlg::~CGetWebFileDlg() {
    StopTransfer();
}

bool CGetWebFileDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    tool_tips_.Create(this, kToolIds, kToolTips);
    SetStatus(LoadText(IDS_WEB_FILE_CLICK_START));
    address_link_->setText(platform::ToQString(ShortenedAddress(address_)));
    return true;
}

void CGetWebFileDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, path_edit_, local_path_);
    // Checked, not cut by the field: a chosen path that is too long must never be shortened silently.
    platform::ValidateMaxChars(exchange, local_path_, kMaxPathChars);
}

void CGetWebFileDlg::Browse() {
    const FileTypeInfo& type = FileType(file_type_);
    const std::string typeName = LoadText(type.nameId);
    platform::FileNameRequest request;
    request.open = false;
    request.title = LoadText(IDS_SAVE_WEB_FILE_TITLE) + " " + typeName;
    request.filters = {{platform::StringPrintf("%s (%s)", typeName.c_str(), type.pattern), {type.pattern}}};
    request.defaultExtension = type.extension;
    request.flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
    if (const std::optional<std::filesystem::path> chosen =
            platform::CurrentUiBroker().PromptFileName(request)) {
        path_edit_->setText(platform::PathToQString(*chosen));
    }
}

void CGetWebFileDlg::OnOK() {
    if (transfer_.Running() || !UpdateData(true)) {
        return;
    }
    download_.SetTotal(expected_size_);
    for (int id : {IDC_WEB_FILE_BROWSE, IDOK, IDC_WEB_FILE_PATH}) {
        tool_tips_.EnableTool(id, false);
    }
    const std::error_code failed = transfer_.Start(
        [this, target = Target(), address = address_, path = platform::PathFromWindows1252(local_path_)](
            std::stop_token) { download_.Download(address, path, target.get()); });
    if (failed) {
        EndFailed(SystemErrorText(failed.value()));
    }
}

void CGetWebFileDlg::OnCancel() {
    StopTransfer();
    platform::Dialog::OnCancel();
}

void CGetWebFileDlg::hideEvent(QHideEvent* event) {
    StopTransfer();
    platform::Dialog::hideEvent(event);
}

void CGetWebFileDlg::StopTransfer() {
    if (transfer_.Running()) {
        download_.Stop();
        transfer_.Join();
    }
}

void CGetWebFileDlg::OnMessage(platform::Message& message) {
    switch (message.id) {
        case WM_HTTP_DOWNLOAD_START:
            OnTransferStarted(static_cast<std::int64_t>(message.wParam));
            break;
        case WM_HTTP_DOWNLOAD_BLOCK:
            OnBlockWritten(static_cast<std::int64_t>(message.wParam));
            break;
        case WM_HTTP_DOWNLOAD_DONE:
            progress_->setValue(progress_->minimum());
            OnTransferFinished(static_cast<int>(message.wParam));
            break;
        default:
            platform::Dialog::OnMessage(message);
    }
}

void CGetWebFileDlg::OnTransferStarted(std::int64_t total) {
    // The rate counts from the server's answer, with the total it announced when the caller gave none.
    timer_.Start(total, platform::CurrentUiClock().NowMilliseconds());
    progress_->setRange(0, static_cast<int>(total / kProgressStep));
    progress_->setValue(0);
}

void CGetWebFileDlg::OnBlockWritten(std::int64_t bytesDone) {
    progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
    const std::int64_t now = platform::CurrentUiClock().NowMilliseconds();
    const std::int64_t second = now / 1000;
    if (second == shown_second_) {
        return;
    }
    shown_second_ = second;
    const std::int64_t total = timer_.Total();
    const int percent =
        total > 0 ? static_cast<int>(static_cast<float>(bytesDone) * 100.0f / static_cast<float>(total)) : 0;
    const std::optional<int> secondsLeft = timer_.GetSecondsLeft(bytesDone, now);
    SetStatus(platform::FormatLoadedText(
        IDS_WEB_FILE_PROGRESS,
        {platform::StringPrintf("%3d", percent), std::to_string(bytesDone / 1024),
         std::to_string(total / 1024), secondsLeft ? FormatTimeRemaining(*secondsLeft) : std::string()}));
}

void CGetWebFileDlg::OnTransferFinished(int result) {
    if (!transfer_.Running()) {
        return;  // stopped by Cancel or hiding, which already ended the dialog
    }
    transfer_.Join();
    if (result != 200) {
        EndFailed(download_.ErrorText());
        return;
    }
    SetStatus(download_.ErrorText());
    if (FileType(file_type_).firmware) {
        registry_.firmwareFile = local_path_;
    }
    EndDialog(IDOK);
}

void CGetWebFileDlg::EndFailed(const std::string& status) {
    SetStatus(status);
    ShowMessageBoxId(IDS_DOWNLOAD_FAILED, MB_OK, true);
    EndDialog(IDCANCEL);
}

void CGetWebFileDlg::SetStatus(const std::string& text) {
    status_->setPlainText(platform::ToQString(text + "\r\n").replace("\r\n", "\n"));
    status_->moveCursor(QTextCursor::End);
    status_->ensureCursorVisible();
}
