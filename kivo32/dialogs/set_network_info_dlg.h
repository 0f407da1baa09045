// CSetNetworkInfoDlg: a network logger's wired settings (address, mask, TCP port, gateway, the DHCP
// choice and, where the program allows it, the MAC address), checked before they are taken.
#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <string>

#include "platform/ui/dialog.h"

class CSetNetworkInfoDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kAddressMax = 15;
    static constexpr int kPortMax = 5;
    static constexpr int kMacMax = 17;

    // `firstText` and `secondText` describe the logger; `dhcpCapable` offers the DHCP choice;
    // `macEditable` shows the MAC address for editing.
    CSetNetworkInfoDlg(std::string firstText, std::string secondText, std::string address, std::string mask,
                       std::string port, std::string gateway, std::string mac, bool dhcp, bool dhcpCapable,
                       bool macEditable, QWidget* parent = nullptr);

    // The port radio that a port text checks: 80 and 3001 by their number (as atoi reads the text),
    // any other value the third.
    static int PortRadioFor(const std::string& portText);

    // After OK: the values entered (Windows-1252).
    std::string address;
    std::string mask;
    std::string port;
    std::string gateway;
    std::string mac;
    bool dhcp;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    void BuildControls();
    // The address fields are used only with a fixed address.
    void EnableAddressFields();
    void CheckPortRadio();
    void SetPort(const char* portText);
    // The first field that fails its check: its message shown and the focus on it. False then.
    bool CheckFields();

    std::string first_text_;
    std::string second_text_;
    bool dhcp_capable_;
    bool mac_editable_;
    QLabel* first_label_;
    QLabel* second_label_;
    QRadioButton* dhcp_radio_;
    QRadioButton* fixed_radio_;
    QLineEdit* address_edit_;
    QLineEdit* mask_edit_;
    QLineEdit* port_edit_;
    QLineEdit* gateway_edit_;
    QLineEdit* mac_edit_;
    QLabel* mac_label_;
    QButtonGroup* port_radios_;
};
