// The application object of kivo32: start-up with its language and texts, the settings, the document
// templates, the main window, the sessions with the loggers, shut-down. It is also the application context
// the links, the sessions and the data files read.
#pragma once

#include <QPointer>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/app/app_ini_info.h"
#include "kivo32/app/command_line.h"
#include "kivo32/app/command_rules.h"
#include "kivo32/app/desktop_date_formats.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/tools/terminal_window.h"
#include "kivo32/update/version_check.h"
#include "kivo32/views/graph_object_attributes.h"
#include "platform/ui/application.h"
#include "platform/ui/view.h"
#include "shared/common/app_context.h"
#include "shared/controls/modeless_message_box.h"
#include "shared/controls/program_ui_broker.h"

class CCsvConversionThread;
class CKivoListHost;
class COtherInstance;
class CSessionEL;
class CTextExportThread;
class CVersionCheckThread;
class CSessionOwner;
class CSetupTable;
class CSmartDocManager;
struct CLastConnection;

namespace platform {
class DocTemplate;
class MessageTarget;
struct CommandState;
struct Message;
}  // namespace platform

class CKivoApp : public platform::Application, public CAppContext {
public:
    // The caption of the main window.
    static constexpr const char* kWindowTitle = "KIVO 15";
    // The program's help in the program's language, a file of the program folder.
    static std::string HelpFileName();

    // With the program's arguments (without its own name).
    CKivoApp();
    // With `arguments` (UTF-8) in their place.
    explicit CKivoApp(std::vector<std::string> arguments);
    ~CKivoApp() override;

    bool InitInstance() override;
    // Saves the settings, unless another instance runs: that one comes to the front and keeps its own.
    int ExitInstance() override;

    // Reads "intl"/"Language" ("??" when unset); unset, asks "Use English?" once (when `mayAsk`) and
    // stores "EN" or "FR". Then loads KivoResFR for "FR" and KivoRes for anything else.
    static void ChooseLanguage(bool mayAsk = true);
    // The folder of the help file: `currentFolder` when the help is there, else the program file's
    // folder when it is there, else that folder's "../share/kivo", where an installation keeps it.
    static std::filesystem::path FindProgramFolder(const std::filesystem::path& currentFolder,
                                                   const std::filesystem::path& programFileFolder);

    // ---- What the program's windows share (user-interface thread).
    CRegistryValues& Registry() { return registry_; }
    // The switches the program was started with.
    const CommandLine& GetCommandLine() const { return command_line_; }
    CAppIniInfo& AppInfo() { return app_info_; }
    CGraphObjectAttributes& GraphAttributes() { return graph_attributes_; }
    // The main frame's toolbar follows the active view: the view's toolbar `toolbarId` while it is
    // active, the program's own once no window is. While the program closes its bars stay as they are.
    void FollowActiveView(int toolbarId, bool active);
    // The sessions with the loggers; exists once the main window does.
    CSessionOwner& Sessions() { return *sessions_; }
    bool HasSessions() const { return sessions_ != nullptr; }
    // Where the links and the sessions post their notices to the main window; nullptr before it exists.
    platform::MessageTarget* GetAppMainWnd() const;
    // The messages the links, the sessions and the workers post to the application, which reach it
    // through the main window's target (the main frame hands on what it does not take itself); true when
    // taken.
    bool OnAppMessage(platform::Message& message);
    // File New, File Open and the new setup table; exists once InitInstance ran.
    CSmartDocManager* GetSmartDocManager() const { return documents_; }
    // The document template of `id` (11 data grid, 12 data graph, 15 setup table); nullptr when none.
    platform::DocTemplate* GetTemplate(unsigned id) const;
    // The modeless notice window; exists once the main window does.
    CModelessMessageBox* NoticeWindow() const { return notice_window_; }

    const std::filesystem::path& ProgramFolder() const { return program_folder_; }
    // Opens the help file with the desktop's PDF reader; tells the user when it cannot.
    void OpenHelpFile() const override;

    // 1 shows the wait cursor, 0 and -1 take it back; nothing while suppressed or for another code. From
    // any thread: another thread's call runs on the user-interface thread.
    void DoWaitCursor(int code);
    // Held during a firmware transfer, whose own window shows its progress.
    void SetWaitCursorSuppressed(bool suppressed) { wait_cursor_suppressed_.store(suppressed); }
    // While a sent logger firmware installs: shows the wait cursor and keeps it against every other
    // change (true); then lets changes through again and takes back every wait cursor shown (false).
    // User-interface thread.
    void HoldWaitCursor(bool hold);
    bool IsWaitCursorShown() const { return wait_cursor_.load(); }

    // The record of the link that answered last (from the session thread).
    void SetLastConnection(CLastConnection connection);
    // Also the new-protocol flag.
    void SetLoggerType(int code) override;
    // Whether the logger of `code` speaks the new protocol: 13 and 14 do. kNoLogger asks the connected
    // logger, and without one follows the legacy display setting. The result is also kept.
    bool UpdateProtocolFlag(int code);
    bool IsNewProtocol() const { return new_protocol_.load(); }

