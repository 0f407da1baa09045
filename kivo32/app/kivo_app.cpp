// The application object of kivo32: start-up with its language and texts, the settings, the templates,
// the main window, shut-down.
#include "kivo32/app/kivo_app.h"

#include <iostream>

#include <QApplication>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/child_frame.h"
#include "kivo32/app/close_guard.h"
#include "kivo32/app/csv_conversion_thread.h"
#include "kivo32/app/data_folders.h"
#include "kivo32/app/kivo_list_host.h"
#include "kivo32/app/main_frame.h"
#include "kivo32/app/smart_doc_manager.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/app/sut_child_frame.h"
#include "kivo32/app/text_export_thread.h"
#include "kivo32/app/version_check_thread.h"
#include "kivo32/app/window_placement.h"
#include "kivo32/controls/splash_wnd.h"
#include "kivo32/loadprofile/load_profile_child_frame.h"
#include "kivo32/loadprofile/load_profile_graph_view.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/loadprofile/load_profile_templates.h"
#include "kivo32/loadprofile/load_profile_view.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/views/graph_attributes_lifecycle.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/raw_data_graph_view.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/view_toolbar.h"
#include "platform/base/diagnostic_trace.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/other_instance.h"
#include "platform/ui/program_settings.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/settings_profile_store.h"
#include "platform/ui/shell_helpers.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/common/open_with_desktop_request.h"
#include "shared/common/trace_log.h"
#include "shared/common/user_data_folder.h"
#include "shared/controls/logger_list_doc.h"
#include "shared/controls/logger_list_view.h"
#include "shared/controls/msg_box.h"
#include "shared/link/link_ids.h"
#include "shared/setup/setup_codes.h"

namespace {

constexpr const char* kLanguageKey = "intl/Language";
constexpr const char* kLanguageUnset = "??";
// The speed of the direct link the command line's "/a=" starts.
constexpr int kAutoConnectBaud = 57600;

bool OnUiThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

bool HelpFileIn(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / CKivoApp::HelpFileName(), error);
}

std::vector<std::string> ProgramArguments() {
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        arguments.push_back(argument.toStdString());
    }
    return arguments;
}

}  // namespace

CKivoApp::CKivoApp() : CKivoApp(ProgramArguments()) {}

CKivoApp::CKivoApp(std::vector<std::string> arguments)
    : arguments_(std::move(arguments)), list_host_(std::make_unique<CKivoListHost>(*this)) {
    // The program's settings live under "TARV" in the file of the application name.
    QCoreApplication::setOrganizationName("TARV");
    QCoreApplication::setApplicationName("KIVO");
    // What the layers below the trace log have to say goes to it.
    platform::SetDiagnosticTrace(&Trace);
    SetAppContext(this);
}

CKivoApp::~CKivoApp() {
    // The logger lists go while the host they ask is still there.
    if (platform::DocTemplate* listTemplate = GetTemplate(kLoggerListTemplateId)) {
        listTemplate->CloseAllDocuments();
    }
    // The update check ends before the sessions it reads through, the sessions before the context they
    // read.
    version_check_thread_.reset();
    sessions_.reset();
    SetAppContext(nullptr);
}

CKivoApp* GetKivoApp() {
    return dynamic_cast<CKivoApp*>(platform::Application::Instance());
}

