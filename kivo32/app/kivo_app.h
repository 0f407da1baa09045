// The application object of kivo32: start-up with its language and texts, the main window, shut-down.
#pragma once

#include <memory>

#include "kivo32/app/desktop_date_formats.h"
#include "platform/ui/application.h"
#include "shared/controls/program_ui_broker.h"

class CKivoApp : public platform::Application {
public:
    // The caption of the main window.
    static constexpr const char* kWindowTitle = "KIVO 15";

    CKivoApp();
    ~CKivoApp() override;

    bool InitInstance() override;

    // Reads "intl"/"Language" ("??" when unset); unset, asks "Use English?" once and stores "EN" or "FR".
    // Then loads KivoResFR for "FR" and KivoRes for anything else.
    static void ChooseLanguage();

private:
    // Every question of the program reaches the user through it.
    CProgramUiBroker ui_broker_;
    // Dates and times in the desktop's regional formats from the start.
    CDesktopDateFormats date_formats_;
};
