// CAboutDlg: the about box with the program's notice, version and the maker's web address; and the about
// command, which shows it with Shift held and the about picture otherwise.
#pragma once

#include <string>

#include "platform/ui/dialog.h"
#include "shared/common/release_version.h"

class CAboutDlg : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr const char* kVersion = kReleaseVersion;
    static constexpr const char* kMakerWebAddress = "https://www.tarv.example";
    // The web address and the version.
    static constexpr int IDC_ABOUT_WEB_LINK = 1866;
    static constexpr int IDC_ABOUT_VERSION = 1867;

    explicit CAboutDlg(QWidget* parent = nullptr);

    // The about command: with Shift held the box, else the about picture over `mainWindow` with the
    // notice line, the release date and the version.
    static void ShowAbout(QWidget* mainWindow, bool shiftHeld);
    // The text of the about picture: the notice, then the release date and the version.
    static std::string AboutPictureText();
};