bool CKivoApp::InitInstance() {
    const platform::SettingsProfileStore store;
    registry_.Load(store);
    command_line_ = ParseCommandLine(arguments_, platform::PathFromWindows1252(registry_.dataDir));
    if (command_line_.IsBatchExport()) {
        // An export from the command line: no window, no question, and its result is the exit code. The
        // CSV's labels come in the language chosen before, English when none was.
        ChooseLanguage(false);
        batch_exit_code_ = RunBatchExport(command_line_.exportInput, command_line_.exportOutput, std::cerr);
        return false;
    }

    ChooseLanguage(true);
    // The running instances find each other by their sockets.
    other_instance_ =
        std::make_unique<COtherInstance>(COtherInstance::DefaultFolder("kivo32"), [this] { BringToFront(); });
    if (!other_instance_->Listen()) {
        Trace("Instance socket could not be made: other instances will not find this one\n");
    }
    LoadStdProfileSettings(4);

    close_allowed_.store(true);
    SetSetupRead(false);
    SetWaitCursorSuppressed(false);
    SetLinkKind(kLinkNone);
    UpdateProtocolFlag(kNoLogger);
    Set(Flag::Abort, false);
    Set(Flag::Closing, false);
    Set(Flag::Disconnecting, false);

    auto documents = std::make_unique<CSmartDocManager>([this] { return IsSetupRead(); }, graph_attributes_);
    documents_ = documents.get();
    SetDocManager(std::move(documents));
    std::error_code error;
    program_folder_ = FindProgramFolder(std::filesystem::current_path(error),
                                        platform::PathFromQString(QCoreApplication::applicationDirPath()));
    AddDocTemplates();

    auto mainFrame = std::make_unique<CMainFrame>(&GetDocManager());
    if (!mainFrame->LoadFrame()) {
        return false;
    }
    close_guard_ = std::make_unique<CCloseGuard>(*mainFrame, [this] { return IsCloseAllowed(); });
    CMainFrame* frame = mainFrame.get();
    SetMainWindow(std::move(mainFrame));
    MakeSessions();
    SetUpVersionCheck();
    ListModemLines();
    RegisterDialogRunners();
    SetUpCommands();
    frame->InitialShowWindow(SW_SHOWNORMAL);
    notice_window_ = new CModelessMessageBox(GetMainWindow());

    // The user data folder with its working folders, filled from the installation on a fresh one.
    std::filesystem::path userDataFolder;
    if (!GetUserDataFolder(userDataFolder)) {
        save_at_exit_ = false;  // without a home folder nothing is written at exit
    } else {
        platform::SettingsProfileStore settings;
        const DataFolderSetUp setUp =
            SetUpDataFolders(settings, registry_, {userDataFolder, InstalledFilesFolder()});
        save_at_exit_ = setUp.saveAtExit;
        if (setUp.exitProgram) {
            GetAppMainWnd()->PostMessage(platform::Message(WM_COMMAND, ID_APP_EXIT));
        }
    }
    app_info_.LoadAppIniInfo();
    Sessions().SetClockQuestionOff((app_info_.hiddenDialogFlags & CAppIniInfo::kHideClockQuestion) != 0);
    LoadGraphAttributesAtStart(graph_attributes_);
    SetLoggerType(kNoLogger);
    Set(Flag::PortLost, false);

    // The documents named on the command line (a file manager's "Open with") open as File Open opens them.
    for (const std::filesystem::path& document : command_line_.documents) {
        GetDocManager().OpenDocumentFile(document);
    }
    if (!command_line_.autoConnectPort.empty()) {
        ConnectDirect(command_line_.autoConnectPort, kAutoConnectBaud);
    }
    // The splash shows once the event loop runs: showing a window hands on the events posted so far,
    // which are for a program that has started.
    QTimer::singleShot(0, GetMainWindow(), [frame = GetMainWindow()] {
        if (frame->isVisible()) {
            CSplashWnd::ShowSplashScreen(CSplashWnd::kStartUp, frame);
        }
    });
    QTimer::singleShot(0, GetMainWindow(), [this] { CheckVersions(false, false, true); });
    return true;
}

int CKivoApp::ExitInstance() {
    if (batch_exit_code_) {
        // A batch export read its settings and writes none.
        return *batch_exit_code_;
    }
    // The update check ends while the session it reads the logger through still runs; the sessions end
    // while the windows they post to still exist.
    StopVersionCheck();
    if (sessions_ != nullptr) {
        sessions_->Disconnect(0);
    }
    if (!ActivateOtherInstance()) {
        // The instance that stays keeps the settings: this one writes none, not even its recent files.
        return exit_code_;
    }
    SaveSettings();
    return platform::Application::ExitInstance();
}