    // The main window closes only while allowed; the session forbids it while it connects.
    void EnableCloseCommand();
    void DisableCloseCommand();
    bool IsCloseAllowed() const { return close_allowed_.load(); }

    // Set when a setup table was just read from a logger: File New then makes a setup table.
    void SetSetupRead(bool read) { setup_read_.store(read); }
    bool IsSetupRead() const { return setup_read_.load(); }

    // Asks another running instance of this user to come to the front: true when none runs.
    bool ActivateOtherInstance();

    // ---- The application context.
    std::string GetPortName() const override;
    std::string GetModemLineName() const override;
    std::string GetDefaultSUTLineFreq() const override;
    CCommandLineValues GetCommandLineValues() const override;
    void CommTrace(std::string_view text) override;
    void SendTerminalText(std::string_view bytes) override;
    void ShowSentBytes(std::string_view bytes) override;

private:
    // The templates, in the order of the document-kind list, each in its working folder.
    void AddDocTemplates();
    // The file dialogs of the templates start in the working folders of the settings.
    void SetTemplateFolders();
    // The session owner with the program's seams and the stored link settings.
    void MakeSessions();
    // The windows that answer the requests of the code without windows.
    void RegisterDialogRunners();
    // Comes to the front when another instance asks.
    void BringToFront();
    // The settings the sessions changed go back to the settings objects, which then are saved.
    void SaveSettings();

    // Every question of the program reaches the user through it.
    CProgramUiBroker ui_broker_;
    // Dates and times in the desktop's regional formats from the start.
    CDesktopDateFormats date_formats_;
    CRegistryValues registry_;
    CAppIniInfo app_info_;
    CGraphObjectAttributes graph_attributes_{kWindowTitle};
    CSmartDocManager* documents_ = nullptr;
    // The arguments the command line is read from.
    std::vector<std::string> arguments_;
    CommandLine command_line_;
    // The exit code of a batch export, which runs instead of the program.
    std::optional<int> batch_exit_code_;
    std::filesystem::path program_folder_;
    std::unique_ptr<COtherInstance> other_instance_;
    std::unique_ptr<QObject> close_guard_;
    QPointer<CModelessMessageBox> notice_window_;
    std::unique_ptr<CSessionOwner> sessions_;
    std::unique_ptr<CTerminalWindow> terminal_;

    // ---- Commands (kivo_app_commands.cpp, kivo_app_program.cpp; the session's start and end:
    // kivo_app_connect.cpp)
public:
    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(platform::CommandState& state) override;
    // What the update-UI rules read of the application and its session now.
    CommandRuleState GetCommandRuleState() const;
    // Idle processing: the status line shows the wait text while the wait cursor shows, else the ready
    // text. Another text (a notice, a command's prompt) stays until the line is cleared or the wait
    // cursor comes or goes.
    void OnIdle();
    // A notice in the status line, from the user-interface thread.
    void ShowStatusText(const std::string& text);
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

    // ---- The modem (kivo_app_modem.cpp).
    // Dials `number` at `baud` (0: the stored modem speed); an empty number is asked for
    // (CModemManDialDlg, starting with the last number dialled) and kept for the next time.
    bool ConnectModem(std::string number, int baud);
    // The answer-mode command: starts waiting for loggers that call in, or stops waiting.
    void ToggleAnswerMode();
    // The modem line's messages to the application; true when taken.
    bool OnModemMessage(platform::Message& message);
    // Lists the modem lines the program may use again (at start and for the PC setup).
    void ListModemLines();

private:
    void RunSessionCommand(const SessionCommand& command);
    // With a session: the wait cursor, the abort flag and the cancel to the session thread.
    void CancelCommand();
    void ExitProgram();
    void ProgramLogger();
    // The setup table the program command programs: the active setup view's, else one read from a file
    // the user chooses; null when there is none.
    std::unique_ptr<CSetupTable> SetupToProgram();
    void StartDownload();
    // The firmware update window over the connected logger, or a connection first (kivo_app_firmware.cpp).
    void OpenFirmwareUpdate();
    // The save step of a download: a proposed numbered name (`proposeName`) or none, the user's file,
    // the read posted to the session.
    void AskDownloadFile(bool proposeName);
    // A download's command ended: a program command waiting for it runs only after a download that
    // delivered its file.
    void OnDownloadEnded(bool delivered);
    void OpenDataFile();
    // The file commands beside the logger (kivo_app_files.cpp).
    void ConvertCsvFile();
    void ExportDataFileAsText();
    // Asks for the CSV file of `dataPath` and writes it on a worker.
    void StartTextExport(const std::filesystem::path& dataPath);
    void ShowPCSetup();
    void CloseAll();
    void StartProgram(const std::filesystem::path& program, unsigned failureId);
    bool RunGridCommand(unsigned id);
    // Commands 32869 and 32870: the load-profile table or graph of the active grid's selection.
    void OnLoadProfileSelectedData();
    void OnLoadProfileGraphSelectedData();
    void ShowIdleText(unsigned id);
    // Starts a session with `connect`, refusing while a kept session still stops.
    bool StartSession(const std::function<bool(CSessionOwner&)>& connect);
    // The application's side of a session's end: no lost port, the idle text, the link idle.
    void FinishSessionEnd();
    // The errno with which the running session's link was lost; 0 while it is up, or without a session.
    int ActiveLinkLostError() const;
    // A logger command over a lost link is not sent: the user is told why and what to do. False while
    // the link is up.
    bool RefuseOverLostLink() const;
    // A connect first ends a session whose link was lost (its logger hears no farewell).
    void EndSessionWithLostLink();
    // The user-interface thread's wait for the session: events are taken meanwhile, but no command runs
    // and no second end of a session begins inside it.
    bool WaitForSession(const std::function<bool()>& done, std::chrono::milliseconds timeout);

