// The logger menu's rule: which calibration and connection entries it offers for the connected logger's
// protocol, the calibration level of the command line and the logger's Wi-Fi module and web login.
#pragma once

#include <string>

#include "kivo32/app/menu_entry.h"

struct CLoggerMenuConditions {
    // The logger speaks the newer command set (type codes 13 and 14).
    bool newProtocol = false;
    // 0, 1 or 2, from the command line.
    int calibrationLevel = 0;
    bool hasSession = false;
    bool loggerHasWiFi = false;
    bool loggerHasWebLogin = false;
};

// The answer-mode entry's label for its state.
std::string AnswerModeLabel(bool on);

// True for the logger menu: the popup whose first entry carries the logger menu's first label.
bool IsLoggerMenu(const CMenuEntry& popup);

// Applies the rule to the logger menu of `menuBar` (see IsLoggerMenu); nothing happens without one. It works on the menu as it stands, as each
// opening of the menu bar does: an entry is inserted only when its command is not in the menu yet, and an
// insertion whose anchor is gone is skipped.
void ApplyLoggerMenuRule(CMenuEntries& menuBar, const CLoggerMenuConditions& conditions);
