// The application's commands: logger commands posted to the session thread (connecting first when no
// session runs), programming a setup table, starting a download, the link commands, Exit, the local
// commands and those on the active data grid, with their update-UI state and the idle processing.
#include <QApplication>
#include <QMdiArea>
#include <QProcess>
#include <QStatusBar>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/app/download_name.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/programming_checks.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/views/data_graph_commands.h"
#include "kivo32/views/data_grid_commands.h"
#include "kivo32/views/graph_options.h"
#include "kivo32/views/graphing_keys_help_dlg.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/dialog_request.h"
#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/base/windows1252.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"

namespace {

constexpr unsigned kSetupTemplateId = 15;
constexpr const char* kHelpFileName = "KIVO 15 Help.pdf";
constexpr const char* kTeldrinProgram = "teldrin";
constexpr const char* kDorvaneProgram = "dorvane";

CRawDataView* ActiveDataGrid() {
    return dynamic_cast<CRawDataView*>(platform::GetActiveView());
}

CSetupTableView* ActiveSetupView() {
    return dynamic_cast<CSetupTableView*>(platform::GetActiveView());
}

std::filesystem::path FolderOf(const std::string& windows1252Folder) {
    return std::filesystem::path(platform::Windows1252ToUtf8(windows1252Folder));
}

// The checks' questions go to the program-wide boxes; the logger's clock is read from the session's
// logger, which no command uses meanwhile (a logger command runs only when the session is ready).
class SessionProgrammingDialogue : public ProgrammingDialogue {
public:
    SessionProgrammingDialogue(CSessionEL& session, platform::MessageTarget* mainWindow)
        : session_(session), main_window_(mainWindow) {}

    void Tell(unsigned messageId) override { ShowMessageBoxId(messageId, MB_OK, true); }
    bool Confirm(unsigned messageId) override { return ShowMessageBoxId(messageId, MB_OKCANCEL, true) == IDOK; }
    bool ConfirmText(const std::string& text) override {
        return ShowMessageBox(text, MB_OKCANCEL, true) == IDOK;
    }
    std::optional<std::int64_t> ReadLoggerClock() override {
        if (main_window_ != nullptr) {
            main_window_->PostMessage(
                platform::Message(WM_LINK_STATUS, STATUS_TEXT, platform::MakePayload(LoadText(IDS_READING_CLOCK))));
        }
        std::string text;
        CDataLogger* logger = session_.GetLogger();
        std::optional<std::time_t> clock;
        if (logger != nullptr && logger->ReadClock(text)) {
            const std::array<int, 6>& read = logger->GetClock();
            std::tm local{};
            local.tm_year = (read[0] < 70 ? read[0] + 2000 : read[0] < 100 ? read[0] + 1900 : read[0]) - 1900;
            local.tm_mon = read[1] - 1;
            local.tm_mday = read[2];
            local.tm_hour = read[3];
            local.tm_min = read[4];
            local.tm_sec = read[5];
            clock = platform::FromLocalTime(local);
        }
        if (!clock) {
            if (!GetAppContext().IsSet(CAppContext::Flag::Abort)) {
                ShowMessageBoxId(IDS_READ_CLOCK_FAILED, MB_OK, true);
            }
            return std::nullopt;
        }
        return static_cast<std::int64_t>(*clock);
    }
    void ShowModelMismatch(int loggerTypeCode, int setupModelCode) override {
        CKivoApp::LoggerAndSUTNotCompatibleMsg(loggerTypeCode, setupModelCode);
    }

private:
    CSessionEL& session_;
    platform::MessageTarget* main_window_;
};

}  // namespace

