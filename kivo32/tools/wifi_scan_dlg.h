// CWiFiScanDlg: the wireless networks the logger's module found; the user picks one.
#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

#include "kivo32/tools/wifi_scan.h"
#include "platform/ui/dialog.h"

class CWiFiScanDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CWiFiScanDlg(QWidget* parent = nullptr);

    // Before DoModal: one row each, in the order added.
    void AddNetwork(const std::string& name, int channel, int signal, bool secured);
    // After DoModal: false when no network was chosen.
    bool GetSelectedNetwork(std::string& name) const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<ScannedNetwork> networks_;
    std::string chosen_;
    bool has_chosen_ = false;
    QTreeWidget* list_;
};
