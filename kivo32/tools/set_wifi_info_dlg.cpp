// CSetWiFiInfoDlg: the Wi-Fi module's settings.
#include "kivo32/tools/set_wifi_info_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>

#include "kivo32/session/session_messages.h"
#include "kivo32/tools/wifi_ids.h"
#include "kivo32/tools/wifi_password_dlg.h"
#include "kivo32/tools/wifi_rules.h"
#include "kivo32/tools/wifi_scan.h"
#include "kivo32/tools/wifi_scan_dlg.h"
#include "kivo32/tools/wifi_settings_file.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/address_checks.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/controls/identified_controls.h"
#include "shared/link/link_ids.h"

namespace {

constexpr int kSsidMax = 32;
constexpr int kAddressMax = 15;
constexpr int kPortMax = 6;
constexpr int kMacMax = 17;
constexpr int kPassPhraseShortest = 8;
constexpr int kPassPhraseLongest = 64;
constexpr const char* kHelpFileName = "WiFi Help.txt";

// The file dialog of the settings file, for saving or loading.
platform::FileNameRequest SettingsFileRequest(bool open) {
    platform::FileNameRequest request;
    request.open = open;
    request.filters = {{LoadText(IDS_WIFI_FILE_FILTER) + " (*.ini)", {"*.ini"}},
                       {LoadText(AFX_IDS_ALLFILTER) + " (*.*)", {"*"}}};
    request.defaultExtension = "ini";
    request.fileName = "WiFi.ini";
    return request;
}

// A button's text as a window caption: without its mnemonic mark and its closing "...".
std::string CaptionOf(std::string text) {
    std::erase(text, '&');
    if (text.ends_with("...")) {
        text.resize(text.size() - 3);
    }
    return text;
}

QString Text(unsigned id) {
    return id == 0 ? QString() : platform::ToQString(LoadText(id));
}

QPushButton* Button(QWidget* parent, int id, unsigned labelId, unsigned tipId) {
    auto* button = Identified(new QPushButton(Text(labelId), parent), id, tipId);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CSetWiFiInfoDlg::CSetWiFiInfoDlg(std::string firstText, std::string secondText, const WiFiSettings& settings,
                                 int state, WiFiDialogHooks hooks, QWidget* parent)
    : platform::Dialog(parent),
      values(settings),
      first_text_(std::move(firstText)),
      second_text_(std::move(secondText)),
      state_(state),
      hooks_(std::move(hooks)) {
    const WiFiShownValues shown = ShownWiFiValues(values.address, values.port, values.mask, values.gateway);
    values.address = shown.address;
    values.port = shown.port;
    values.mask = shown.mask;
    values.gateway = shown.gateway;
    setWindowTitle(Text(IDS_WIFI_TITLE));
    BuildControls();
}

void CSetWiFiInfoDlg::BuildControls() {
    first_label_ = Identified(new QLabel(this), IDC_WIFI_FIRST_TEXT, IDS_WIFI_TIP_FIRST_TEXT);
    second_label_ = Identified(new QLabel(this), IDC_WIFI_SECOND_TEXT, IDS_WIFI_TIP_SECOND_TEXT);
    const auto radio = [this](int id, unsigned label, unsigned tip) {
        return Identified(new QRadioButton(Text(label), this), id, tip);
    };
    access_point_ = radio(IDC_WIFI_ACCESS_POINT, IDS_WIFI_ACCESS_POINT, IDS_WIFI_TIP_ACCESS_POINT);
    join_network_ = radio(IDC_WIFI_JOIN_NETWORK, IDS_WIFI_JOIN_NETWORK, IDS_WIFI_TIP_JOIN_NETWORK);
    dhcp_ = radio(IDC_WIFI_DHCP, IDS_WIFI_DHCP, IDS_WIFI_TIP_DHCP);
    fixed_ = radio(IDC_WIFI_FIXED, IDS_WIFI_FIXED, IDS_WIFI_TIP_FIXED);
    external_antenna_ =
        radio(IDC_WIFI_EXTERNAL_ANTENNA, IDS_WIFI_EXTERNAL_ANTENNA, IDS_WIFI_TIP_EXTERNAL_ANTENNA);
    internal_antenna_ =
        radio(IDC_WIFI_INTERNAL_ANTENNA, IDS_WIFI_INTERNAL_ANTENNA, IDS_WIFI_TIP_INTERNAL_ANTENNA);
    for (const auto& [first, second] : {std::pair{access_point_, join_network_}, std::pair{dhcp_, fixed_},
                                        std::pair{external_antenna_, internal_antenna_}}) {
        auto* group = new QButtonGroup(this);
        group->addButton(first);
        group->addButton(second);
    }
    connect(access_point_, &QRadioButton::clicked, this, [this] { SetMode(true); });
    connect(join_network_, &QRadioButton::clicked, this, [this] { SetMode(false); });
    for (QRadioButton* choice : {dhcp_, fixed_, external_antenna_, internal_antenna_}) {
        connect(choice, &QRadioButton::clicked, this, [this] {
            changed = true;
            values.dhcp = dhcp_->isChecked();
            values.externalAntenna = external_antenna_->isChecked();
            Enable();
        });
    }

    ssid_label_ = new QLabel(this);
    platform::SetControlId(ssid_label_, IDC_WIFI_SSID_LABEL);
    ssid_edit_ = LimitedEdit(this, IDC_WIFI_SSID, IDS_WIFI_TIP_SSID, kSsidMax);
    address_edit_ = LimitedEdit(this, IDC_WIFI_ADDRESS, IDS_WIFI_TIP_ADDRESS, kAddressMax);
    mask_edit_ = LimitedEdit(this, IDC_WIFI_MASK, IDS_WIFI_TIP_MASK, kAddressMax);
    gateway_edit_ = LimitedEdit(this, IDC_WIFI_GATEWAY, IDS_WIFI_TIP_GATEWAY, kAddressMax);
    port_edit_ = LimitedEdit(this, IDC_WIFI_PORT, IDS_WIFI_TIP_PORT, kPortMax);
    mac_edit_ = LimitedEdit(this, IDC_WIFI_MAC, IDS_WIFI_TIP_MAC, kMacMax);
    mac_edit_->setReadOnly(true);
    connect(port_edit_, &QLineEdit::textEdited, this, [this] {
        changed = true;
        values.port = platform::FromQString(port_edit_->text());
        CheckPortRadio();
    });

    port_radios_ = new QButtonGroup(this);
    auto* portRow = new QHBoxLayout;
    const struct {
        int id;
        QString label;
        unsigned tip;
    } portChoices[] = {{IDC_WIFI_PORT_80, QStringLiteral("80"), IDS_WIFI_TIP_PORT_80},
                       {IDC_WIFI_PORT_3001, QStringLiteral("3001"), IDS_WIFI_TIP_PORT_3001},
                       {IDC_WIFI_PORT_OTHER, Text(IDS_WIFI_PORT_OTHER), IDS_WIFI_TIP_PORT_OTHER}};
    for (const auto& choice : portChoices) {
        auto* portRadio = Identified(new QRadioButton(choice.label, this), choice.id, choice.tip);
        port_radios_->addButton(portRadio, choice.id);
        portRow->addWidget(portRadio);
    }
    connect(port_radios_->button(IDC_WIFI_PORT_80), &QRadioButton::clicked, this, [this] { SetPort("80"); });
    connect(port_radios_->button(IDC_WIFI_PORT_3001), &QRadioButton::clicked, this,
            [this] { SetPort("3001"); });
    auto* advice = Button(this, IDC_WIFI_PORT_ADVICE, 0, IDS_WIFI_TIP_PORT_ADVICE);
    advice->setText(QStringLiteral("?"));
    connect(advice, &QPushButton::clicked, this,
            [] { ShowMessageBoxId(IDS_WIFI_PORT_ADVICE, MB_OK | MB_ICONINFORMATION, true); });
    portRow->addWidget(advice);

    scan_ = Button(this, IDC_WIFI_SCAN, IDS_WIFI_SCAN, IDS_WIFI_TIP_SCAN);
    connect(scan_, &QPushButton::clicked, this, [this] { OnScan(); });
    password_ = Button(this, IDC_WIFI_PASSWORD, 0, IDS_WIFI_TIP_PASSWORD);
    connect(password_, &QPushButton::clicked, this, [this] { OnPassword(); });
    password_label_ = new QLabel(this);
    platform::SetControlId(password_label_, IDC_WIFI_PASSWORD_LABEL);
    version_note_ = new QLabel(this);
    version_note_->setWordWrap(true);
    // Room for the note's two lines whether it shows or not: the dialog keeps its size.
    version_note_->setMinimumHeight(2 * version_note_->fontMetrics().lineSpacing());
    platform::SetControlId(version_note_, IDC_WIFI_VERSION_NOTE);

    auto* save = Button(this, IDC_WIFI_SAVE_FILE, IDS_WIFI_SAVE_FILE, IDS_WIFI_TIP_SAVE_FILE);
    connect(save, &QPushButton::clicked, this, [this] { SaveFile(); });
    auto* load = Button(this, IDC_WIFI_LOAD_FILE, IDS_WIFI_LOAD_FILE, IDS_WIFI_TIP_LOAD_FILE);
    connect(load, &QPushButton::clicked, this, [this] { LoadFile(); });
    auto* help = Button(this, IDC_WIFI_HELP, IDS_WIFI_HELP, IDS_WIFI_TIP_HELP);
    connect(help, &QPushButton::clicked, this, [this] { OnHelp(); });

    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(first_label_, row++, 0, 1, 3);
    grid->addWidget(second_label_, row++, 0, 1, 3);
    grid->addWidget(access_point_, row, 0);
    grid->addWidget(join_network_, row++, 1);
    grid->addWidget(ssid_label_, row, 0);
    grid->addWidget(ssid_edit_, row, 1);
    grid->addWidget(scan_, row++, 2);
    grid->addWidget(dhcp_, row, 0);
    grid->addWidget(fixed_, row++, 1);
    const std::pair<unsigned, QLineEdit*> fields[] = {{IDS_WIFI_ADDRESS, address_edit_},
                                                      {IDS_WIFI_MASK, mask_edit_},
                                                      {IDS_WIFI_GATEWAY, gateway_edit_},
                                                      {IDS_WIFI_PORT, port_edit_}};
    for (const auto& [label, edit] : fields) {
        grid->addWidget(new QLabel(Text(label), this), row, 0);
        grid->addWidget(edit, row++, 1);
    }
    grid->addLayout(portRow, row++, 1, 1, 2);
    grid->addWidget(new QLabel(Text(IDS_WIFI_MAC), this), row, 0);
    grid->addWidget(mac_edit_, row++, 1);
    grid->addWidget(external_antenna_, row, 0);
    grid->addWidget(internal_antenna_, row++, 1);
    grid->addWidget(password_label_, row, 0);
    grid->addWidget(password_, row++, 1, 1, 2);
    grid->addWidget(version_note_, row++, 0, 1, 3);
    auto* files = new QHBoxLayout;
    files->addWidget(save);
    files->addWidget(load);
    files->addWidget(help);
    grid->addLayout(files, row++, 0, 1, 3);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    platform::FindControl(this, IDOK)->setToolTip(Text(IDS_WIFI_TIP_OK));
    platform::FindControl(this, IDCANCEL)->setToolTip(Text(IDS_WIFI_TIP_CANCEL));
    grid->addWidget(buttons, row, 0, 1, 3);
}

bool CSetWiFiInfoDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    first_label_->setText(platform::ToQString(first_text_));
    second_label_->setText(platform::ToQString(second_text_));
    mac_edit_->setText(platform::ToQString(values.mac));
    scan_->setVisible(static_cast<bool>(hooks_.scan));
    ShowModeFields();
    Enable();
    CheckPortRadio();
    if (HandleWiflyState() == kCancel) {
        EndDialog(IDCANCEL);
    }
    return result;
}

void CSetWiFiInfoDlg::DoDataExchange(platform::DataExchange& exchange) {
    int mode = values.accessPoint ? 0 : 1;
    int addressing = values.dhcp ? 0 : 1;
    int antenna = values.externalAntenna ? 0 : 1;
    platform::ExchangeRadio(exchange, {access_point_, join_network_}, mode);
    platform::ExchangeRadio(exchange, {dhcp_, fixed_}, addressing);
    platform::ExchangeRadio(exchange, {external_antenna_, internal_antenna_}, antenna);
    values.accessPoint = mode == 0;
    values.dhcp = addressing == 0;
    values.externalAntenna = antenna == 0;
    // In access-point mode these two fields show the module's own network, not the values.
    if (!values.accessPoint) {
        platform::ExchangeText(exchange, ssid_edit_, values.ssid);
        platform::ExchangeText(exchange, address_edit_, values.address);
    }
    platform::ExchangeText(exchange, mask_edit_, values.mask);
    platform::ExchangeText(exchange, gateway_edit_, values.gateway);
    platform::ExchangeText(exchange, port_edit_, values.port);
}

void CSetWiFiInfoDlg::Enable() {
    values.dhcp = dhcp_->isChecked();
    values.accessPoint = access_point_->isChecked();
    values.externalAntenna = external_antenna_->isChecked();
    const WiFiEnabling enabling = WiFiEnablingFor(values.accessPoint, values.dhcp, values.moduleVersion);
    for (QLineEdit* edit : {address_edit_, mask_edit_, gateway_edit_}) {
        edit->setEnabled(enabling.addressFields);
    }
    for (QWidget* control : {static_cast<QWidget*>(ssid_edit_), static_cast<QWidget*>(dhcp_),
                             static_cast<QWidget*>(fixed_), static_cast<QWidget*>(scan_)}) {
        control->setEnabled(enabling.networkFields);
    }
    ssid_label_->setText(Text(enabling.ssidLabel));
    password_->setText(Text(enabling.passwordButtonText));
    password_label_->setText(Text(enabling.passwordLabel));
    password_->setEnabled(enabling.passwordButton);
    version_note_->setText(Text(enabling.versionNote));
}

void CSetWiFiInfoDlg::SetMode(bool accessPoint) {
    if (!access_point_->isEnabled() && !join_network_->isEnabled()) {
        return;
    }
    changed = true;
    // The fields of the mode left keep what was typed in them.
    if (!values.accessPoint) {
        values.ssid = platform::FromQString(ssid_edit_->text());
        values.address = platform::FromQString(address_edit_->text());
    }
    (accessPoint ? access_point_ : join_network_)->setChecked(true);
    values.accessPoint = accessPoint;
    ShowModeFields();
    Enable();
}

void CSetWiFiInfoDlg::ShowModeFields() {
    ssid_edit_->setText(platform::ToQString(values.accessPoint ? std::string() : values.ssid));
    address_edit_->setText(platform::ToQString(values.accessPoint ? kAccessPointAddress : values.address));
}

void CSetWiFiInfoDlg::CheckPortRadio() {
    const int number = std::atoi(platform::FromQString(port_edit_->text()).c_str());
    const int id = number == 80     ? IDC_WIFI_PORT_80
                   : number == 3001 ? IDC_WIFI_PORT_3001
                                    : IDC_WIFI_PORT_OTHER;
    port_radios_->button(id)->setChecked(true);
}

void CSetWiFiInfoDlg::SetPort(const char* port) {
    if (port_edit_->text() != QString::fromLatin1(port)) {
        port_edit_->setText(QString::fromLatin1(port));
        values.port = port;
        changed = true;
    }
    CheckPortRadio();
}

void CSetWiFiInfoDlg::OnPassword() {
    changed = true;
    const bool accessPoint = values.accessPoint;
    CWiFiPasswordDlg dialog(
        CaptionOf(LoadText(accessPoint ? IDS_WIFI_AP_PASSWORD_BUTTON : IDS_WIFI_NETWORK_PASSWORD_BUTTON)),
        LoadText(accessPoint ? IDS_WIFI_AP_PASSWORD_TEXT : IDS_WIFI_NETWORK_PASSWORD_TEXT),
        kPassPhraseShortest, kPassPhraseLongest, false, this);
    if (dialog.DoModal() == IDOK) {
        values.password = dialog.password;
        values.passwordLength = static_cast<int>(dialog.password.size());
    }
    Enable();
}

void CSetWiFiInfoDlg::OnScan() {
    if (!hooks_.scan) {
        return;
    }
    scan_->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hooks_.scan(Target());
}

void CSetWiFiInfoDlg::OnMessage(platform::Message& message) {
    if (message.id != WM_WIFI_SCAN_REPLY) {
        platform::Dialog::OnMessage(message);
        return;
    }
    QApplication::restoreOverrideCursor();
    const auto* reply = platform::PayloadAs<std::string>(message);
    TakeScan(message.wParam != 0 && reply != nullptr, reply != nullptr ? *reply : std::string());
    Enable();
}

void CSetWiFiInfoDlg::TakeScan(bool read, const std::string& reply) {
    if (!read) {
        ShowMessageBoxId(IDS_WIFI_SCAN_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    CWiFiScanDlg dialog(this);
    for (const ScannedNetwork& network : ParseWiFiScan(reply)) {
        dialog.AddNetwork(network.name, network.channel, network.signal, network.secured);
    }
    std::string chosen;
    if (dialog.DoModal() == IDOK && dialog.GetSelectedNetwork(chosen)) {
        values.ssid = chosen;
        ssid_edit_->setText(platform::ToQString(chosen));
        changed = true;
    }
}

void CSetWiFiInfoDlg::OnHelp() {
    if (!hooks_.showHelp || !hooks_.showHelp()) {
        ShowMessageBox(platform::FormatLoadedText(IDS_WIFI_HELP_MISSING, {kHelpFileName}),
                       MB_OK | MB_ICONHAND, true);
    }
}

int CSetWiFiInfoDlg::HandleWiflyState() {
    switch (state_) {
        case kStateNormal:
            return kNothingToDo;
        case kStateUpdateAsked: {
            const std::string question = values.moduleFirmware + "\n" + LoadText(IDS_WIFI_OFFERED_VERSION) +
                                         ": " + hooks_.offeredModuleVersion + "\n\n" +
                                         LoadText(IDS_WIFI_UPDATE_OFFER);
            const int answer = ShowMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION, true);
            if (answer == IDCANCEL) {
                if (hooks_.stopModuleChecks) {
                    hooks_.stopModuleChecks();
                }
                return kCancel;
            }
            if (answer == IDYES) {
                ShowMessageBoxId(IDS_WIFI_UPDATE_JOIN, MB_OK | MB_ICONINFORMATION, true);
                if (values.accessPoint) {
                    changed = true;
                    values.accessPoint = false;
                    join_network_->setChecked(true);
                    ShowModeFields();
                }
                access_point_->setEnabled(false);
                join_network_->setEnabled(false);
                Enable();
                return kStays;
            }
            OnOK();
            return kStays;
        }
        case kStateUpdateDone:
        case kStateUpdateNotDone: {
            std::string text =
                LoadText(state_ == kStateUpdateDone ? IDS_WIFI_UPDATE_DONE : IDS_WIFI_UPDATE_NOT_DONE);
            if (!fileSaved) {
                ShowMessageBox(text, MB_OK | MB_ICONINFORMATION, true);
                return kCancel;
            }
            text += LoadText(IDS_WIFI_UPDATE_LOAD_FILE);
            if (ShowMessageBox(text, MB_YESNO | MB_ICONQUESTION, true) == IDYES) {
                EndDialog(LoadFile() ? IDOK : IDCANCEL);
            }
            return kCancel;
        }
        default:
            return kCancel;
    }
}

void CSetWiFiInfoDlg::SaveFile() {
    if (!UpdateData(true)) {
        return;
    }
    const std::optional<std::filesystem::path> path =
        platform::CurrentUiBroker().PromptFileName(SettingsFileRequest(false));
    if (!path) {
        return;
    }
    if (!SaveWiFiSettingsFile(*path, values)) {
        ShowMessageBox(platform::FormatLoadedText(IDS_WIFI_FILE_NOT_WRITTEN, {path->string()}),
                       MB_OK | MB_ICONEXCLAMATION, true);
        return;
    }
    fileSaved = true;
}

bool CSetWiFiInfoDlg::LoadFile() {
    const std::optional<std::filesystem::path> path =
        platform::CurrentUiBroker().PromptFileName(SettingsFileRequest(true));
    if (!path) {
        return false;
    }
    if (!LoadWiFiSettingsFile(*path, values)) {
        ShowMessageBox(platform::FormatLoadedText(IDS_WIFI_FILE_NOT_READ, {path->string()}),
                       MB_OK | MB_ICONEXCLAMATION, true);
        return true;
    }
    changed = true;
    UpdateData(false);
    ShowModeFields();
    Enable();
    CheckPortRadio();
    return true;
}

bool CSetWiFiInfoDlg::CheckFields() {
    const auto text = [](const QLineEdit* edit) { return platform::FromQString(edit->text()); };
    std::string message;
    QLineEdit* field = nullptr;
    if (address_edit_->isEnabled()) {
        if (!IsValidIPAddress(text(address_edit_), 1, 254)) {
            message = LoadText(IDS_ERROR) + ": " + LoadText(IDS_BAD_ADDRESS);
            field = address_edit_;
        } else if (!IsValidIPAddress(text(mask_edit_), 0, 255)) {
            message = LoadText(IDS_WIFI_BAD_MASK);
            field = mask_edit_;
        } else if (!IsValidIPAddress(text(gateway_edit_), 0, 254)) {
            message = LoadText(IDS_WIFI_BAD_GATEWAY);
            field = gateway_edit_;
        }
    }
    if (field == nullptr && !IsValidTcpPort(text(port_edit_))) {
        message = LoadText(IDS_WIFI_BAD_PORT);
        field = port_edit_;
    }
    if (field == nullptr) {
        return true;
    }
    ShowMessageBox(message, MB_OK | MB_ICONEXCLAMATION, true);
    field->setFocus();
    field->selectAll();
    return false;
}

void CSetWiFiInfoDlg::OnOK() {
    if (state_ != kStateNormal && changed && !fileSaved &&
        ShowMessageBoxId(IDS_WIFI_OFFER_SAVE, MB_YESNO | MB_ICONQUESTION, true) == IDYES) {
        SaveFile();
    }
    if (CheckFields()) {
        platform::Dialog::OnOK();
    }
}