CommandRuleState CKivoApp::GetCommandRuleState() const {
    CommandRuleState state;
    state.disconnecting = IsSet(Flag::Disconnecting);
    state.linkIdle = link_idle_;
    state.closeAllowed = IsCloseAllowed();
    state.traceOn = IsTraceOn();
    if (sessions_ != nullptr) {
        state.stopping = sessions_->IsStopping();
        if (const CSessionEL* session = sessions_->GetActiveSession()) {
            state.session = true;
            state.ready = session->IsCommandDone();
            state.busy = session->IsBusy();
            state.connected = session->IsConnected();
            state.linkKind = session->GetLinkKind();
            state.typeCode = session->GetLoggerType();
            state.firmware = session->GetFirmwareVersion();
        }
    }
    return state;
}

bool CKivoApp::OnUpdateCommand(platform::CommandState& state) {
    if (const std::optional<CommandRule> rule = FindCommandRule(state.id, GetCommandRuleState())) {
        state.Enable(rule->enabled);
        state.SetCheck(rule->checked);
        return true;
    }
    switch (state.id) {
        case ID_OPEN_DATA_FILE:
        case ID_CLOSE_ALL:
        case ID_GRAPH_OPTIONS:
        case ID_GRAPHING_KEYS_HELP:
        case ID_TRACE_OPEN_FILE:
        case ID_HELP_FILE:
        case ID_HELP_INDEX:
        case ID_APP_ABOUT:
        case ID_RESET_STATUS:
            return true;
        case ID_NEW_SETUP_TABLE:
            state.Enable(GetTemplate(kSetupTemplateId) != nullptr);
            return true;
        case ID_GRID_GRAPH_COLUMN:
            state.Enable(ActiveDataGrid() != nullptr && GetTemplate(kRawDataGraphTemplateId) != nullptr);
            return true;
        case ID_GRID_DATA_ERRORS:
        case ID_GRID_FILE_SUMMARY:
        case ID_GRID_EXTRACT_BY_DATE:
        case ID_GRID_EXTRACT_BY_RECORD:
            state.Enable(ActiveDataGrid() != nullptr);
            return true;
        default:
            return Application::OnUpdateCommand(state);
    }
}

bool CKivoApp::OnCommand(unsigned id) {
    // The waits for the session take the user interface's events; a command then would run inside the
    // end of a session.
    if (in_session_wait_) {
        return true;
    }
    // A greyed command does nothing, also when it comes by a shortcut or a posted WM_COMMAND; the
    // disconnect command still stops the running work while a session ends.
    if (const std::optional<CommandRule> rule = FindCommandRule(id, GetCommandRuleState());
        rule && !rule->enabled && id != ID_DISCONNECT) {
        return true;
    }
    if (const SessionCommand* command = FindSessionCommand(id)) {
        RunSessionCommand(*command);
        return true;
    }
    switch (id) {
        case ID_CANCEL_COMMAND:
            CancelCommand();
            break;
        case ID_CONNECT_DIRECT:
            ConnectDirect(registry_.directPort, registry_.directBaud);
            break;
        case ID_CONNECT_NETWORK:
            ConnectNetwork({}, {});
            break;
        case ID_DISCONNECT:
            if (!IsSet(Flag::Disconnecting)) {
                Disconnect(0, false);
            } else {
                Set(Flag::PortLost, true);
                Set(Flag::Abort, true);
            }
            break;
        case ID_APP_EXIT:
            ExitProgram();
            break;
        case ID_LOGGER_DOWNLOAD:
            StartDownload();
            break;
        case ID_LOGGER_DOWNLOAD_AGAIN:
            if (platform::MessageTarget* main = GetAppMainWnd()) {
                main->PostMessage(platform::Message(WM_COMMAND, ID_LOGGER_DOWNLOAD));
            }
            break;
        case ID_LOGGER_PROGRAM:
        case ID_SUT_PROGRAM_LOGGER:
            ProgramLogger();
            break;
        case ID_START_TELDRIN:
            StartProgram(std::filesystem::path(platform::PathFromQString(QApplication::applicationDirPath())) /
                             kTeldrinProgram,
                         IDP_TELDRIN_NOT_STARTED);
            break;
        case ID_START_DORVANE:
            StartProgram(kDorvaneProgram, IDP_DORVANE_NOT_STARTED);
            break;
        case ID_OPEN_DATA_FILE:
            OpenDataFile();
            break;
        case ID_NEW_SETUP_TABLE:
            if (platform::DocTemplate* setupTemplate = GetTemplate(kSetupTemplateId)) {
                setupTemplate->OpenDocumentFile({});
            }
            break;
        case ID_CLOSE_ALL:
            CloseAll();
            break;
        case ID_GRAPH_OPTIONS:
            if (RunGraphOptions(GraphAttributes(), app_info_.peGraphicsExportType, app_info_.peGraphicsExportSize,
                                GetMainWindow())) {
                RebuildDataGraphs(GetDocManager());
            }
            break;
        case ID_GRAPHING_KEYS_HELP: {
            CGraphingKeysHelpDlg help(GetMainWindow());
            help.DoModal();
            break;
        }
        case ID_TRACE_ON_OFF:
            SetTraceOn(!IsTraceOn());
            break;
        case ID_TRACE_OPEN_FILE:
            if (!OpenTraceFile([](const std::filesystem::path& path) {
                    return platform::CurrentDesktopServices().OpenPath(path);
                })) {
                QApplication::beep();
            }
            break;
        case ID_HELP_FILE:
        case ID_HELP_INDEX:
            OpenProgramPdf(platform::PathFromQString(QApplication::applicationDirPath()), kHelpFileName);
            break;
        case ID_APP_ABOUT:
            ShowAboutBox();
            break;
        case ID_RESET_STATUS:
            Set(Flag::Abort, false);
            ShowIdleText(IDS_STATUS_RESET);
            break;
        default:
            return RunGridCommand(id) || Application::OnCommand(id);
    }
    return true;
}