void CKivoApp::SaveSettings() {
    if (sessions_ != nullptr) {
        // A session that kept a new link speed stored it already; the saved values must not undo it.
        registry_.directBaud = sessions_->GetStoredBaud(kLinkDirect);
        registry_.modemBaud = sessions_->GetStoredBaud(kLinkModem);
        if (sessions_->IsClockQuestionOff()) {
            app_info_.hiddenDialogFlags |= CAppIniInfo::kHideClockQuestion;
        } else {
            app_info_.hiddenDialogFlags &= ~CAppIniInfo::kHideClockQuestion;
        }
    }
    registry_.TakeFromVersionCheck(version_check_);
    platform::SettingsProfileStore store;
    registry_.Save(store);
    if (save_at_exit_) {
        app_info_.SaveAppIniInfo();
        SaveGraphAttributesAtExit(graph_attributes_);
    }
}

std::string CKivoApp::HelpFileName() {
    return LoadText(IDS_HELP_FILE_NAME);
}

std::filesystem::path CKivoApp::FindProgramFolder(const std::filesystem::path& currentFolder,
                                                  const std::filesystem::path& programFileFolder) {
    if (HelpFileIn(currentFolder)) {
        return currentFolder;
    }
    if (HelpFileIn(programFileFolder)) {
        return programFileFolder;
    }
    return (programFileFolder / ".." / "share" / "kivo").lexically_normal();
}

void CKivoApp::AddDocTemplates() {
    const std::filesystem::path dataFolder = platform::PathFromWindows1252(registry_.dataDir);
    GetDocManager().AddDocTemplate(std::make_unique<CSmartMDITemplate>(
        kRawDataTemplateId, [] { return std::make_unique<CRawDataDoc>(); }, [] { return new CChildFrame; },
        [] { return new CRawDataView; }, dataFolder));
    GetDocManager().AddDocTemplate(std::make_unique<CSmartMDITemplate>(
        kRawDataGraphTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
        [] { return new CChildFrame; }, [this] { return new CRawDataGraphView(graph_attributes_); },
        dataFolder));
    GetDocManager().AddDocTemplate(std::make_unique<CSmartMDITemplate>(
        kLoggerListTemplateId, [this] { return std::make_unique<CLoggerListDoc>(*list_host_); },
        [] { return new platform::ChildFrame; }, [] { return new CLoggerListView; },
        platform::PathFromWindows1252(registry_.loggerListDir)));
    GetDocManager().AddDocTemplate(std::make_unique<CSmartMDITemplate>(
        kSetupTableTemplateId, [] { return std::make_unique<CSUTDoc>(); }, [] { return new CSUTChildFrame; },
        [] { return new CSetupTableView; }, platform::PathFromWindows1252(registry_.setupTableDir)));
    GetDocManager().AddDocTemplate(std::make_unique<CSmartMDITemplate>(
        kLoadProfileTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
        [] { return new CLoadProfileChildFrame; }, [] { return new CLoadProfileView; }));
    GetDocManager().AddDocTemplate(std::make_unique<CSmartMDITemplate>(
        kLoadProfileGraphTemplateId, [] { return std::make_unique<CRawDataDoc>(); },
        [] { return new CLoadProfileChildFrame; }, [] { return new CLoadProfileGraphView; }));
    // The views show their toolbars through the application that is there when they change.
    SetViewToolBarLoader([](int toolbarId, bool active) {
        if (CKivoApp* app = GetKivoApp()) {
            app->FollowActiveView(toolbarId, active);
        }
    });
    CSetupTableView::SetToolbarLoader(
        [](int toolbarId) { ShowViewToolBar(toolbarId, toolbarId != kMainToolBar); });
    // A setup form reads the connected logger's clock and firmware through the session thread.
    CSetupTableView::SetLoggerClockRequester([this](std::shared_ptr<platform::MessageTarget> target) {
        CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
        if (session == nullptr) {
            return false;
        }
        session->Post(
            platform::Message(WM_SESSION_SETUP_FORM_FACTS, 0, platform::MakePayload(std::move(target))));
        return true;
    });
    CSetupTableView::SetLineFrequencySaver([this](const std::string& frequency) {
        app_info_.defaultSUTLineFreq = frequency;
        app_info_.SaveAppIniInfo();
    });
}

