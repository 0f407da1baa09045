// CSetNetworkInfoDlg: the wired network settings of a logger.
#include "kivo32/dialogs/set_network_info_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <cstdlib>

#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/address_checks.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/controls/identified_controls.h"
#include "shared/link/link_ids.h"

namespace {

constexpr int kWebPort = 80;
constexpr int kProgramPort = 3001;

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

void ShowBadField(const std::string& message) {
    ShowMessageBox(message, MB_OK | MB_ICONEXCLAMATION, true);
}

}  // namespace

CSetNetworkInfoDlg::CSetNetworkInfoDlg(std::string firstText, std::string secondText, std::string addressText,
                                       std::string maskText, std::string portText, std::string gatewayText,
                                       std::string macText, bool dhcpOn, bool dhcpCapable, bool macEditable,
                                       QWidget* parent)
    : platform::Dialog(parent),
      address(std::move(addressText)),
      mask(std::move(maskText)),
      port(std::move(portText)),
      gateway(std::move(gatewayText)),
      mac(std::move(macText)),
      dhcp(dhcpOn),
      first_text_(std::move(firstText)),
      second_text_(std::move(secondText)),
      dhcp_capable_(dhcpCapable),
      mac_editable_(macEditable) {
    setWindowTitle(Text(IDS_NETINFO_TITLE));
    BuildControls();
}

void CSetNetworkInfoDlg::BuildControls() {
    first_label_ = Identified(new QLabel(this), IDC_NETINFO_FIRST_TEXT, IDS_NETINFO_TIP_FIRST_TEXT);
    second_label_ = Identified(new QLabel(this), IDC_NETINFO_SECOND_TEXT, IDS_NETINFO_TIP_SECOND_TEXT);
    dhcp_radio_ =
        Identified(new QRadioButton(Text(IDS_NETINFO_DHCP), this), IDC_NETINFO_DHCP, IDS_NETINFO_TIP_DHCP);
    fixed_radio_ =
        Identified(new QRadioButton(Text(IDS_NETINFO_FIXED), this), IDC_NETINFO_FIXED, IDS_NETINFO_TIP_FIXED);
    auto* dhcpChoice = new QButtonGroup(this);
    dhcpChoice->addButton(dhcp_radio_);
    dhcpChoice->addButton(fixed_radio_);
    connect(dhcp_radio_, &QRadioButton::clicked, this, [this] { EnableAddressFields(); });
    connect(fixed_radio_, &QRadioButton::clicked, this, [this] { EnableAddressFields(); });

    address_edit_ = LimitedEdit(this, IDC_NETINFO_ADDRESS, IDS_NETINFO_TIP_ADDRESS, kAddressMax);
    mask_edit_ = LimitedEdit(this, IDC_NETINFO_MASK, IDS_NETINFO_TIP_MASK, kAddressMax);
    port_edit_ = LimitedEdit(this, IDC_NETINFO_PORT, IDS_NETINFO_TIP_PORT, kPortMax);
    gateway_edit_ = LimitedEdit(this, IDC_NETINFO_GATEWAY, IDS_NETINFO_TIP_GATEWAY, kAddressMax);
    mac_edit_ = LimitedEdit(this, IDC_NETINFO_MAC, IDS_NETINFO_TIP_MAC, kMacMax);
    mac_label_ = new QLabel(Text(IDS_NETINFO_MAC), this);
    mac_label_->setBuddy(mac_edit_);
    platform::SetControlId(mac_label_, IDC_NETINFO_MAC_LABEL);
    connect(port_edit_, &QLineEdit::textEdited, this, [this] { CheckPortRadio(); });

    port_radios_ = new QButtonGroup(this);
    auto* portRow = new QHBoxLayout;
    const struct {
        int id;
        const char* label;
        unsigned tip;
    } portChoices[] = {{IDC_NETINFO_PORT_80, "80", IDS_NETINFO_TIP_PORT_80},
                       {IDC_NETINFO_PORT_3001, "3001", IDS_NETINFO_TIP_PORT_3001},
                       {IDC_NETINFO_PORT_OTHER, nullptr, IDS_NETINFO_TIP_PORT_OTHER}};
    for (const auto& choice : portChoices) {
        const QString label =
            choice.label != nullptr ? QString::fromLatin1(choice.label) : Text(IDS_NETINFO_PORT_OTHER);
        auto* radio = Identified(new QRadioButton(label, this), choice.id, choice.tip);
        port_radios_->addButton(radio, choice.id);
        portRow->addWidget(radio);
    }
    connect(port_radios_->button(IDC_NETINFO_PORT_80), &QRadioButton::clicked, this,
            [this] { SetPort("80"); });
    connect(port_radios_->button(IDC_NETINFO_PORT_3001), &QRadioButton::clicked, this,
            [this] { SetPort("3001"); });
    auto* advice = Identified(new QPushButton(QStringLiteral("?"), this), IDC_NETINFO_PORT_ADVICE,
                              IDS_NETINFO_TIP_PORT_ADVICE);
    advice->setAutoDefault(false);
    connect(advice, &QPushButton::clicked, this,
            [] { ShowMessageBox(LoadText(IDS_NETINFO_PORT_ADVICE), MB_OK | MB_ICONINFORMATION, true); });
    portRow->addWidget(advice);

    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(first_label_, row++, 0, 1, 2);
    grid->addWidget(second_label_, row++, 0, 1, 2);
    grid->addWidget(dhcp_radio_, row, 0);
    grid->addWidget(fixed_radio_, row++, 1);
    const std::pair<unsigned, QLineEdit*> fields[] = {{IDS_NETWORK_ADDRESS_LABEL, address_edit_},
                                                      {IDS_NETINFO_MASK, mask_edit_},
                                                      {IDS_NETINFO_GATEWAY, gateway_edit_},
                                                      {IDS_NETWORK_PORT_LABEL, port_edit_}};
    // Each caption's key moves the focus to its field; without a buddy the '&' would show as it is.
    for (const auto& [label, edit] : fields) {
        auto* caption = new QLabel(Text(label), this);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row++, 1);
    }
    grid->addLayout(portRow, row++, 1);
    grid->addWidget(mac_label_, row, 0);
    grid->addWidget(mac_edit_, row++, 1);
    QDialogButtonBox* buttons = MakeOkCancelButtons(this);
    platform::FindControl(this, IDOK)->setToolTip(Text(IDS_NETINFO_TIP_OK));
    platform::FindControl(this, IDCANCEL)->setToolTip(Text(IDS_NETINFO_TIP_CANCEL));
    grid->addWidget(buttons, row, 0, 1, 2);
}