void CKivoApp::RunSessionCommand(const SessionCommand& command) {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        ChooseConnectionKind(command.commandId);
        return;
    }
    if (const unsigned refusal =
            SessionCommandRefusal(command.check, session->GetLoggerType(), session->GetFirmwareVersion());
        refusal != 0) {
        ShowMessageBoxId(refusal, MB_OK, true);
        return;
    }
    // The flag first: the command must not see the abort of the one before.
    Set(Flag::Abort, false);
    session->Post(platform::Message(command.message));
}

void CKivoApp::CancelCommand() {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        return;
    }
    DoWaitCursor(1);
    Set(Flag::Abort, true);
    session->Post(platform::Message(WM_CANCEL_COMMAND));
}

void CKivoApp::ExitProgram() {
    Set(Flag::Closing, true);
    if (!Disconnect(0, false)) {
        Set(Flag::Closing, false);
        return;
    }
    if (platform::MessageTarget* main = GetAppMainWnd()) {
        main->PostMessage(platform::Message(WM_CLOSE));
    }
}

std::unique_ptr<CSetupTable> CKivoApp::SetupToProgram() {
    if (CSetupTableView* view = ActiveSetupView()) {
        CSUTDoc* document = view->GetDocument();
        if (document == nullptr || !document->CheckWiring(true)) {
            return nullptr;
        }
        return std::make_unique<CSetupTable>(document->GetSetupTable());
    }
    platform::DocTemplate* setupTemplate = GetTemplate(kSetupTemplateId);
    platform::FileNameRequest request;
    request.title = LoadText(AFX_IDS_OPENFILE);
    request.filters = {{LoadText(IDS_SETUP_FILE_FILTER) + " (*.sut)", {"*.sut"}},
                       {LoadText(IDS_ALL_FILES_FILTER) + " (*.*)", {"*"}}};
    request.defaultExtension = "sut";
    request.flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    request.initialFolder = setupTemplate != nullptr && !setupTemplate->InitialFolder().empty()
                                ? setupTemplate->InitialFolder()
                                : FolderOf(registry_.setupTableDir);
    const std::optional<std::filesystem::path> path = platform::CurrentUiBroker().PromptFileName(request);
    if (!path) {
        return nullptr;
    }
    if (setupTemplate != nullptr) {
        setupTemplate->SetInitialFolder(path->parent_path());
    }
    CSUTDoc file;
    if (!file.ReadSetupFile(*path)) {
        return nullptr;
    }
    return std::make_unique<CSetupTable>(file.GetSetupTable());
}