    // Tells the main frame to stop its connection status window (before a session ends or waits).
    void StopStatusWindow();
    // The modem side's own steps (kivo_app_modem.cpp).
    bool StartAnswering();
    // After a session ended with `reason`: the user's end stops answer mode; a caller that hung up
    // leaves an answer-mode session waiting for the next call.
    void ContinueAnswerModeAfter(int reason);
    void OnModemCallConnected();
    void OnModemLineError(bool lineInUse);

    // Set while no link has been opened since the last session ended.
    bool link_idle_ = true;
    // OnIdle last saw a wait cursor or a running session command.
    bool idle_shows_busy_ = false;
    std::vector<std::string> modem_lines_;
    bool download_requested_ = false;
    // The last download read only the new data (the file's save step then proposes no name).
    bool new_data_only_ = false;
    bool program_after_download_ = false;
    QPointer<platform::View> remembered_setup_view_;
    // The setup waiting for the download is that view's (else a file's).
    bool program_from_view_ = false;
    // The workers of the file commands; each waits for its thread when it goes.
    std::vector<std::unique_ptr<CCsvConversionThread>> conversions_;
    std::vector<std::unique_ptr<CTextExportThread>> exports_;
    // Set while WaitForSession runs.
    bool in_session_wait_ = false;
    // False when the settings are not to be written at exit.
    bool save_at_exit_ = true;
    // Wait cursors shown and not yet taken back (user-interface thread).
    int wait_cursors_ = 0;
    std::atomic<bool> wait_cursor_{false};
    std::atomic<bool> wait_cursor_suppressed_{false};
    std::atomic<bool> new_protocol_{false};
    std::atomic<bool> close_allowed_{true};
    std::atomic<bool> setup_read_{false};

    // ---- The update check (kivo_app_version.cpp).
public:
    // The check of the program, the logger's firmware and its Wi-Fi module for the user-interface
    // thread (start-up, command 32958), run on a thread of its own: the logger is read through its
    // session. Left out while the previous one still runs. A session runs its own check once a logger
    // connected.
    void CheckVersions(bool forceCheck, bool showMessages, bool checkApp);
    CVersionCheck& VersionCheck() { return version_check_; }
    // Set after a firmware update: the next check runs forced and without the program.
    void SetCheckVersionAgain(bool on) { check_version_again_.store(on); }
    bool IsCheckVersionAgain() const { return check_version_again_.load(); }
    // The next check looks at the Wi-Fi module too.
    void SetCheckWiFly(bool on) { check_wifly_.store(on); }
    bool IsCheckWiFly() const { return check_wifly_.load(); }
    // The Wi-Fi module firmware version the last check offered (user-interface thread only).
    const std::string& OfferedModuleVersion() const { return offered_module_version_; }
    void SetOfferedModuleVersion(std::string version) { offered_module_version_ = std::move(version); }

private:
    // The settings' schedule and texts for the check, its dialogs, and the sessions' check after a connect.
    void SetUpVersionCheck();
    // Command 32958: forced, with its messages unless it follows a module update; Shift adds the module.
    void CheckForUpdates();
    // Command 2401, "Check for Updates at Start-up": the check's own switch, which the start-up check and
    // the session's check after a connect read, and which the exit saves as "UpdateEnabled".
    bool IsStartUpCheckOn() const;
    void ToggleStartUpCheck();
    // Command 32970: the THD calculator, modal.
    void OnTHDCalculator();
    // On the session thread, right after `session` connected a logger.
    void CheckVersionsAfterConnect(CSessionEL& session);
    // Ends the check that CheckVersions runs, its questions unasked; before the sessions and the settings
    // it uses go.
    void StopVersionCheck();

    // Command 32923: the remembered logger list when its file is still there, else the one the user
    // chooses.
    void OpenLoggerList();

    CVersionCheck version_check_;
    std::atomic<bool> check_version_again_{false};
    std::atomic<bool> check_wifly_{false};
    std::string offered_module_version_;
    // After the members it uses: it goes first.
    std::unique_ptr<CVersionCheckThread> version_check_thread_;
    std::unique_ptr<CKivoListHost> list_host_;
};

// The running kivo32 application object; nullptr while none exists.
CKivoApp* GetKivoApp();
