// The dialog requests of the application's own commands: how to connect, the address or number to
// connect to, and the file a download goes to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Which link a logger command without a session opens; answered by the chosen button's id
// (IDC_CONNECT_DIRECT, IDC_CONNECT_MODEM, IDC_CONNECT_NETWORK) or IDCANCEL.
struct ConnectionTypeSelectionRequest {
    static constexpr std::string_view kName = "CConnectionTypeSelectionDlg";
    unsigned command = 0;  // the menu command that needs the link
    bool modem = false;    // the modem is offered
};

// The telephone number a modem link dials, in and out.
struct ModemManDialRequest {
    static constexpr std::string_view kName = "CModemManDialDlg";
    std::string number;
};

// The address and TCP port of a network link, in and out, with the recent addresses for the list.
struct NetworkAddressRequest {
    static constexpr std::string_view kName = "CNetworkAddressDlg";
    std::string address;
    std::string port;
    std::vector<std::string> recent;
};

// The file a download goes to: `path` proposed (a folder, or a file in it) and, after IDOK, the file
// chosen; the two options in and out.
struct DataFileSaveRequest {
    static constexpr std::string_view kName = "CDataFileSaveDlg";
    std::string path;
    unsigned titleId = 0;
    std::string baseName;  // the base of numbered names
    bool addToExisting = false;
    bool alsoCsv = false;
};
