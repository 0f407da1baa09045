// The application's commands: logger commands posted to the session thread (connecting first when no
// session runs), the link commands, Exit, the local commands and those on the active data grid, with
// their update-UI state and the idle processing. Programming and the download: kivo_app_program.cpp.
#include <QApplication>
#include <QProcess>
#include <QStatusBar>
#include <array>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/app/energy_summary_window.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/logger_menu.h"
#include "kivo32/app/main_frame.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/app/status_wnd.h"
#include "kivo32/dialogs/about_dlg.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/loadprofile/load_profile_commands.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/loadprofile/load_profile_templates.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/harmonics/thd_calculator.h"
#include "kivo32/views/data_graph_commands.h"
#include "kivo32/views/data_grid_commands.h"
#include "kivo32/views/graph_options.h"
#include "kivo32/views/graphing_keys_help_dlg.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/raw_data_view.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/windows1252.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/datafile/raw_data.h"
#include "shared/link/link_ids.h"

namespace {

constexpr const char* kTeldrinProgram = "teldrin";
constexpr const char* kDorvaneProgram = "dorvane";

CRawDataView* ActiveDataGrid() {
    return dynamic_cast<CRawDataView*>(platform::GetActiveView());
}

// The kind (1-5) of an analysis command of the main menu or of the grid's context menu; 0 for others.
int AnalysisKind(unsigned id) {
    constexpr std::array<std::array<unsigned, 2>, 5> kCommands{
        {{ID_GRID_STATISTICS_1, ID_ANALYSIS_VALUES_1},
         {ID_GRID_STATISTICS_2, ID_ANALYSIS_VALUES_2},
         {ID_GRID_STATISTICS_3, ID_ANALYSIS_VALUES_3},
         {ID_GRID_STATISTICS_4, ID_ANALYSIS_VALUES_4},
         {ID_GRID_STATISTICS_5, ID_ANALYSIS_VALUES_5}}};
    for (std::size_t kind = 0; kind < kCommands.size(); ++kind) {
        if (id == kCommands[kind][0] || id == kCommands[kind][1]) {
            return static_cast<int>(kind) + 1;
        }
    }
    return 0;
}

}  // namespace

