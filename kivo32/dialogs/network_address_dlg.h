// CNetworkAddressDlg: the address and TCP port of a network logger, with the recent addresses to choose
// from and a scan of the network; "address:port" typed or chosen in the address box is split into the
// two.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "shared/link/discovery_udp_socket.h"

class CNetworkAddressDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kAddressMax = 22;
    static constexpr int kPortMax = 5;
    static constexpr std::size_t kRecentShown = 10;

    // `recent` holds "address" or "address:port" texts, the most recent first; the scan uses
    // `scanEndpoints`.
    CNetworkAddressDlg(std::string address, std::string port, const std::vector<std::string>& recent,
                       QWidget* parent = nullptr, DiscoveryEndpoints scanEndpoints = {});

    // When `address` holds a colon, the text after the first one becomes the port and the text before it
    // the address; true when it did. Texts without a colon are left as they are.
    static bool SplitAddressText(std::string& address, std::string& port);

    // After OK: what the user entered (Windows-1252).
    std::string address;
    std::string port;

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    // The address box's text split into the two boxes.
    void SplitShownAddress();
    // Scans the network; the logger chosen there fills both boxes.
    void OnScan();

    DiscoveryEndpoints scan_endpoints_;
    QComboBox* address_box_;
    QLineEdit* port_edit_;
};