void CKivoApp::FollowActiveView(int toolbarId, bool active) {
    auto* frame = dynamic_cast<CMainFrame*>(GetMainWindow());
    if (frame == nullptr || IsSet(Flag::Closing)) {
        return;
    }
    if (active) {
        frame->LoadToolBar(toolbarId);
    } else if (frame->ActiveChild() == nullptr) {
        frame->LoadToolBar(kMainToolBar);
    }
}

void CKivoApp::SetTemplateFolders() {
    for (const unsigned id : {kRawDataTemplateId, kRawDataGraphTemplateId}) {
        if (platform::DocTemplate* docTemplate = GetTemplate(id)) {
            docTemplate->SetInitialFolder(platform::PathFromWindows1252(registry_.dataDir));
        }
    }
    if (platform::DocTemplate* setupTemplate = GetTemplate(kSetupTableTemplateId)) {
        setupTemplate->SetInitialFolder(platform::PathFromWindows1252(registry_.setupTableDir));
    }
    if (platform::DocTemplate* listTemplate = GetTemplate(kLoggerListTemplateId)) {
        listTemplate->SetInitialFolder(platform::PathFromWindows1252(registry_.loggerListDir));
    }
}

void CKivoApp::MakeSessions() {
    sessions_ = std::make_unique<CSessionOwner>(*this, GetAppMainWnd(), GetAppMainWnd());
    terminal_ = std::make_unique<CTerminalWindow>(*this, *sessions_);
    sessions_->SetProfileWriter([](const std::string& section, const std::string& key, int value) {
        platform::SettingsProfileStore().WriteProfileInt(section, key, value);
    });
    // The settings' speeds are the defaults the sessions start from.
    sessions_->SetStoredBaud(kLinkDirect, registry_.directBaud);
    sessions_->SetStoredBaud(kLinkModem, registry_.modemBaud);
    sessions_->SetModemLineName(registry_.modemLineName);
    sessions_->SetPortSearchAllowed(!command_line_.noPortSearch);
}

void CKivoApp::RegisterDialogRunners() {
    platform::RegisterDialogRunner<TimedNoticeRequest>([](TimedNoticeRequest& request) {
        CMsgBox box(GetKivoApp() != nullptr ? GetKivoApp()->GetMainWindow() : nullptr);
        box.MessageBox(request.text, request.caption, request.milliseconds, MB_OK | MB_ICONINFORMATION);
        return IDOK;
    });
    platform::RegisterDialogRunner<OpenWithDesktopRequest>([](OpenWithDesktopRequest& request) {
        const bool opened = platform::CurrentDesktopServices().OpenPath(request.path);
        return opened ? IDOK : IDCANCEL;
    });
}

platform::MessageTarget* CKivoApp::GetAppMainWnd() const {
    platform::MainFrame* frame = GetMainWindow();
    return frame != nullptr ? frame->Target().get() : nullptr;
}

platform::DocTemplate* CKivoApp::GetTemplate(unsigned id) const {
    return documents_ != nullptr ? documents_->FindTemplate(id) : nullptr;
}

void CKivoApp::OpenHelpFile() const {
    if (GetMainWindow() != nullptr) {
        OpenProgramPdf(program_folder_, HelpFileName());
        return;
    }
    const std::string path = platform::PathToWindows1252(program_folder_ / HelpFileName());
    ShowMessageBox(platform::FormatLoadedText(IDS_HELP_FILE_NOT_OPENED, {path}), MB_OK | MB_ICONEXCLAMATION,
                   true);
}

void CKivoApp::DoWaitCursor(int code) {
    if (!OnUiThread()) {
        // The application object may be gone by the time the user-interface thread takes the call.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [code] {
                if (CKivoApp* application = GetKivoApp()) {
                    application->DoWaitCursor(code);
                }
            },
            Qt::QueuedConnection);
        return;
    }
    if (wait_cursor_suppressed_.load() || code < -1 || code > 1) {
        return;
    }
    if (code == 1) {
        wait_cursor_.store(true);
        ++wait_cursors_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    wait_cursor_.store(false);
    if (code == -1 && wait_cursors_ > 0) {
        --wait_cursors_;
        QApplication::restoreOverrideCursor();
    }
}