void CKivoApp::ProgramLogger() {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        ChooseConnectionKind(ID_SUT_PROGRAM_LOGGER);
        return;
    }
    std::unique_ptr<CSetupTable> setup = SetupToProgram();
    if (setup == nullptr) {
        return;
    }
    const ProgrammedLogger logger{session->GetLoggerType(), session->GetFirmwareVersion(), GetDefaultSUTLineFreq()};
    SessionProgrammingDialogue dialogue(*session, GetAppMainWnd());
    if (!CheckSetupForProgramming(*setup, logger, dialogue)) {
        return;
    }
    if (program_after_download_) {
        // The download asked for before programming has delivered its file.
        program_after_download_ = false;
    } else {
        const int answer = MessageBoxButton(ShowMessageBoxId(IDS_DOWNLOAD_BEFORE_PROGRAM, MB_ICONEXCLAMATION, false,
                                                             IDS_DOWNLOAD_BEFORE_PROGRAM_TITLE, IDS_PROGRAM_NOW_BUTTON,
                                                             IDS_DOWNLOAD_FIRST_BUTTON, IDS_DONT_PROGRAM_BUTTON));
        if (answer == IDC_MSGBOX_BUTTON2) {
            remembered_setup_view_ = ActiveSetupView();
            program_from_view_ = remembered_setup_view_ != nullptr;
            program_after_download_ = true;
            if (platform::MessageTarget* main = GetAppMainWnd()) {
                main->PostMessage(platform::Message(WM_COMMAND, ID_LOGGER_DOWNLOAD));
            }
            return;
        }
        if (answer != IDC_MSGBOX_BUTTON1) {
            return;
        }
    }
    Set(Flag::Abort, false);
    session->Post(platform::Message(WM_SESSION_PROGRAM_LOGGER, 1, platform::MakePayload(std::move(*setup))));
}

void CKivoApp::StartDownload() {
    if (sessions_ == nullptr || sessions_->GetActiveSession() == nullptr) {
        ChooseConnectionKind(ID_LOGGER_DOWNLOAD);
        return;
    }
    download_requested_ = true;
    AskDownloadFile(!new_data_only_);
}

void CKivoApp::AskDownloadFile(bool proposeName) {
    CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    if (session == nullptr) {
        return;
    }
    // The session is ready: no command changes the logger's description meanwhile.
    const std::string description = session->GetLogger() != nullptr ? session->GetLogger()->GetDescription() : "";
    const std::filesystem::path folder = FolderOf(registry_.dataDir);
    platform::DialogRequest request{"CDataFileSaveDlg", {}};
    request.Set("path", (proposeName ? ProposeDownloadName(folder, description) : folder / "").string());
    request.SetInt("title", proposeName ? IDS_DOWNLOAD_TITLE_NEW : IDS_DOWNLOAD_TITLE_AGAIN);
    request.Set("baseName", FileNameBaseOf(description));
    request.SetInt("addToExisting", new_data_only_ ? 1 : 0);
    request.SetInt("alsoCsv", app_info_.createAsciiFileOnDownload ? 1 : 0);
    if (platform::RunDialogRequest(request) != IDOK || request.Get("path").empty()) {
        download_requested_ = false;
        program_after_download_ = false;
        return;
    }
    new_data_only_ = request.GetInt("addToExisting") != 0;
    registry_.partialDownloads = new_data_only_ ? 1 : 0;
    app_info_.createAsciiFileOnDownload = request.GetInt("alsoCsv") != 0;
    const DownloadRequest download{request.Get("path"), app_info_.createAsciiFileOnDownload};
    // Set again: the end of the command that asked for this file may have come while the dialog showed.
    download_requested_ = true;
    Set(Flag::Abort, false);
    session->Post(platform::Message(new_data_only_ ? WM_SESSION_READ_NEW_DATA : WM_SESSION_READ_ALL_DATA, 1,
                                    platform::MakePayload(download)));
}

