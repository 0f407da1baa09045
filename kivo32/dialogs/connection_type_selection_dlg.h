// CConnectionTypeSelectionDlg: which kind of link a logger command that needs a logger opens, when none
// is connected: direct, modem or network.
#pragma once

#include <QPushButton>

#include "platform/ui/dialog.h"

class CConnectionTypeSelectionDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The modem button shows only with `modemOffered`.
    explicit CConnectionTypeSelectionDlg(bool modemOffered, QWidget* parent = nullptr);

    // DoModal gives the chosen button: IDC_CONNECT_DIRECT, IDC_CONNECT_MODEM, IDC_CONNECT_NETWORK, or
    // IDCANCEL.

private:
    QPushButton* AddChoice(unsigned labelId, int id);
};