int CSetNetworkInfoDlg::PortRadioFor(const std::string& portText) {
    const int number = std::atoi(portText.c_str());
    if (number == kWebPort) {
        return IDC_NETINFO_PORT_80;
    }
    return number == kProgramPort ? IDC_NETINFO_PORT_3001 : IDC_NETINFO_PORT_OTHER;
}

bool CSetNetworkInfoDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    first_label_->setText(platform::ToQString(first_text_));
    second_label_->setText(platform::ToQString(second_text_));
    mac_label_->setVisible(mac_editable_);
    mac_edit_->setVisible(mac_editable_);
    mac_edit_->setEnabled(mac_editable_);
    dhcp_radio_->setVisible(dhcp_capable_);
    fixed_radio_->setVisible(dhcp_capable_);
    dhcp_radio_->setEnabled(dhcp_capable_);
    fixed_radio_->setEnabled(dhcp_capable_);
    EnableAddressFields();
    CheckPortRadio();
    return result;
}

void CSetNetworkInfoDlg::DoDataExchange(platform::DataExchange& exchange) {
    int choice = dhcp ? 0 : 1;
    platform::ExchangeRadio(exchange, {dhcp_radio_, fixed_radio_}, choice);
    dhcp = choice == 0;
    platform::ExchangeText(exchange, address_edit_, address);
    platform::ExchangeText(exchange, mask_edit_, mask);
    platform::ExchangeText(exchange, port_edit_, port);
    platform::ExchangeText(exchange, gateway_edit_, gateway);
    platform::ExchangeText(exchange, mac_edit_, mac);
}

void CSetNetworkInfoDlg::EnableAddressFields() {
    const bool fixed = !(dhcp_capable_ && dhcp_radio_->isChecked());
    for (QLineEdit* edit : {address_edit_, mask_edit_, gateway_edit_}) {
        edit->setEnabled(fixed);
    }
}

void CSetNetworkInfoDlg::CheckPortRadio() {
    port_radios_->button(PortRadioFor(platform::FromQString(port_edit_->text())))->setChecked(true);
}

void CSetNetworkInfoDlg::SetPort(const char* portText) {
    port_edit_->setText(QString::fromLatin1(portText));
    CheckPortRadio();
}

bool CSetNetworkInfoDlg::CheckFields() {
    const auto text = [](const QLineEdit* edit) { return platform::FromQString(edit->text()); };
    std::string message;
    QLineEdit* field = nullptr;
    if (!dhcp_radio_->isChecked()) {
        if (!IsValidIPAddress(text(address_edit_), 1, 254)) {
            message = LoadText(IDS_ERROR) + ": " + LoadText(IDS_BAD_ADDRESS);
            field = address_edit_;
        } else if (!IsValidIPAddress(text(mask_edit_), 0, 255)) {
            message = LoadText(IDS_NETINFO_BAD_MASK);
            field = mask_edit_;
        } else if (!IsValidIPAddress(text(gateway_edit_), 0, 254)) {
            message = LoadText(IDS_NETINFO_BAD_GATEWAY);
            field = gateway_edit_;
        }
    }
    if (field == nullptr && mac_editable_ && !IsValidMACAddress(text(mac_edit_))) {
        message = LoadText(IDS_NETINFO_BAD_MAC);
        field = mac_edit_;
    }
    if (field == nullptr) {
        return true;
    }
    ShowBadField(message);
    field->setFocus();
    field->selectAll();
    return false;
}

void CSetNetworkInfoDlg::OnOK() {
    if (CheckFields()) {
        platform::Dialog::OnOK();
    }
}
