// CPCSetupDlg: the program's PC-side preferences.
#include "kivo32/dialogs/pc_setup_dlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/dialogs/pc_setup_rules.h"
#include "kivo32/settings/registry_values.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/profile_store.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"
#include "platform/ui/ui_clock.h"
#include "shared/common/app_context.h"
#include "shared/common/file_helpers.h"
#include "shared/common/message_box.h"
#include "shared/controls/baud_rate_combo.h"
#include "shared/controls/com_port_prefs_dlg.h"
#include "shared/controls/combo_box_port.h"
#include "shared/controls/controls_ids.h"
#include "shared/link/link_ids.h"
#include "shared/link/port_names.h"
#include "shared/link/recent_port_list.h"

namespace {

constexpr const char* kTeldrinLaunch = "TeldrinLaunch";
constexpr const char* kNoModemLineStored = "None";
constexpr int kModelTimerMs = 1000;
constexpr std::size_t kMaxFolderChars = 255;
// A folder field shows about this many characters of its path before it scrolls.
constexpr int kFolderFieldChars = 64;
// The entry of the direct baud rates that the USB logger's port uses.
constexpr int kUsbLoggerBaudIndex = 7;

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

template <class Control>
Control* Identified(Control* control, int id, unsigned tipId = 0) {
    platform::SetControlId(control, id);
    if (tipId != 0) {
        control->setToolTip(Text(tipId));
    }
    return control;
}

std::string Native(const std::string& text) {
    return platform::Windows1252ToUtf8(text);
}

}  // namespace

bool BrowseForFolderSimple(std::string& folder, const std::string& title) {
    std::filesystem::path start =
        folder.empty() ? std::filesystem::path("/") : std::filesystem::path(Native(folder));
    std::filesystem::path chosen;
    if (!BrowseForFolder(start, chosen, title)) {
        return false;
    }
    folder = platform::PathToWindows1252(chosen);
    return true;
}

CPCSetupDlg::CPCSetupDlg(CRegistryValues& registry, platform::ProfileStore& store, AppLinks links,
                         QWidget* parent, std::unique_ptr<platform::SerialPortSource> ports)
    : platform::Dialog(parent),
      registry_(registry),
      store_(store),
      links_(std::move(links)),
      folders_{registry.dataDir, registry.setupTableDir, registry.loggerListDir},
      direct_baud_(std::to_string(registry.directBaud)),
      modem_baud_(std::to_string(registry.modemBaud)),
      last_logger_type_(GetAppContext().GetLoggerType()),
      port_(Identified(new CComboBoxPort(this, std::move(ports)), IDC_PC_PORT, IDS_PC_TIP_PORT)) {
    setWindowTitle(Text(IDS_PC_SETUP_TITLE));
    BuildControls();
    connect(&model_timer_, &QTimer::timeout, this, [this] { OnTimer(); });
}

CPCSetupDlg::~CPCSetupDlg() = default;

