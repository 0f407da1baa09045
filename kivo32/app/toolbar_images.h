// The images of the main toolbar's buttons, drawn here so that they scale and need no image files.
#pragma once

#include <QIcon>

enum class CToolbarImage {
    None,
    NewSetup,
    Open,
    Save,
    Print,
    ConnectDirect,
    Disconnect,
    Download,
    ReadSetup,
    Program,
    SetTime,
    RealTime,
    Properties,
    Cancel,
    Help,
};

// Button size of the main toolbar, in pixels.
inline constexpr int kToolbarImageSize = 16;

// The image of `kind`; a null icon for None.
QIcon DrawToolbarImage(CToolbarImage kind);
