// CPCSetUpDlg: teldrin's PC settings: the logger-list and data folders, the direct port and baud rate,
// the modem's baud rate and line. Save writes them into the settings and the profile at once; a folder
// that does not exist or a baud rate that is not one of its list's keeps the dialog open.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/io/serial_port_source.h"
#include "platform/ui/dialog.h"

namespace platform {
class ProfileStore;
}
class CComboBoxPort;

namespace teldrin {

class CRegistryValues;

class CPCSetUpDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The control ids.
    enum : int {
        kDataFolderEdit = 1001,
        kLoggerListFolderEdit = 1003,
        kModemBaud = 1007,
        kDirectBaud = 1008,
        kPort = 1020,
        kModemLine = 1030,
        kBrowseDataFolder = 1323,
        kBrowseLoggerListFolder = 1325,
    };

    // The fields start from `settings`; `modemLines` are the machine's modem lines (none listed: only
    // "Aucun" is offered); `ports` lists the serial ports (none: the ports udev knows).
    CPCSetUpDlg(CRegistryValues& settings, platform::ProfileStore& store, std::vector<std::string> modemLines,
                QWidget* parent = nullptr, std::unique_ptr<platform::SerialPortSource> ports = {});
    ~CPCSetUpDlg() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    enum Folder { kDataFolder, kLoggerListFolder, kFolderCount };

    void BuildControls();
    // A folder field must name an existing folder: false, after its message, with the field's previous
    // text back and the focus in it; otherwise the field takes the folder without a trailing "/".
    bool CheckFolder(Folder folder);
    void Browse(Folder folder);

    CRegistryValues& settings_;
    platform::ProfileStore& store_;
    std::vector<std::string> modem_lines_;
    std::array<std::string, kFolderCount> folders_;
    std::array<QLineEdit*, kFolderCount> folder_edits_{};
    std::string direct_baud_;
    std::string modem_baud_;
    CComboBoxPort* port_;
    QComboBox* direct_baud_combo_ = nullptr;
    QComboBox* modem_baud_combo_ = nullptr;
    QComboBox* modem_line_ = nullptr;
};

}  // namespace teldrin
