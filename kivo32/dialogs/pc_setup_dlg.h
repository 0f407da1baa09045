// CPCSetupDlg: the program's PC-side preferences: the three working folders, the port and baud rate of
// the direct link (a listed port or a typed device path), the modem's baud rate and line, the start of
// Teldrin with this program and the offer of the older models' settings. OK writes them into the settings and
// saves them at once.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/io/serial_port_source.h"
#include "platform/ui/dialog.h"

namespace platform {
class ProfileStore;
}
class CComboBoxPort;
class CRegistryValues;

// Lets the user choose a folder, starting at `folder` ("/" when it is empty); TRUE, with the choice in
// `folder`, when one was chosen. Texts are Windows-1252.
bool BrowseForFolderSimple(std::string& folder, const std::string& title);

class CPCSetupDlg : public platform::Dialog {
    Q_OBJECT

public:
    // What the dialog shows and changes of the application beside the settings.
    struct AppLinks {
        // Check box 2264 starts from the application's older-models flag; each click sets it at once.
        bool olderModels = false;
        std::function<void(bool)> setOlderModels;
        // The modem lines offered after text 9310.
        std::vector<std::string> modemLines;
    };

    // The fields start from `registry`; OK writes them back and saves it into `store`. `ports` lists the
    // serial ports (none: the ports udev knows).
    CPCSetupDlg(CRegistryValues& registry, platform::ProfileStore& store, AppLinks links,
                QWidget* parent = nullptr, std::unique_ptr<platform::SerialPortSource> ports = {});
    ~CPCSetupDlg() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Folder { kDataFolder, kSetupFolder, kLoggerListFolder, kFolderCount };

    void BuildControls();
    void FillModemLines();
    // A changed folder field must name an existing folder: false, after message 12298, with the field's
    // previous text back and the focus in it.
    bool CheckFolder(Folder folder);
    void Browse(Folder folder);
    void ShowPortPreferences();
    // Selects the list's entry of `port`; a port the list does not offer (a typed device path, an
    // absent port) stands in the field as it is; a text that names no port leaves the list's choice.
    void ShowPort(const std::string& port);
    // The USB logger's port has a fixed baud rate: the direct baud rate is hidden and set to it.
    void ApplyPortRule();
    // The older models' link settings show only while their generation is in use; the status label
    // names the logger generation.
    void ApplyModelRule();
    void OnTimer();

    CRegistryValues& registry_;
    platform::ProfileStore& store_;
    AppLinks links_;
    std::array<std::string, kFolderCount> folders_;
    std::array<QLineEdit*, kFolderCount> folder_edits_{};
    std::string direct_baud_;
    std::string modem_baud_;
    int teldrin_launch_ = 1;
    // Off while a check of a folder field runs, so that its message box does not start another.
    bool check_folders_ = false;
    int last_logger_type_;
    CComboBoxPort* port_ = nullptr;
    QComboBox* direct_baud_combo_ = nullptr;
    QComboBox* modem_baud_combo_ = nullptr;
    QComboBox* modem_line_ = nullptr;
    QCheckBox* older_models_ = nullptr;
    QCheckBox* teldrin_launch_check_ = nullptr;
    QLabel* logger_kind_ = nullptr;
    QTimer model_timer_;
};
