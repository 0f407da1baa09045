#include "teldrin/app/pc_setup_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/base/message_box_flags.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"
#include "shared/common/file_helpers.h"
#include "shared/controls/baud_rate_combo.h"
#include "shared/controls/combo_box_port.h"
#include "shared/link/port_names.h"
#include "teldrin/core/registry_values.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

QString Text(unsigned id) {
    return platform::ToQString(TeldrinText(id));
}

template <class Control>
Control* WithId(Control* control, int id) {
    platform::SetControlId(control, id);
    return control;
}

// A label whose "&" letter takes the focus to `buddy`.
QLabel* LabelFor(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(buddy);
    return label;
}

// A folder field shows about this many characters of its path before it scrolls.
constexpr int kFolderFieldChars = 48;

}  // namespace

CPCSetUpDlg::CPCSetUpDlg(CRegistryValues& settings, platform::ProfileStore& store,
                         std::vector<std::string> modemLines, QWidget* parent,
                         std::unique_ptr<platform::SerialPortSource> ports)
    : platform::Dialog(parent),
      settings_(settings),
      store_(store),
      modem_lines_(std::move(modemLines)),
      folders_{settings.dataDir, settings.loggerListDir},
      direct_baud_(std::to_string(settings.directBaud)),
      modem_baud_(std::to_string(settings.modemBaud)),
      port_(WithId(new CComboBoxPort(this, std::move(ports)), kPort)) {
    setWindowTitle(QString::fromUtf8("Réglage Teldrin PC"));
    BuildControls();
}

CPCSetUpDlg::~CPCSetUpDlg() = default;

