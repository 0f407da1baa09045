// The application's side of a session's life: starting one over a direct or network link, the choice
// of the link for a command that needs a logger, the end-of-session routine, the reconnection after a
// firmware update, and the notice that a setup does not fit the connected logger.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStatusBar>
#include <QTimer>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_dialogs.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/app/command_requests.h"
#include "kivo32/app/command_rules.h"
#include "kivo32/app/kivo_app.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/dialogs/display_text_dlg.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/setupeditor/sut_type_help.h"
#include "kivo32/tools/calibration_window.h"
#include "kivo32/tools/download_windows.h"
#include "kivo32/harmonics/harmonics_windows.h"
#include "kivo32/realtime/rt_windows.h"
#include "kivo32/tools/scalar_windows.h"
#include "kivo32/tools/schedule_windows.h"
#include "kivo32/realtime/set_refresh_count_dlg.h"
#include "kivo32/tools/setting_windows.h"
#include "kivo32/tools/wifi_ids.h"
#include "kivo32/tools/wifi_windows.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/system_error_text.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/settings_profile_store.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/controls/logger_list_messages.h"
#include "shared/datafile/model_names.h"
#include "shared/link/link_ids.h"

namespace {

// How often a wait of the user-interface thread looks at its condition.
constexpr int kWaitPollMs = 10;

}  // namespace