void CPCSetupDlg::BuildControls() {
    auto* grid = new QGridLayout;
    int row = 0;
    const struct {
        int edit, browse;
        unsigned label, tip;
    } folderControls[kFolderCount] = {
        {IDC_PC_DATA_DIR, IDC_PC_BROWSE_DATA_DIR, IDS_PC_DATA_DIR_LABEL, IDS_PC_TIP_DATA_DIR},
        {IDC_PC_SETUP_DIR, IDC_PC_BROWSE_SETUP_DIR, IDS_PC_SETUP_DIR_LABEL, IDS_PC_TIP_SETUP_DIR},
        {IDC_PC_LOGGER_LIST_DIR, IDC_PC_BROWSE_LOGGER_LIST_DIR, IDS_PC_LOGGER_LIST_DIR_LABEL,
         IDS_PC_TIP_LOGGER_LIST_DIR},
    };
    for (int folder = 0; folder < kFolderCount; ++folder, ++row) {
        auto* edit = Identified(new QLineEdit(this), folderControls[folder].edit);
        edit->setMaxLength(static_cast<int>(kMaxFolderChars));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * kFolderFieldChars);
        // The tip says what the folder is for and names the whole path, however long.
        connect(edit, &QLineEdit::textChanged, edit, [edit, tip = Text(folderControls[folder].tip)] {
            edit->setToolTip(edit->text().isEmpty() ? tip : tip + '\n' + edit->text());
        });
        edit->installEventFilter(this);
        folder_edits_[folder] = edit;
        auto* browse = Identified(new QPushButton(Text(IDS_PC_BROWSE), this), folderControls[folder].browse,
                                  IDS_PC_TIP_BROWSE);
        browse->setAutoDefault(false);
        connect(browse, &QPushButton::clicked, this, [this, folder] { Browse(static_cast<Folder>(folder)); });
        grid->addWidget(new QLabel(Text(folderControls[folder].label), this), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(browse, row, 2);
    }

    auto* preferences =
        Identified(new QPushButton(Text(IDS_PC_PORT_PREFS), this), IDC_PC_PORT_PREFS, IDS_PC_TIP_PORT_PREFS);
    preferences->setAutoDefault(false);
    connect(preferences, &QPushButton::clicked, this, [this] { ShowPortPreferences(); });
    // A port the list does not offer is typed by its device path.
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    connect(port_, &QComboBox::currentTextChanged, this, [this] { ApplyPortRule(); });
    grid->addWidget(new QLabel(Text(IDS_PC_PORT_LABEL), this), row, 0);
    grid->addWidget(port_, row, 1);
    grid->addWidget(preferences, row++, 2);

    direct_baud_combo_ = MakeBaudRateCombo(this, IDC_PC_DIRECT_BAUD, kDirectBaudRates);
    grid->addWidget(Identified(new QLabel(Text(IDS_PC_DIRECT_BAUD_LABEL), this), IDC_PC_DIRECT_BAUD_LABEL),
                    row, 0);
    grid->addWidget(direct_baud_combo_, row++, 1);

    grid->addWidget(Identified(new QLabel(Text(IDS_PC_MODEM_GROUP_LABEL), this), IDC_PC_MODEM_GROUP_LABEL),
                    row++, 0, 1, 3);
    modem_line_ = Identified(new QComboBox(this), IDC_PC_MODEM_LINE, IDS_PC_TIP_MODEM_LINE);
    grid->addWidget(Identified(new QLabel(Text(IDS_PC_MODEM_LINE_LABEL), this), IDC_PC_MODEM_LINE_LABEL), row,
                    0);
    grid->addWidget(modem_line_, row++, 1);
    modem_baud_combo_ = MakeBaudRateCombo(this, IDC_PC_MODEM_BAUD, kModemBaudRates);
    grid->addWidget(Identified(new QLabel(Text(IDS_PC_MODEM_BAUD_LABEL), this), IDC_PC_MODEM_BAUD_LABEL), row,
                    0);
    grid->addWidget(modem_baud_combo_, row++, 1);

    older_models_ = Identified(new QCheckBox(Text(IDS_PC_OLDER_MODELS), this), IDC_PC_OLDER_MODELS,
                               IDS_PC_TIP_OLDER_MODELS);
    connect(older_models_, &QCheckBox::clicked, this, [this](bool checked) {
        if (links_.setOlderModels) {
            links_.setOlderModels(checked);
        }
        ApplyModelRule();
    });
    grid->addWidget(older_models_, row++, 0, 1, 3);
    teldrin_launch_check_ = Identified(new QCheckBox(Text(IDS_PC_TELDRIN_LAUNCH), this),
                                       IDC_PC_TELDRIN_LAUNCH, IDS_PC_TIP_TELDRIN_LAUNCH);
    grid->addWidget(teldrin_launch_check_, row++, 0, 1, 3);
    logger_kind_ = Identified(new QLabel(this), IDC_PC_LOGGER_KIND);
    grid->addWidget(logger_kind_, row++, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = Identified(new QPushButton(Text(IDS_OK), this), IDOK, IDS_PC_TIP_OK);
    ok->setDefault(true);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Identified(new QPushButton(Text(IDS_CANCEL), this), IDCANCEL, IDS_PC_TIP_CANCEL),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The fields take the width the window gains; the rest stays at the top.
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

void CPCSetupDlg::ShowPort(const std::string& port) {
    if (!port_->SelectPortName(port) && !ExtractPortName(port).empty()) {
        port_->setEditText(platform::ToQString(port));
    }
}

bool CPCSetupDlg::OnInitDialog() {
    port_->FillPortList(IDC_PC_PORT, true);
    ShowPort(registry_.directPort);
    FillModemLines();
    platform::Dialog::OnInitDialog();
    older_models_->setChecked(links_.olderModels);
    ApplyModelRule();
    teldrin_launch_check_->setChecked(store_.GetProfileInt(kKivoMiscSection, kTeldrinLaunch, 1) != 0);
    check_folders_ = true;
    platform::CurrentUiClock().StartTimer(model_timer_, kModelTimerMs);
    return true;
}

void CPCSetupDlg::FillModemLines() {
    modem_line_->addItem(Text(IDS_NO_MODEM_LINE));
    for (const std::string& line : links_.modemLines) {
        modem_line_->addItem(platform::ToQString(line));
    }
    // A stored line that is not listed stays offered, so that OK keeps it; the settings' default names
    // no line.
    const QString stored = platform::ToQString(registry_.modemLineName);
    if (registry_.modemLineName != kNoModemLineStored && !stored.isEmpty() &&
        modem_line_->findText(stored, Qt::MatchExactly) < 0) {
        modem_line_->addItem(stored);
    }
    modem_line_->setCurrentIndex(std::max(0, modem_line_->findText(stored, Qt::MatchExactly)));
}

void CPCSetupDlg::DoDataExchange(platform::DataExchange& exchange) {
    for (int folder = 0; folder < kFolderCount; ++folder) {
        platform::ExchangeText(exchange, folder_edits_[folder], folders_[folder]);
        if (exchange.saving() && !exchange.failed()) {
            platform::ValidateMaxChars(exchange, folders_[folder], kMaxFolderChars);
        }
    }
    ExchangeBaudRate(exchange, direct_baud_combo_, direct_baud_);
    ExchangeBaudRate(exchange, modem_baud_combo_, modem_baud_);
}

bool CPCSetupDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && check_folders_) {
        for (int folder = 0; folder < kFolderCount; ++folder) {
            if (watched == folder_edits_[folder]) {
                CheckFolder(static_cast<Folder>(folder));
            }
        }
    }
    return platform::Dialog::eventFilter(watched, event);
}