void CKivoApp::HoldWaitCursor(bool hold) {
    if (hold) {
        DoWaitCursor(1);
        SetWaitCursorSuppressed(true);
        return;
    }
    // The ends of commands that came during the hold were not counted: no command runs now.
    SetWaitCursorSuppressed(false);
    wait_cursor_.store(false);
    for (; wait_cursors_ > 0; --wait_cursors_) {
        QApplication::restoreOverrideCursor();
    }
}

void CKivoApp::SetLastConnection(CLastConnection connection) {
    if (sessions_ != nullptr) {
        sessions_->SetLastConnection(std::move(connection));
    }
}

void CKivoApp::SetLoggerType(int code) {
    CAppContext::SetLoggerType(code);
    UpdateProtocolFlag(code);
}

bool CKivoApp::UpdateProtocolFlag(int code) {
    bool newProtocol = false;
    if (code != kNoLogger) {
        newProtocol = code >= kModelQuarvenRS && code <= kModelQuarvenKX;
    } else {
        // Only the user-interface thread changes the running session; the session thread, which also
        // drops its logger this way, has no logger left to ask.
        const CSessionEL* session =
            sessions_ != nullptr && OnUiThread() ? sessions_->GetActiveSession() : nullptr;
        if (session != nullptr && session->GetLoggerType() != kNoLogger) {
            newProtocol = session->GetLoggerType() >= kModelQuarvenRS;
        } else {
            newProtocol = app_info_.showLegacyFeatures == 0;
        }
    }
    new_protocol_.store(newProtocol);
    return newProtocol;
}

void CKivoApp::EnableCloseCommand() {
    close_allowed_.store(true);
}

void CKivoApp::DisableCloseCommand() {
    close_allowed_.store(false);
}

bool CKivoApp::ActivateOtherInstance() {
    return other_instance_ == nullptr || !other_instance_->ActivateOther();
}

void CKivoApp::BringToFront() {
    platform::MainFrame* frame = GetMainWindow();
    if (frame == nullptr) {
        return;
    }
    if (frame->isMinimized()) {
        frame->showNormal();
    }
    frame->raise();
    frame->activateWindow();
}

std::string CKivoApp::GetPortName() const {
    return sessions_ != nullptr ? sessions_->GetLinkPortName() : std::string();
}

std::string CKivoApp::GetModemLineName() const {
    return sessions_ != nullptr ? sessions_->GetModemLineName() : std::string("None");
}

std::string CKivoApp::GetDefaultSUTLineFreq() const {
    return app_info_.defaultSUTLineFreq;
}

CCommandLineValues CKivoApp::GetCommandLineValues() const {
    return command_line_.link;
}

void CKivoApp::CommTrace(std::string_view text) {
    if (terminal_) {
        terminal_->ShowTraffic(TrafficKind::Note, text);
    }
}

void CKivoApp::SendTerminalText(std::string_view bytes) {
    if (terminal_) {
        terminal_->ShowTraffic(TrafficKind::Received, bytes);
    }
}

void CKivoApp::ShowSentBytes(std::string_view bytes) {
    if (terminal_) {
        terminal_->ShowTraffic(TrafficKind::Sent, bytes);
    }
}

void CKivoApp::ChooseLanguage(bool mayAsk) {
    auto settings = platform::OpenProgramSettings();
    QString language = settings->value(kLanguageKey, kLanguageUnset).toString();
    if (language == kLanguageUnset && mayAsk) {
        // A language is chosen by a button, not by Esc or the close box.
        const bool english = platform::CurrentUiBroker().MessageBox(
                                 "Use English?", {}, MB_YESNO | MB_ICONQUESTION | MB_NOESCAPE) == IDYES;
        language = english ? "EN" : "FR";
        settings->setValue(kLanguageKey, language);
    }
    // A library that does not load leaves the English texts, without a message.
    platform::LoadResourceLibrary(language == "FR" ? platform::kFrenchResources
                                                   : platform::kEnglishResources);
}
