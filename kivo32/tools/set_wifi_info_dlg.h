// CSetWiFiInfoDlg: the settings of a logger's Wi-Fi module (network or access point, SSID, DHCP or a
// fixed address, TCP port, antenna, pass phrase), their file, the network scan, and the user's part of
// a module firmware update. It sends nothing to the logger itself: the scan is asked of the session.
#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <memory>
#include <string>

#include "platform/base/message_target.h"
#include "platform/ui/dialog.h"
#include "shared/logger/wifi_settings.h"

// What the dialog needs of the program beyond the logger's values.
struct WiFiDialogHooks {
    // Asks the session to scan; the reply comes to the given target (WM_WIFI_SCAN_REPLY). Empty
    // without a session: no scan.
    std::function<void(std::shared_ptr<platform::MessageTarget>)> scan;
    // Shows "WiFi Help.txt"; false when it could not be loaded.
    std::function<bool()> showHelp;
    // The module firmware version the version check offers, and the end of its module checks when the
    // user declines the update.
    std::string offeredModuleVersion;
    std::function<void()> stopModuleChecks;
};

class CSetWiFiInfoDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The module-update steps the session sets: none, asked for, finished, failed.
    static constexpr int kStateNormal = 0;
    static constexpr int kStateUpdateAsked = 1;
    static constexpr int kStateUpdateDone = 4;
    static constexpr int kStateUpdateNotDone = 5;
    // HandleWiflyState's answers: nothing to do, the dialog stays (or was accepted), close as cancelled.
    static constexpr int kNothingToDo = 0;
    static constexpr int kStays = 2;
    static constexpr int kCancel = 7;

    CSetWiFiInfoDlg(std::string firstText, std::string secondText, const WiFiSettings& settings, int state,
                    WiFiDialogHooks hooks, QWidget* parent = nullptr);

    // The values as they stand (after OK: as entered); the pass phrase "<unchanged>" until one is set.
    WiFiSettings values;
    // The settings changed since opening (or a file was read); a settings file was written.
    bool changed = false;
    bool fileSaved = false;

    int HandleWiflyState();
    void OnMessage(platform::Message& message) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    void BuildControls();
    void Enable();
    void SetMode(bool accessPoint);
    void ShowModeFields();
    void CheckPortRadio();
    void SetPort(const char* port);
    void OnPassword();
    void OnScan();
    void TakeScan(bool read, const std::string& reply);
    void OnHelp();
    void SaveFile();
    // True when a file was chosen.
    bool LoadFile();
    // The first address field that fails its check: message shown, focus on it; false then.
    bool CheckFields();

    std::string first_text_;
    std::string second_text_;
    int state_;
    WiFiDialogHooks hooks_;
    QLabel* first_label_;
    QLabel* second_label_;
    QRadioButton* access_point_;
    QRadioButton* join_network_;
    QRadioButton* dhcp_;
    QRadioButton* fixed_;
    QRadioButton* external_antenna_;
    QRadioButton* internal_antenna_;
    QLabel* ssid_label_;
    QLineEdit* ssid_edit_;
    QLineEdit* address_edit_;
    QLineEdit* mask_edit_;
    QLineEdit* gateway_edit_;
    QLineEdit* port_edit_;
    QLineEdit* mac_edit_;
    QButtonGroup* port_radios_;
    QPushButton* scan_;
    QPushButton* password_;
    QLabel* password_label_;
    QLabel* version_note_;
};