bool CPCSetupDlg::CheckFolder(Folder folder) {
    QLineEdit* edit = folder_edits_[folder];
    const std::string text = platform::FromQString(edit->text());
    // Folder names on this system differ by case, so any change is checked.
    if (text == folders_[folder]) {
        return true;
    }
    const bool wasChecking = check_folders_;
    check_folders_ = false;
    std::string path = Native(text);
    const bool found = ValidateDirectoryPath(path) != kFolderReplaced;
    if (found) {
        folders_[folder] = platform::Utf8ToWindows1252(path);
    } else {
        ShowMessageBoxId(IDS_FOLDER_NOT_FOUND, MB_OK | MB_ICONEXCLAMATION, true);
        edit->setFocus();
    }
    edit->setText(platform::ToQString(folders_[folder]));
    check_folders_ = wasChecking;
    return found;
}

void CPCSetupDlg::Browse(Folder folder) {
    static constexpr unsigned kTitles[kFolderCount] = {IDS_BROWSE_DATA_DIR, IDS_BROWSE_SETUP_DIR,
                                                       IDS_BROWSE_LOGGER_LIST_DIR};
    std::string chosen = platform::FromQString(folder_edits_[folder]->text());
    if (!BrowseForFolderSimple(chosen, LoadText(kTitles[folder]))) {
        return;
    }
    if (folder == kDataFolder && !IsDirectory(Native(chosen))) {
        platform::CurrentUiBroker().MessageBox(
            platform::FillPrintfPlaceholders("%s: %s.", {LoadText(IDS_NOT_A_FOLDER), chosen}),
            platform::FillPrintfPlaceholders("TextFind %s", {LoadText(IDS_ERROR)}), MB_ICONEXCLAMATION);
        return;
    }
    folder_edits_[folder]->setText(platform::ToQString(chosen));
}