void CPCSetUpDlg::BuildControls() {
    auto* folders = new QGridLayout;
    const struct {
        int edit, browse;
        const char* label;
    } folderControls[kFolderCount] = {
        {kDataFolderEdit, kBrowseDataFolder, "&Fichiers journaux enregistré Pour:"},
        {kLoggerListFolderEdit, kBrowseLoggerListFolder, "&Fichiers Logger Chargés de:"},
    };
    // The logger-list folder comes first, as the user reads it.
    for (const Folder folder : {kLoggerListFolder, kDataFolder}) {
        const int row = folder == kLoggerListFolder ? 0 : 1;
        folder_edits_[folder] = WithId(new QLineEdit(this), folderControls[folder].edit);
        folder_edits_[folder]->setMinimumWidth(folder_edits_[folder]->fontMetrics().averageCharWidth() *
                                               kFolderFieldChars);
        auto* browse = WithId(new QPushButton("Parcourir...", this), folderControls[folder].browse);
        browse->setAutoDefault(false);
        connect(browse, &QPushButton::clicked, this, [this, folder] { Browse(folder); });
        folders->addWidget(LabelFor(folderControls[folder].label, folder_edits_[folder], this), row, 0);
        folders->addWidget(folder_edits_[folder], row, 1);
        folders->addWidget(browse, row, 2);
    }
    folders->setColumnStretch(1, 1);

    auto* modem = new QGroupBox("Connecter Modem", this);
    auto* modemGrid = new QGridLayout(modem);
    modem_baud_combo_ = MakeBaudRateCombo(this, kModemBaud, kModemBaudRates);
    modem_line_ = WithId(new QComboBox(this), kModemLine);
    modemGrid->addWidget(LabelFor("Ba&ud", modem_baud_combo_, this), 0, 0);
    modemGrid->addWidget(modem_baud_combo_, 0, 1);
    modemGrid->addWidget(LabelFor("Choix de &Modem", modem_line_, this), 1, 0);
    modemGrid->addWidget(modem_line_, 1, 1);

    auto* direct = new QGroupBox("Connexion Directe", this);
    auto* directGrid = new QGridLayout(direct);
    // A port the list does not offer (an absent one kept from before) stands as its device path.
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    direct_baud_combo_ = MakeBaudRateCombo(this, kDirectBaud, kDirectBaudRates);
    directGrid->addWidget(LabelFor("&Port", port_, this), 0, 0);
    directGrid->addWidget(port_, 0, 1);
    directGrid->addWidget(LabelFor("&Baud", direct_baud_combo_, this), 1, 0);
    directGrid->addWidget(direct_baud_combo_, 1, 1);

    auto* links = new QHBoxLayout;
    links->addWidget(modem);
    links->addWidget(direct);

    auto* buttons = new QDialogButtonBox(this);
    auto* save = WithId(new QPushButton("&Sauver Changts", this), IDOK);
    save->setDefault(true);
    buttons->addButton(save, QDialogButtonBox::AcceptRole);
    buttons->addButton(WithId(new QPushButton("&Annuler", this), IDCANCEL), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folders);
    layout->addLayout(links);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

bool CPCSetUpDlg::OnInitDialog() {
    port_->FillPortList(kPort, true);
    if (!port_->SelectPortName(settings_.directPort)) {
        port_->setEditText(platform::ToQString(settings_.directPort));
    }
    modem_line_->addItem(Text(IDS_TELDRIN_NO_MODEM_LINE));
    for (const std::string& line : modem_lines_) {
        modem_line_->addItem(platform::ToQString(line));
    }
    modem_line_->setCurrentIndex(
        std::max(0, modem_line_->findText(platform::ToQString(settings_.modemLineName), Qt::MatchExactly)));
    return platform::Dialog::OnInitDialog();
}

void CPCSetUpDlg::DoDataExchange(platform::DataExchange& exchange) {
    for (int folder = 0; folder < kFolderCount; ++folder) {
        platform::ExchangeText(exchange, folder_edits_[folder], folders_[folder]);
    }
    ExchangeBaudRate(exchange, modem_baud_combo_, modem_baud_);
    ExchangeBaudRate(exchange, direct_baud_combo_, direct_baud_);
}

bool CPCSetUpDlg::CheckFolder(Folder folder) {
    QLineEdit* edit = folder_edits_[folder];
    std::string path = platform::Windows1252ToUtf8(platform::FromQString(edit->text()));
    if (ValidateDirectoryPath(path) == kFolderReplaced) {
        const QString message = folder == kDataFolder ? QString("Invalid Data File Directory Specified")
                                                      : Text(IDS_TELDRIN_BAD_LOGGER_LIST_FOLDER);
        QMessageBox::warning(this, "Teldrin", message);
        edit->setText(platform::ToQString(folders_[folder]));
        edit->setFocus();
        return false;
    }
    edit->setText(platform::ToQString(platform::Utf8ToWindows1252(path)));
    return true;
}

void CPCSetUpDlg::Browse(Folder folder) {
    const QString current = folder_edits_[folder]->text();
    std::filesystem::path start =
        current.isEmpty() ? std::filesystem::path("/") : platform::PathFromQString(current);
    std::filesystem::path chosen;
    const unsigned title =
        folder == kDataFolder ? IDS_TELDRIN_BROWSE_DATA_FOLDER : IDS_TELDRIN_BROWSE_LOGGER_LIST_FOLDER;
    if (!BrowseForFolder(start, chosen, platform::Windows1252ToUtf8(TeldrinText(title)))) {
        return;
    }
    if (!IsDirectory(chosen)) {
        QMessageBox::warning(
            this, Text(IDS_TELDRIN_ERROR),
            QString("%1: %2.").arg(Text(IDS_TELDRIN_NOT_A_FOLDER), platform::PathToQString(chosen)));
        return;
    }
    folder_edits_[folder]->setText(platform::PathToQString(chosen));
}

void CPCSetUpDlg::OnOK() {
    for (const Folder folder : {kLoggerListFolder, kDataFolder}) {
        if (!CheckFolder(folder)) {
            return;
        }
    }
    if (!UpdateData(true)) {
        return;
    }
    settings_.loggerListDir = folders_[kLoggerListFolder];
    settings_.dataDir = folders_[kDataFolder];
    const std::string port = ExtractPortName(platform::FromQString(port_->currentText()));
    if (!port.empty()) {
        settings_.directPort = port;
    }
    settings_.directBaud = std::stoi(direct_baud_);
    settings_.modemBaud = std::stoi(modem_baud_);
    // The first entry names no line.
    settings_.modemLineName = modem_line_->currentIndex() <= 0
                                  ? std::string("None")
                                  : platform::FromQString(modem_line_->currentText());
    settings_.Save(store_);
    EndDialog(IDOK);
}

}  // namespace teldrin