CommandRuleState CKivoApp::GetCommandRuleState() const {
    CommandRuleState state;
    state.disconnecting = IsSet(Flag::Disconnecting);
    state.linkIdle = link_idle_;
    state.closeAllowed = IsCloseAllowed();
    state.traceOn = IsTraceOn();
    state.modemLineAvailable = !modem_lines_.empty();
    if (sessions_ != nullptr) {
        state.stopping = sessions_->IsStopping();
        state.answerMode = sessions_->IsAnsweringMode();
        if (const CSessionEL* session = sessions_->GetActiveSession()) {
            state.session = true;
            state.ready = session->IsCommandDone();
            state.busy = session->IsBusy();
            state.connected = session->IsConnected();
            state.linkLost = session->GetLinkLostError() != 0;
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
        if (state.id == ID_ANSWER_MODE) {
            state.SetText(AnswerModeLabel(rule->checked));
        }
        return true;
    }
    switch (state.id) {
        case ID_OPEN_DATA_FILE:
        case ID_CONVERT_CSV:
        case ID_EXPORT_DATA_FILE:
        case ID_CLOSE_ALL:
        case ID_GRAPH_OPTIONS:
        case ID_GRAPHING_KEYS_HELP:
        case ID_TRACE_OPEN_FILE:
        case ID_HELP_FILE:
        case ID_HELP_INDEX:
        case ID_APP_ABOUT:
        case ID_RESET_STATUS:
        case ID_CHECK_FOR_UPDATES:
        case ID_THD_CALCULATOR:
            return true;
        case ID_NEW_SETUP_TABLE:
            state.Enable(GetTemplate(kSetupTableTemplateId) != nullptr);
            return true;
        case ID_VERSION_CHECK_OPTION:
            state.SetCheck(IsStartUpCheckOn());
            return true;
        // The grid's context menu graphs its selection as the main menu does.
        case ID_GRID_GRAPH_COLUMN:
        case ID_GRAPH_SELECTED_DATA:
            state.Enable(ActiveDataGrid() != nullptr && GetTemplate(kRawDataGraphTemplateId) != nullptr);
            return true;
        case ID_GRID_LOAD_PROFILE_TABLE:
        case ID_LOAD_PROFILE_SELECTED:
            state.Enable(ActiveDataGrid() != nullptr && GetTemplate(kLoadProfileTemplateId) != nullptr);
            return true;
        case ID_GRID_LOAD_PROFILE_GRAPH:
        case ID_LOAD_PROFILE_GRAPH_SELECTED:
            state.Enable(ActiveDataGrid() != nullptr && GetTemplate(kLoadProfileGraphTemplateId) != nullptr);
            return true;
        case ID_GRID_DATA_ERRORS:
        case ID_GRID_FILE_SUMMARY:
        case ID_FILE_ENERGY_SUMMARY:
        case ID_GRID_EXTRACT_BY_DATE:
        case ID_GRID_EXTRACT_BY_RECORD:
            state.Enable(ActiveDataGrid() != nullptr);
            return true;
        default:
            if (AnalysisKind(state.id) != 0) {
                state.Enable(ActiveDataGrid() != nullptr);
                return true;
            }
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
    if (IsLoggerCommand(id) && RefuseOverLostLink()) {
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
            EndSessionWithLostLink();
            ConnectDirect(registry_.directPort, registry_.directBaud);
            break;
        case ID_CONNECT_NETWORK:
            EndSessionWithLostLink();
            ConnectNetwork({}, {});
            break;
        case ID_CONNECT_MODEM:
            EndSessionWithLostLink();
            ConnectModem({}, 0);
            break;
        case ID_ANSWER_MODE:
            ToggleAnswerMode();
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
        case ID_TERMINAL_MODE:
            terminal_->Open(GetMainWindow());
            break;
        case ID_LOGGER_FIRMWARE_UPDATE:
            OpenFirmwareUpdate();
            break;
        case ID_LOGGER_DOWNLOAD_AGAIN:
            if (platform::MessageTarget* main = GetAppMainWnd()) {
                main->PostMessage(platform::Message(WM_COMMAND, ID_LOGGER_DOWNLOAD));
            }
            break;
        case ID_LOGGER_PROGRAM:
        case ID_SUT_PROGRAM_LOGGER:
        case ID_SUT_PROGRAM_LOGGER_FOOT:
            ProgramLogger();
            break;
        case ID_START_TELDRIN:
            StartProgram(
                std::filesystem::path(platform::PathFromQString(QApplication::applicationDirPath())) /
                    kTeldrinProgram,
                IDP_TELDRIN_NOT_STARTED);
            break;
        case ID_START_DORVANE:
            StartProgram(kDorvaneProgram, IDP_DORVANE_NOT_STARTED);
            break;
        case ID_OPEN_DATA_FILE:
            OpenDataFile();
            break;
        case ID_OPEN_LOGGER_LIST:
            OpenLoggerList();
            break;
        case ID_CONVERT_CSV:
            ConvertCsvFile();
            break;
        case ID_EXPORT_DATA_FILE:
            ExportDataFileAsText();
            break;
        case ID_PC_SETUP:
            ShowPCSetup();
            break;
        case ID_NEW_SETUP_TABLE:
            if (platform::DocTemplate* setupTemplate = GetTemplate(kSetupTableTemplateId)) {
                setupTemplate->OpenDocumentFile({});
            }
            break;
        case ID_CLOSE_ALL:
            CloseAll();
            break;
        case ID_GRAPH_OPTIONS:
            if (RunGraphOptions(GraphAttributes(), app_info_.peGraphicsExportType,
                                app_info_.peGraphicsExportSize, GetMainWindow())) {
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
                    OpenWrittenFile(path, IDS_TRACE_FILE_WRITTEN_TO);
                    return true;
                })) {
                ShowMessageBoxId(IDS_NO_TRACE_FILE_YET, MB_OK | MB_ICONINFORMATION, true);
            }
            break;
        case ID_HELP_FILE:
        case ID_HELP_INDEX:
            OpenHelpFile();
            break;
        case ID_APP_ABOUT:
            CAboutDlg::ShowAbout(GetMainWindow(),
                                 (QApplication::keyboardModifiers() & Qt::ShiftModifier) != 0);
            break;
        case ID_CHECK_FOR_UPDATES:
            CheckForUpdates();
            break;
        case ID_VERSION_CHECK_OPTION:
            ToggleStartUpCheck();
            break;
        case ID_THD_CALCULATOR:
            OnTHDCalculator();
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

void CKivoApp::OpenDataFile() {
    platform::DocTemplate* dataTemplate = GetTemplate(kRawDataTemplateId);
    if (dataTemplate == nullptr) {
        return;
    }
    if (const std::optional<std::filesystem::path> path = platform::DocManager::PromptFileName(
            {}, IDS_FILE_OPEN_TITLE, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, true, {dataTemplate},
            dataTemplate->InitialFolder())) {
        platform::DocManager::OpenDocumentWith(*dataTemplate, *path);
    }
}

void CKivoApp::OpenLoggerList() {
    platform::DocTemplate* listTemplate = GetTemplate(kLoggerListTemplateId);
    if (listTemplate == nullptr || GetCommandRuleState().session) {
        return;
    }
    std::filesystem::path path = platform::PathFromWindows1252(app_info_.previousLoggerListName);
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        const std::optional<std::filesystem::path> chosen = platform::DocManager::PromptFileName(
            {}, IDS_FILE_OPEN_TITLE, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, true, {listTemplate},
            listTemplate->InitialFolder());
        if (!chosen) {
            return;
        }
        path = *chosen;
        app_info_.previousLoggerListName = platform::PathToWindows1252(path);
    }
    platform::DocManager::OpenDocumentWith(*listTemplate, path);
}

void CKivoApp::CloseAll() {
    // The documents close themselves: a data grid's own Close only minimises it.
    if (!GetDocManager().SaveAndCloseAllDocuments()) {
        return;
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
    if (const int kind = AnalysisKind(id); kind != 0) {
        if (grid != nullptr) {
            ShowAnalysisValues(*grid, kind);
        }
        return true;
    }
    switch (id) {
        case ID_GRID_LOAD_PROFILE_TABLE:
        case ID_LOAD_PROFILE_SELECTED:
            OnLoadProfileSelectedData();
            return true;
        case ID_GRID_LOAD_PROFILE_GRAPH:
        case ID_LOAD_PROFILE_GRAPH_SELECTED:
            OnLoadProfileGraphSelectedData();
            return true;
        case ID_GRID_GRAPH_COLUMN:
        case ID_GRAPH_SELECTED_DATA:
            if (platform::DocTemplate* graphTemplate = GetTemplate(kRawDataGraphTemplateId);
                grid && graphTemplate) {
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
        case ID_FILE_ENERGY_SUMMARY:
            if (grid != nullptr && grid->GetDocument() != nullptr) {
                const CRawData& data = grid->GetDocument()->GetRawData();
                if (data.GetSetupTable() != nullptr && data.GetDataInfo() != nullptr) {
                    while (ShowEnergySummary(*data.GetSetupTable(), *data.GetDataInfo(), false) ==
                           IDC_DISPLAY_REFRESH) {
                    }
                }
            }
            return true;
        default:
            return false;
    }
}

void CKivoApp::OnLoadProfileSelectedData() {
    OpenLoadProfile(GetTemplate(kLoadProfileTemplateId), ActiveDataGrid(), false);
}

void CKivoApp::OnLoadProfileGraphSelectedData() {
    OpenLoadProfile(GetTemplate(kLoadProfileGraphTemplateId), ActiveDataGrid(), true);
}

void CKivoApp::OnIdle() {
    platform::MainFrame* frame = GetMainWindow();
    if (frame == nullptr) {
        return;
    }
    const bool wait = IsWaitCursorShown();
    QStatusBar& bar = *frame->statusBar();
    const CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    const bool sessionBusy = session != nullptr && session->IsBusy();
    // While a session command runs, what it does now (the port and speed a search tries); otherwise the
    // idle text, written only when the bar is empty or a wait or a command ends or starts, so that a
    // text of the user's own doing (a menu item's prompt) stays.
    std::string activity;
    if (const auto* main = dynamic_cast<const CMainFrame*>(frame); main != nullptr && sessionBusy) {
        const CStatusProtocol& status = main->StatusWindow().Protocol();
        if (const std::string line = status.Text(IDC_STATUS_LINE); !line.empty()) {
            for (const unsigned field : {IDC_STATUS_PORT, IDC_STATUS_SPEED}) {
                if (const std::string text = status.Text(field); !text.empty()) {
                    activity += text + "  ";
                }
            }
            activity += line;
        }
    }
    const bool busy = wait || sessionBusy;
    if (!activity.empty()) {
        if (const QString text = platform::ToQString(activity); bar.currentMessage() != text) {
            bar.showMessage(text);
        }
    } else if (bar.currentMessage().isEmpty() || busy != idle_shows_busy_) {
        bar.showMessage(platform::ToQString(LoadText(wait ? IDS_STATUS_WAIT : IDS_STATUS_READY)));
    }
    idle_shows_busy_ = busy;
}

void CKivoApp::OnTHDCalculator() {
    CTHDCalculator calculator(false, GetMainWindow());
    calculator.DoModal();
}