void CPCSetupDlg::ShowPortPreferences() {
    CCOMPortPrefsDlg preferences(this);
    if (preferences.DoModal() != IDOK) {
        return;
    }
    const std::string port = ExtractPortName(platform::FromQString(port_->currentText()));
    port_->ReloadKnownPorts();
    port_->FillPortList(IDC_PC_PORT, true);
    ShowPort(port);
}

void CPCSetupDlg::ApplyPortRule() {
    const bool usbLogger = IsUsbLoggerPort(platform::FromQString(port_->currentText()));
    if (usbLogger) {
        direct_baud_combo_->setCurrentIndex(kUsbLoggerBaudIndex);
    }
    const bool shown =
        !usbLogger && !NewProtocolFlag(GetAppContext().GetLoggerType(), older_models_->isChecked());
    platform::FindControl(this, IDC_PC_DIRECT_BAUD_LABEL)->setVisible(shown);
    direct_baud_combo_->setVisible(shown);
}

void CPCSetupDlg::ApplyModelRule() {
    const int loggerType = GetAppContext().GetLoggerType();
    const bool olderLinks = !NewProtocolFlag(loggerType, older_models_->isChecked());
    for (int id : {IDC_PC_MODEM_LINE, IDC_PC_MODEM_LINE_LABEL, IDC_PC_MODEM_BAUD, IDC_PC_MODEM_BAUD_LABEL,
                   IDC_PC_MODEM_GROUP_LABEL}) {
        platform::FindControl(this, id)->setVisible(olderLinks);
    }
    // The direct baud rate follows the port as well.
    ApplyPortRule();
    logger_kind_->setText(Text(LoggerKindTextId(loggerType)));
}

void CPCSetupDlg::OnTimer() {
    const int loggerType = GetAppContext().GetLoggerType();
    if (loggerType != last_logger_type_) {
        last_logger_type_ = loggerType;
        ApplyModelRule();
    }
}

void CPCSetupDlg::OnOK() {
    // Stored at once, even when a later check keeps the dialog open.
    store_.WriteProfileInt(kKivoMiscSection, kTeldrinLaunch, teldrin_launch_check_->isChecked() ? 1 : 0);
    check_folders_ = false;
    bool foldersFound = true;
    for (int folder = 0; folder < kFolderCount && foldersFound; ++folder) {
        foldersFound = CheckFolder(static_cast<Folder>(folder));
    }
    check_folders_ = true;
    if (!foldersFound || !UpdateData(true)) {
        return;
    }
    registry_.dataDir = StoredFolder(folders_[kDataFolder]);
    registry_.setupTableDir = StoredFolder(folders_[kSetupFolder]);
    registry_.loggerListDir = StoredFolder(folders_[kLoggerListFolder]);
    registry_.directBaud = std::stoi(direct_baud_);
    registry_.modemBaud = std::stoi(modem_baud_);
    const std::string port = ExtractPortName(platform::FromQString(port_->currentText()));
    if (!port.empty()) {
        registry_.directPort = port;
        CRecentPortList known;
        known.Load();
        known.AddToTop(port, CRecentPortList::kShown);
        known.Save();
    }
    registry_.modemLineName = platform::FromQString(modem_line_->currentText());
    registry_.Save(store_);
    EndDialog(IDOK);
}
