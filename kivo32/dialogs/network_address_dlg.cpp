// CNetworkAddressDlg: the address and TCP port of a network logger, typed, chosen from the recent ones or
// found by a scan.
#include "kivo32/dialogs/network_address_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/dialogs/scan_dialog.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

CNetworkAddressDlg::CNetworkAddressDlg(std::string addressText, std::string portText,
                                       const std::vector<std::string>& recent, QWidget* parent,
                                       DiscoveryEndpoints scanEndpoints)
    : platform::Dialog(parent),
      address(std::move(addressText)),
      port(std::move(portText)),
      scan_endpoints_(std::move(scanEndpoints)),
      address_box_(new QComboBox(this)),
      port_edit_(new QLineEdit(this)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_NETWORK_ADDRESS_TITLE)));
    platform::SetControlId(address_box_, IDC_NETWORK_ADDRESS);
    platform::SetControlId(port_edit_, IDC_NETWORK_PORT);
    address_box_->setEditable(true);
    address_box_->setInsertPolicy(QComboBox::NoInsert);
    for (std::size_t index = 0; index < recent.size() && index < kRecentShown; ++index) {
        address_box_->addItem(platform::ToQString(recent[index]));
    }
    address_box_->lineEdit()->setMaxLength(kAddressMax);
    port_edit_->setMaxLength(kPortMax);

    auto* layout = new QFormLayout(this);
    layout->addRow(platform::ToQString(LoadText(IDS_NETWORK_ADDRESS_LABEL)), address_box_);
    layout->addRow(platform::ToQString(LoadText(IDS_NETWORK_PORT_LABEL)), port_edit_);
    auto* scan = new QPushButton(platform::ToQString(LoadText(IDS_NETWORK_SCAN)), this);
    platform::SetControlId(scan, IDC_NETWORK_SCAN);
    scan->setAutoDefault(false);
    connect(scan, &QPushButton::clicked, this, &CNetworkAddressDlg::OnScan);
    layout->addRow(scan);
    layout->addRow(static_cast<QWidget*>(MakeOkCancelButtons(this)));

    // Leaving the box splits what was typed; a list entry is split once the box has taken its text.
    connect(address_box_->lineEdit(), &QLineEdit::editingFinished, this,
            &CNetworkAddressDlg::SplitShownAddress);
    connect(address_box_, &QComboBox::textActivated, this, &CNetworkAddressDlg::SplitShownAddress,
            Qt::QueuedConnection);
}

bool CNetworkAddressDlg::SplitAddressText(std::string& addressText, std::string& portText) {
    const std::size_t colon = addressText.find(':');
    if (colon == std::string::npos) {
        return false;
    }
    portText = addressText.substr(colon + 1);
    addressText.erase(colon);
    return true;
}

void CNetworkAddressDlg::DoDataExchange(platform::DataExchange& exchange) {
    if (!exchange.saving()) {
        address_box_->setEditText(platform::ToQString(address));
        port_edit_->setText(platform::ToQString(port));
        return;
    }
    SplitShownAddress();
    address = platform::FromQString(address_box_->currentText());
    port = platform::FromQString(port_edit_->text());
    if (address.empty()) {
        exchange.PrepareControl(address_box_);
        exchange.Fail(IDP_NO_NETWORK_ADDRESS);
    } else if (port.empty()) {
        exchange.PrepareControl(port_edit_);
        exchange.Fail(IDP_NO_NETWORK_PORT);
    } else if (!ParseTcpPort(port)) {
        exchange.PrepareControl(port_edit_);
        exchange.Fail(IDP_BAD_NETWORK_PORT);
    }
}

void CNetworkAddressDlg::OnScan() {
    CScanDialog scan(this, scan_endpoints_);
    std::string chosenAddress, serial, mac, chosenPort, connections;
    if (scan.DoModal() == IDOK && scan.GetSelection(chosenAddress, serial, mac, chosenPort, connections)) {
        address_box_->setEditText(platform::ToQString(chosenAddress));
        port_edit_->setText(platform::ToQString(chosenPort));
    }
}

void CNetworkAddressDlg::SplitShownAddress() {
    std::string addressText = platform::FromQString(address_box_->currentText());
    std::string portText = platform::FromQString(port_edit_->text());
    if (SplitAddressText(addressText, portText)) {
        address_box_->setEditText(platform::ToQString(addressText));
        port_edit_->setText(platform::ToQString(portText));
    }
}
