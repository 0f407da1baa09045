// The program's answer to the harmonics window's request.
#pragma once

#include <functional>

#include "kivo32/harmonics/harmonics_dlg.h"

// What the program gives the harmonics window: its settings when it opens, and where its mode goes when
// it closes.
struct HarmonicsWindowHooks {
    std::function<HarmonicsWindowSettings()> settings;
    std::function<void(HarmonicsMode)> keepMode;
    CHarmonicsDlg::RefreshCountAsker askRefreshCount;
};
// Answers HarmonicsRequest with the window, over the main window.
void RegisterHarmonicsWindow(HarmonicsWindowHooks hooks);
