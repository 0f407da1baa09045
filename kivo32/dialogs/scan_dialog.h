// CScanDialog: finds the network loggers of the local segment, lists them, tests a TCP connection to
// one, sends one new network settings, and returns the chosen one.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>
#include <string>

#include "platform/ui/dialog.h"
#include "shared/link/discovery_udp_socket.h"

class CSortListCtrl;

class CScanDialog : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 1000;
    // The loggers that are there answer a scan within this time; after it the scan says none did.
    static constexpr int kAnswerWaitMs = 3000;
    // A logger restarts with its new settings within this time.
    static constexpr int kRestartPauseMs = 30'000;

    // The programs scan with the default endpoints; tests on 127.0.0.1.
    explicit CScanDialog(QWidget* parent = nullptr, DiscoveryEndpoints endpoints = {});
    ~CScanDialog() override;

    // The logger chosen with OK; false when none was.
    bool GetSelection(std::string& address, std::string& serial, std::string& mac, std::string& port,
                      std::string& connections) const;
    // Shows the loggers found, when they changed since the last refresh.
    void RefreshList();

    void OnMessage(platform::Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void BuildControls();
    // The selected row's texts; false when no row is selected.
    bool SelectedRow(DiscoveredLogger& row) const;
    void OnReceive();
    // Sends the scan and says so below the list; false, after telling the user, when it cannot be sent.
    bool StartScan(bool firstScan);
    void OnAnswerWaitOver();
    void OnScanAgain();
    void OnTestConnection();
    void OnChangeSettings();
    // Sends the settings taken by OnChangeSettings and pauses while the logger restarts.
    void ApplySettings();
    void EndSettingsPause();
    void EnableRowButtons();

    CUDPSocket socket_;
    std::unique_ptr<QSocketNotifier> receive_notifier_;
    QTimer refresh_timer_;
    QTimer pause_timer_;
    QTimer answer_wait_;
    DiscoveredLogger chosen_;
    NetworkSettingsRequest new_settings_;
    bool pausing_ = false;
    bool testing_ = false;
    CSortListCtrl* list_;
    QPushButton* scan_again_;
    QPushButton* test_;
    QPushButton* settings_;
    QPushButton* ok_;
    QLabel* status_;
};
