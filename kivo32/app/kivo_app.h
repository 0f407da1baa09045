// The application object of kivo32: start-up with its language and texts, the settings, the main window,
// the sessions with the loggers, shut-down. It is also the application context the links, the sessions
// and the data files read.
#pragma once

#include <memory>
#include <string>

#include "kivo32/app/app_ini_info.h"
#include "kivo32/app/desktop_date_formats.h"
#include "kivo32/app/registry_values.h"
#include "platform/ui/application.h"
#include "shared/common/app_context.h"
#include "shared/controls/program_ui_broker.h"

class CSessionOwner;

namespace platform {
class MessageTarget;
struct Message;
}

class CKivoApp : public platform::Application, public CAppContext {
public:
    // The caption of the main window.
    static constexpr const char* kWindowTitle = "KIVO 15";

    CKivoApp();
    ~CKivoApp() override;

    bool InitInstance() override;

    // Reads "intl"/"Language" ("??" when unset); unset, asks "Use English?" once and stores "EN" or "FR".
    // Then loads KivoResFR for "FR" and KivoRes for anything else.
    static void ChooseLanguage();

    // ---- What the program's windows share (user-interface thread).
    CRegistryValues& Registry() { return registry_; }
    CAppIniInfo& AppInfo() { return app_info_; }
    // The sessions with the loggers; exists once the main window does.
    CSessionOwner& Sessions() { return *sessions_; }
    bool HasSessions() const { return sessions_ != nullptr; }
    // Where the links and the sessions post their notices to the main window; nullptr before it exists.
    platform::MessageTarget* GetAppMainWnd() const;
    // The messages the links, the sessions and the workers post to the application, which reach it
    // through the main window's target (the main frame hands on what it does not take itself); true when
    // taken.
    bool OnAppMessage(platform::Message& message);

    // ---- The application context.
    std::string GetPortName() const override;
    std::string GetDefaultSUTLineFreq() const override;
    CCommandLineValues GetCommandLineValues() const override;
    void CommTrace(std::string_view text) override;
    void SendTerminalText(std::string_view bytes) override;

private:
    // Every question of the program reaches the user through it.
    CProgramUiBroker ui_broker_;
    // Dates and times in the desktop's regional formats from the start.
    CDesktopDateFormats date_formats_;
    CRegistryValues registry_;
    CAppIniInfo app_info_;
    std::unique_ptr<CSessionOwner> sessions_;
};

// The running kivo32 application object; nullptr while none exists.
CKivoApp* GetKivoApp();
