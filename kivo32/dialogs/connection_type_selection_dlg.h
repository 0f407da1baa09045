// CConnectionTypeSelectionDlg: which kind of link a logger command that needs a logger opens, when none
// is connected: direct, modem or network.
#pragma once

#include <QPushButton>

#include "platform/ui/dialog.h"

class CConnectionTypeSelectionDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `command` is the menu command that asked; the modem button shows only with `modemOffered` and for
    // a command that may go over a modem.
    CConnectionTypeSelectionDlg(unsigned command, bool modemOffered, QWidget* parent = nullptr);

    // The commands that change a logger's network settings, Wi-Fi settings or web password never go over
    // a modem.
    static bool CommandMayUseModem(unsigned command);

    // DoModal gives the chosen button: IDC_CONNECT_DIRECT, IDC_CONNECT_MODEM, IDC_CONNECT_NETWORK, or
    // IDCANCEL.

private:
    QPushButton* AddChoice(unsigned labelId, int id);
};