void CKivoApp::SetUpCommands() {
    RegisterCommandDialogs();
    RegisterLoggerListMessages();
    const auto cancelCommand = [this] {
        if (platform::MessageTarget* main = GetAppMainWnd()) {
            main->PostMessage(platform::Message(WM_COMMAND, ID_CANCEL_COMMAND));
        }
    };
    RegisterDownloadWindows(*sessions_, cancelCommand);
    RegisterSettingWindows();
    RegisterScalarWindows(
        {.cancelCommand = cancelCommand, .newProtocol = [this] { return IsNewProtocol(); }});
    RegisterWiFiWindows({.showHelp =
                             [this] {
                                 CDisplayTextDlg help(false, QApplication::activeModalWidget());
                                 if (!help.LoadTextFile(program_folder_ / "WiFi Help.txt")) {
                                     return false;
                                 }
                                 help.SetTitle(LoadText(IDS_WIFI_HELP_TITLE));
                                 help.DoModal();
                                 return true;
                             },
                         .offeredModuleVersion = [this] { return OfferedModuleVersion(); },
                         .stopModuleChecks = [this] { SetCheckWiFly(false); }});
    RegisterScheduleWindows();
    RegisterCalibrationWindow(registry_.calibrationDir);
    RegisterRealTimeWindows(
        registry_,
        {.load =
             [this] {
                 return GraphSettingsFromFile(app_info_.autoRangeEnabled, app_info_.minimumRTGraphYAxisVal,
                                              app_info_.maximumRTGraphYAxisVal,
                                              app_info_.maximumRTGraphXAxisVal);
             },
         .save =
             [this](const RtGraphSettings& settings) {
                 app_info_.autoRangeEnabled = settings.autoScaling ? 1 : 0;
                 if (settings.manualRange) {
                     app_info_.minimumRTGraphYAxisVal = settings.manualRange->first;
                     app_info_.maximumRTGraphYAxisVal = settings.manualRange->second;
                 }
                 app_info_.maximumRTGraphXAxisVal = settings.timeSpan;
                 app_info_.SaveAppIniInfo();
             },
         .exportTexts =
             [this] {
                 return GraphExportTexts{app_info_.peGraphicsExportType, app_info_.peGraphicsExportSize,
                                         app_info_.peGraphicsExportDest, app_info_.peGraphicsExportWidth,
                                         app_info_.peGraphicsExportHeight};
             }});
    RegisterHarmonicsWindow(
        {.settings =
             [this] {
                 return HarmonicsWindowSettings{
                     registry_.perCentOrRMS == 1 ? HarmonicsMode::PercentOfTotal
                                                 : HarmonicsMode::PercentOfFundamental,
                     registry_.rtUpdateThreshold, platform::PathFromWindows1252(registry_.dataDir)};
             },
         .keepMode = [this](HarmonicsMode mode) { registry_.perCentOrRMS = static_cast<int>(mode); },
         .askRefreshCount =
             [this](int count, QWidget* parent) {
                 platform::SettingsProfileStore store;
                 return AskRefreshCount(count, registry_, store, parent);
             }});
    // The idle processing runs whenever the event loop is about to wait, for as long as the main window
    // lives.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     GetMainWindow(), [this] { OnIdle(); });
    sessions_->SetLocalWait([this](const std::function<bool()>& done, std::chrono::milliseconds timeout) {
        return WaitForSession(done, timeout);
    });
    // The dialog a session shows is the modal window of the moment.
    sessions_->SetDialogEnder([] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
}

bool CKivoApp::StartSession(const std::function<bool(CSessionOwner&)>& connect) {
    if (sessions_ == nullptr || sessions_->GetActiveSession() != nullptr) {
        return false;
    }
    if (sessions_->IsStopping()) {
        ShowMessageBoxId(IDP_SESSION_STILL_STOPPING, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    link_idle_ = false;
    if (connect(*sessions_)) {
        return true;
    }
    // The thread could not start: nothing of the link it was to open stays behind.
    SetLinkKind(kLinkNone);
    link_idle_ = true;
    Trace("StartSession(): the session thread could not be started");
    ShowMessageBoxId(IDP_SESSION_NOT_STARTED, MB_OK | MB_ICONEXCLAMATION, true);
    return false;
}

bool CKivoApp::ConnectDirect(const std::string& port, int baud) {
    return StartSession([&](CSessionOwner& owner) { return owner.ConnectDirect(port, baud); });
}

bool CKivoApp::ConnectNetwork(std::string address, std::string port) {
    if (sessions_ == nullptr || sessions_->GetActiveSession() != nullptr) {
        return false;
    }
    if (address.empty() || port.empty()) {
        NetworkAddressRequest request{
            .address = app_info_.networkConnectAddress, .port = app_info_.networkPortNumber, .recent = {}};
        std::copy_if(app_info_.recentNetAddresses.begin(), app_info_.recentNetAddresses.end(),
                     std::back_inserter(request.recent),
                     [](const std::string& entry) { return !entry.empty(); });
        if (platform::RunDialogRequest(request) != IDOK) {
            return false;
        }
        address = request.address;
        port = request.port;
        app_info_.networkConnectAddress = address;
        app_info_.networkPortNumber = port;
        app_info_.AddRecentNetAddress(address, port);
    }
    return StartSession([&](CSessionOwner& owner) { return owner.ConnectNetwork(address, port); });
}

bool CKivoApp::ChooseConnectionKind(unsigned command) {
    // The modem is offered while the older loggers' settings are on, to the commands that may use it.
    ConnectionTypeSelectionRequest request{
        .command = command, .modem = app_info_.showLegacyFeatures != 0 && CommandMayUseModem(command)};
    const int choice = platform::RunDialogRequest(request);
    if (choice != IDC_CONNECT_DIRECT && choice != IDC_CONNECT_MODEM && choice != IDC_CONNECT_NETWORK) {
        return false;
    }
    if (sessions_ == nullptr) {
        return false;
    }
    sessions_->SetPendingCommand(command);
    bool started = false;
    switch (choice) {
        case IDC_CONNECT_DIRECT:
            started = ConnectDirect(registry_.directPort, registry_.directBaud);
            break;
        case IDC_CONNECT_MODEM:
            started = ConnectModem({}, 0);
            break;
        default:
            started = ConnectNetwork({}, {});
            break;
    }
    if (!started) {
        // A command kept for a link that never came would run on the next one.
        sessions_->TakePendingCommand();
    }
    return started;
}

bool CKivoApp::Disconnect(int reason, bool quiet) {
    if (sessions_ == nullptr || sessions_->GetActiveSession() == nullptr) {
        return true;
    }
    // A second end of a session inside the first one's waits would end it twice.
    if (IsSet(Flag::Disconnecting) || in_session_wait_) {
        return false;
    }
    if (IsSet(Flag::PortLost)) {
        quiet = true;
    }
    Set(Flag::Disconnecting, true);
    ShowIdleText(IDS_STATUS_DISCONNECTING);
    DoWaitCursor(1);
    StopStatusWindow();
    // Quiet: the logger is not asked to end its session (its link may be gone).
    if (!sessions_->Disconnect(reason, quiet)) {
        Trace("Disconnect(): the session thread still runs; no new session starts until it ends");
    }
    FinishSessionEnd();
    ContinueAnswerModeAfter(reason);
    DoWaitCursor(-1);
    return true;
}

void CKivoApp::StopStatusWindow() {
    if (platform::MainFrame* frame = GetMainWindow()) {
        platform::Message stop(WM_STATUS_WINDOW_STOP);
        frame->OnMessage(stop);
    }
}

void CKivoApp::FinishSessionEnd() {
    // The session owner has put back the logger type, the link kind and the disconnecting flag.
    Set(Flag::PortLost, false);
    if (!IsSet(Flag::Closing)) {
        ShowIdleText(IDS_STATUS_IDLE);
    }
    link_idle_ = true;
}

int CKivoApp::ActiveLinkLostError() const {
    const CSessionEL* session = sessions_ != nullptr ? sessions_->GetActiveSession() : nullptr;
    return session != nullptr ? session->GetLinkLostError() : 0;
}

bool CKivoApp::RefuseOverLostLink() const {
    const int error = ActiveLinkLostError();
    if (error == 0) {
        return false;
    }
    ShowMessageBox(platform::FormatLoadedText(IDP_COMMAND_NOT_SENT_LINK_LOST, {SystemErrorText(error)}),
                   MB_OK | MB_ICONEXCLAMATION, true);
    return true;
}

void CKivoApp::EndSessionWithLostLink() {
    if (ActiveLinkLostError() != 0) {
        Disconnect(0, true);
    }
}

bool CKivoApp::LoggerReconnect() {
    if (sessions_ == nullptr || sessions_->GetActiveSession() != nullptr) {
        return false;
    }
    const CLastConnection last = sessions_->GetLastConnection();
    sessions_->SetPendingCommand(0);
    bool started = false;
    switch (last.linkKind) {
        case kLinkDirect:
            started = ConnectDirect(registry_.directPort, registry_.directBaud);
            break;
        case kLinkModem:
            started = ConnectModem(last.modemNumber, last.baud);
            break;
        case kLinkNetwork:
            started = ConnectNetwork(last.networkAddress, last.networkPort);
            break;
        default:
            // No link answered yet.
            return false;
    }
    Trace("LoggerReconnect(): connecting again over the last link");
    return started;
}

void CKivoApp::LoggerAndSUTNotCompatibleMsg(int loggerTypeCode, int setupModelCode) {
    const std::string text = platform::FormatLoadedText(
        IDS_MODEL_MISMATCH, {GetLoggerTypeName(loggerTypeCode), GetLoggerTypeName(setupModelCode)});
    const int answer = ShowMessageBox(text, MB_ICONQUESTION, false, {}, LoadText(IDS_MODEL_HELP_BUTTON),
                                      LoadText(IDS_MODEL_MISMATCH_CLOSE_BUTTON));
    if (MessageBoxButton(answer) == IDC_MSGBOX_BUTTON1) {
        CSUTTypeHelp help(GetKivoApp() != nullptr ? GetKivoApp()->GetMainWindow() : nullptr);
        help.DoModal();
    }
    Trace("Leaving LoggerAndSUTNotCompatibleMsg()\n");
}

bool CKivoApp::WaitForSession(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    in_session_wait_ = true;
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || elapsed.hasExpired(timeout.count())) {
            loop.quit();
        }
    });
    poll.start(kWaitPollMs);
    if (!done()) {
        loop.exec();
    }
    in_session_wait_ = false;
    return done();
}

void CKivoApp::ShowIdleText(unsigned id) {
    ShowStatusText(LoadText(id));
}

void CKivoApp::ShowStatusText(const std::string& text) {
    if (platform::MainFrame* frame = GetMainWindow()) {
        frame->statusBar()->showMessage(platform::ToQString(text));
    }
}
