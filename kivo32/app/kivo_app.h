// The application object of kivo32: start-up with its language and texts, the settings, the main window,
// the sessions with the loggers, shut-down. It is also the application context the links, the sessions
// and the data files read.
#pragma once

#include <QPointer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "kivo32/app/app_ini_info.h"
#include "kivo32/app/command_rules.h"
#include "kivo32/app/desktop_date_formats.h"
#include "kivo32/app/registry_values.h"
#include "platform/ui/application.h"
#include "platform/ui/view.h"
#include "shared/common/app_context.h"
#include "shared/controls/program_ui_broker.h"

class CGraphObjectAttributes;
class CSessionOwner;
class CSetupTable;

namespace platform {
class DocTemplate;
class MessageTarget;
struct CommandState;
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

    // ---- Commands (kivo_app_commands.cpp, kivo_app_program.cpp; the session's start and end:
    // kivo_app_connect.cpp)
public:
    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(platform::CommandState& state) override;
    // What the update-UI rules read of the application and its session now.
    CommandRuleState GetCommandRuleState() const;
    // Idle processing: the status line shows the wait text while the wait cursor shows, else the ready
    // text; it is set only when it differs.
    void OnIdle();
    // The registered windows of the commands' dialog requests and the sessions' seams of the user
    // interface; once the main window and the sessions exist.
    void SetUpCommands();
    // The setup-table view whose programming waits for a download; null when none, or when it closed.
    platform::View* GetRememberedSetupView() const { return remembered_setup_view_; }
    // A program command waits for the download it asked for first.
    bool IsProgramAfterDownload() const { return program_after_download_; }

    // Start a session unless one runs; a session that cannot start leaves no link behind and is told.
    bool ConnectDirect(const std::string& port, int baud);
    // An empty address or port asks for both (CNetworkAddressDlg), which are kept for the next time.
    bool ConnectNetwork(std::string address, std::string port);
    // For a logger command without a session: asks the kind of link, keeps `command` as the pending
    // command and connects. True when a session started.
    bool ChooseConnectionKind(unsigned command);
    // The end-of-session routine: cancels the running command, ends the session (without the logger's
    // farewell when `quiet`, as after a lost port) and puts the application back to no link. False only
    // when asked inside another end of a session, which ends it anyway.
    bool Disconnect(int reason, bool quiet);
    // Connects again over the last link that answered (after a firmware update); false without one.
    bool LoggerReconnect();
    // Tells that a setup table of `setupModelCode` does not fit the connected logger.
    static void LoggerAndSUTNotCompatibleMsg(int loggerTypeCode, int setupModelCode);

    // The setup-table template's id.
    static constexpr int kSetupTableTemplateId = 15;
    // shell: the template of `id` (11 data grid, 12 data graph, 15 setup table); null when not made.
    platform::DocTemplate* GetTemplate(int id);
    // shell: 1 shows the wait cursor, -1 restores it.
    void DoWaitCursor(int step);
    // shell: the main window's close command and the close-allowed flag.
    void EnableCloseCommand();
    void DisableCloseCommand();
    bool IsCloseAllowed() const;
    // shell: the wait-cursor flag.
    bool IsWaitCursorShown() const;
    // shell: the about box, or with Shift held the splash window.
    void ShowAboutBox();
    // shell: the graph attributes of the application.
    CGraphObjectAttributes& GraphAttributes();

private:
    void RunSessionCommand(const SessionCommand& command);
    void CancelCommand();
    void ExitProgram();
    void ProgramLogger();
    // The setup table the program command programs: the active setup view's, else one read from a file
    // the user chooses; null when there is none.
    std::unique_ptr<CSetupTable> SetupToProgram();
    void StartDownload();
    // The save step of a download: a proposed numbered name (`proposeName`) or none, the user's file,
    // the read posted to the session.
    void AskDownloadFile(bool proposeName);
    // A download's command ended: a program command waiting for it runs only after a download that
    // delivered its file.
    void OnDownloadEnded(bool delivered);
    void OpenDataFile();
    void CloseAll();
    void StartProgram(const std::filesystem::path& program, unsigned failureId);
    bool RunGridCommand(unsigned id);
    void ShowIdleText(unsigned id);
    // Starts a session with `connect`, refusing while a kept session still stops.
    bool StartSession(const std::function<bool(CSessionOwner&)>& connect);
    // The application's side of a session's end: no lost port, the idle text, the link idle.
    void FinishSessionEnd();
    // The user-interface thread's wait for the session: events are taken meanwhile, but no command runs
    // and no second end of a session begins inside it.
    bool WaitForSession(const std::function<bool()>& done, std::chrono::milliseconds timeout);

    // Set while no link has been opened since the last session ended.
    bool link_idle_ = true;
    bool download_requested_ = false;
    // The last download read only the new data (the file's save step then proposes no name).
    bool new_data_only_ = false;
    bool program_after_download_ = false;
    QPointer<platform::View> remembered_setup_view_;
    // The setup waiting for the download is that view's (else a file's).
    bool program_from_view_ = false;
    // Set while WaitForSession runs.
    bool in_session_wait_ = false;
};

// The running kivo32 application object; nullptr while none exists.
CKivoApp* GetKivoApp();