void CKivoApp::OnDownloadEnded(bool delivered) {
    download_requested_ = false;
    if (!program_after_download_) {
        return;
    }
    // Programming waits only for a download that delivered its file, and for a setup view only while it
    // is open; after any other end it is asked again from the start.
    if (!delivered || (program_from_view_ && remembered_setup_view_ == nullptr)) {
        program_after_download_ = false;
        return;
    }
    if (remembered_setup_view_ != nullptr) {
        if (auto* frame = qobject_cast<platform::ChildFrame*>(remembered_setup_view_->parentWidget())) {
            if (QMdiArea* area = frame->mdiArea()) {
                area->setActiveSubWindow(frame);
            }
        }
    }
    if (platform::MessageTarget* main = GetAppMainWnd()) {
        main->PostMessage(platform::Message(WM_COMMAND, ID_LOGGER_PROGRAM));
    }
}

void CKivoApp::OpenDataFile() {
    platform::DocTemplate* dataTemplate = GetTemplate(kRawDataTemplateId);
    if (dataTemplate == nullptr) {
        return;
    }
    if (const std::optional<std::filesystem::path> path = platform::DocManager::PromptFileName(
            {}, IDS_OPEN_DATA_FILE_TITLE, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, true, {dataTemplate},
            dataTemplate->InitialFolder())) {
        dataTemplate->OpenDocumentFile(*path);
    }
}

void CKivoApp::CloseAll() {
    if (platform::DocTemplate* setupTemplate = GetTemplate(kSetupTemplateId)) {
        for (platform::Document* document : setupTemplate->Documents()) {
            if (!document->SaveModified()) {
                return;
            }
            document->OnCloseDocument();
        }
    }
    platform::MainFrame* frame = GetMainWindow();
    if (frame == nullptr) {
        return;
    }
    // A frame that refuses to close ends the command rather than the loop.
    for (platform::ChildFrame* child = frame->ActiveChild(); child != nullptr; child = frame->ActiveChild()) {
        if (!child->close()) {
            return;
        }
    }
}

void CKivoApp::StartProgram(const std::filesystem::path& program, unsigned failureId) {
    if (!QProcess::startDetached(platform::PathToQString(program), {})) {
        ShowMessageBoxId(failureId, MB_OK | MB_ICONEXCLAMATION, true);
    }
}

bool CKivoApp::RunGridCommand(unsigned id) {
    CRawDataView* grid = ActiveDataGrid();
    switch (id) {
        case ID_GRID_GRAPH_COLUMN:
            if (platform::DocTemplate* graphTemplate = GetTemplate(kRawDataGraphTemplateId); grid && graphTemplate) {
                GraphSelectedData(*graphTemplate, *grid);
            }
            return true;
        case ID_GRID_DATA_ERRORS:
            if (grid != nullptr) {
                grid->ReportDataErrors();
            }
            return true;
        case ID_GRID_FILE_SUMMARY:
            if (grid != nullptr) {
                grid->ReportDataFileSummary();
            }
            return true;
        case ID_GRID_EXTRACT_BY_DATE:
            if (grid != nullptr) {
                ExtractDataByDate(*grid);
            }
            return true;
        case ID_GRID_EXTRACT_BY_RECORD:
            if (grid != nullptr) {
                ExtractDataByRecord(*grid);
            }
            return true;
        default:
            return false;
    }
}

void CKivoApp::OnIdle() {
    platform::MainFrame* frame = GetMainWindow();
    if (frame == nullptr) {
        return;
    }
    const QString text = platform::ToQString(LoadText(IsWaitCursorShown() ? IDS_STATUS_WAIT : IDS_STATUS_READY));
    if (frame->statusBar()->currentMessage() != text) {
        frame->statusBar()->showMessage(text);
    }
}
