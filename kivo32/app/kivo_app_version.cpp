// The application's update check: its callers (start-up, command 32958, the session after a connect),
// what the check reads of the program and the logger, the settings it leaves its findings in, and the
// windows of its dialogs.
#include <QApplication>
#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <memory>

#include "kivo32/app/kivo_app.h"
#include "kivo32/app/version_check_thread.h"
#include "kivo32/controls/splash_wnd.h"
#include "kivo32/dialogs/about_dlg.h"
#include "kivo32/dialogs/get_web_file_dlg.h"
#include "kivo32/dialogs/update_check_dlg.h"
#include "kivo32/session/logger_version_reading.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/update/check_versions.h"
#include "kivo32/update/update_ids.h"
#include "kivo32/update/update_requests.h"
#include "kivo32/update/version_check_host.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/message_target.h"
#include "platform/ui/main_frame.h"

namespace {

// How long the check waits for the session to read the logger.
constexpr std::chrono::milliseconds kLoggerReadWait{30000};
// How long the program's end waits, taking events, for a check to end before it simply waits for it.
constexpr std::chrono::milliseconds kCheckEndWait{30000};

// Runs `change` on the user-interface thread: at once there, else queued (and dropped when the
// application is gone by then).
void OnUserInterfaceThread(std::function<void(CKivoApp&)> change) {
    if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
        if (CKivoApp* application = GetKivoApp()) {
            change(*application);
        }
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [change = std::move(change)] {
            if (CKivoApp* application = GetKivoApp()) {
                change(*application);
            }
        },
        Qt::QueuedConnection);
}

CVersionCheckLogger::Identity IdentityOf(const CLoggerVersionReading& reading) {
    return {reading.typeCode, reading.firmwareText, reading.linkedThroughWiFi};
}

// The logger read by the check that runs on its session's own thread.
class SessionThreadLogger : public CVersionCheckLogger {
public:
    explicit SessionThreadLogger(CSessionEL& session) : session_(session) {}

    Identity ReadIdentity() override {
        CLoggerVersionReading reading;
        session_.ReadForVersionCheck(reading);
        return IdentityOf(reading);
    }
    std::optional<std::string> ReadModuleFirmware() override {
        CLoggerVersionReading reading;
        reading.readModule = true;
        session_.ReadForVersionCheck(reading);
        return reading.moduleFirmware;
    }

private:
    CSessionEL& session_;
};

// The session that runs when the check's thread asks for it, found on the user-interface thread, where
// sessions start and end: one may end while the check runs.
CSessionEL* ActiveSession(CKivoApp& app) {
    return app.HasSessions() ? app.Sessions().GetActiveSession() : nullptr;
}

// The logger read by its session for a check on the application's check thread, which waits meanwhile.
class PostedLogger : public CVersionCheckLogger {
public:
    Identity ReadIdentity() override {
        const std::shared_ptr<CLoggerVersionReading> reading = Read(false);
        return reading != nullptr ? IdentityOf(*reading) : Identity{};
    }
    std::optional<std::string> ReadModuleFirmware() override {
        const std::shared_ptr<CLoggerVersionReading> reading = Read(true);
        return reading != nullptr ? reading->moduleFirmware : std::nullopt;
    }

private:
    // Null when the session did not answer in time (it may still fill the reading, which it shares).
    // Without a session by then the reading is final as it is: no logger.
    static std::shared_ptr<CLoggerVersionReading> Read(bool module) {
        auto reading = std::make_shared<CLoggerVersionReading>();
        reading->readModule = module;
        OnUserInterfaceThread([reading](CKivoApp& app) {
            if (CSessionEL* session = ActiveSession(app)) {
                session->Post(platform::Message(WM_SESSION_READ_VERSIONS, 0, platform::MakePayload(reading)));
            } else {
                reading->MarkDone();
            }
        });
        return reading->WaitDone(kLoggerReadWait) ? reading : nullptr;
    }
};

// Thread messages for the session: the session's own, for the check it runs itself.
class SessionTarget : public platform::MessageTarget {
public:
    explicit SessionTarget(CSessionEL& session) : session_(session) {}
    bool PostMessage(platform::Message message) override {
        session_.Post(std::move(message));
        return true;
    }

private:
    CSessionEL& session_;
};

// Thread messages for the session from the check's thread: they reach the session that runs by then.
class ActiveSessionTarget : public platform::MessageTarget {
public:
    bool PostMessage(platform::Message message) override {
        // A queued call must be copyable and a message is not: the call shares it.
        auto posted = std::make_shared<platform::Message>(std::move(message));
        OnUserInterfaceThread([posted](CKivoApp& app) {
            if (CSessionEL* session = ActiveSession(app)) {
                session->Post(std::move(*posted));
            }
        });
        return true;
    }
};

// The program around the check; the settings change on the user-interface thread only.
class AppVersionCheckHost : public CVersionCheckHost {
public:
    // `session` and `logger` may be nullptr (no logger connected).
    AppVersionCheckHost(CKivoApp& app, platform::MessageTarget* session, CVersionCheckLogger* logger)
        : app_(app), logger_(logger), session_(session) {}

    std::string ThisVersion() const override {
        const std::string given = app_.GetCommandLine().programVersion.value_or("");
        return given.empty() ? CAboutDlg::kVersion : given;
    }
    std::string FirmwareOverride() const override {
        return app_.GetCommandLine().loggerFirmwareVersion.value_or("");
    }
    std::string ModuleOverride() const override {
        return app_.GetCommandLine().wifiFirmwareVersion.value_or("");
    }
    CVersionCheckLogger* Logger() override { return logger_; }
    bool TakeCheckVersionAgain() override {
        const bool again = app_.IsCheckVersionAgain();
        app_.SetCheckVersionAgain(false);
        return again;
    }
    bool IsCheckWiFly() const override { return app_.IsCheckWiFly(); }
    void SetCheckWiFly(bool on) override { app_.SetCheckWiFly(on); }
    // Of the findings the settings keep only the logger's latest version.
    void SetLatestLogger(const std::string&, const std::string& version) override {
        OnUserInterfaceThread(
            [version](CKivoApp& app) { app.Registry().updateLatestLoggerVersion = version; });
    }
    void SetLatestModule(const std::string&, const std::string& version) override {
        OnUserInterfaceThread([version](CKivoApp& app) { app.SetOfferedModuleVersion(version); });
    }
    void SetFirmwareFile(const std::string& path) override {
        OnUserInterfaceThread([path](CKivoApp& app) { app.Registry().firmwareFile = path; });
    }
    void HideSplash() override {
        OnUserInterfaceThread([](CKivoApp&) { CSplashWnd::HideSplashScreen(); });
    }
    void RequestModuleUpdate() override {
        app_.Sessions().SetModuleUpdateRequest(true);
        app_.Set(CAppContext::Flag::Abort, false);
    }
    platform::MessageTarget* MainWindow() override { return app_.GetAppMainWnd(); }
    platform::MessageTarget* Session() override { return session_; }

private:
    CKivoApp& app_;
    CVersionCheckLogger* logger_;
    platform::MessageTarget* session_;
};

}  // namespace

void CKivoApp::SetUpVersionCheck() {
    registry_.HandToVersionCheck(version_check_);
    version_check_.SetWaitCursor([this](int code) { DoWaitCursor(code); });
    Sessions().SetConnectedHook([this](CSessionEL& session) { CheckVersionsAfterConnect(session); });
    // The table of runners outlives this object: each runner finds the application when it runs.
    platform::RegisterDialogRunner<UpdateCheckRequest>([](UpdateCheckRequest& request) {
        CKivoApp* app = GetKivoApp();
        CUpdateCheckDlg dialog(request, app != nullptr ? app->GetMainWindow() : nullptr);
        return dialog.DoModal();
    });
    platform::RegisterDialogRunner<GetWebFileRequest>([](GetWebFileRequest& request) {
        CKivoApp* app = GetKivoApp();
        if (app == nullptr) {
            return IDCANCEL;
        }
        CGetWebFileDlg dialog(app->Registry(), request.path, request.address, request.size, request.fileType,
                              app->GetMainWindow());
        const int result = dialog.DoModal();
        if (result == IDOK) {
            request.path = dialog.GetLocalPath();
        }
        return result;
    });
}

void CKivoApp::CheckVersions(bool forceCheck, bool showMessages, bool checkApp) {
    if (version_check_thread_ != nullptr && !version_check_thread_->Finished()) {
        VCTrace("VC: CheckVersions(): the previous check still runs; this one is left out");
        return;
    }
    const CSessionEL* session = ActiveSession(*this);
    const bool withLogger = session != nullptr && session->GetLoggerType() != kNoLogger;
    version_check_thread_.reset();
    version_check_thread_ =
        std::make_unique<CVersionCheckThread>([this, withLogger, forceCheck, showMessages, checkApp] {
            PostedLogger logger;
            ActiveSessionTarget sessionTarget;
            AppVersionCheckHost host(*this, withLogger ? &sessionTarget : nullptr,
                                     withLogger ? &logger : nullptr);
            ::CheckVersions(version_check_, host, forceCheck, showMessages, checkApp);
        });
}

void CKivoApp::StopVersionCheck() {
    if (version_check_thread_ == nullptr) {
        return;
    }
    // Its questions go unasked; what it leaves for the user-interface thread (settings, the session's
    // reading) is taken while it ends.
    version_check_thread_->RequestStop();
    WaitForSession([this] { return version_check_thread_->Finished(); }, kCheckEndWait);
    version_check_thread_.reset();
}

void CKivoApp::CheckVersionsAfterConnect(CSessionEL& session) {
    SessionThreadLogger logger(session);
    SessionTarget sessionTarget(session);
    AppVersionCheckHost host(*this, &sessionTarget, &logger);
    ::CheckVersions(version_check_, host, false, false, false);
}

bool CKivoApp::IsStartUpCheckOn() const {
    return version_check_.GetSchedule().enabled;
}

void CKivoApp::ToggleStartUpCheck() {
    CVersionCheck::Schedule schedule = version_check_.GetSchedule();
    schedule.enabled = !schedule.enabled;
    version_check_.SetSchedule(std::move(schedule));
}

void CKivoApp::CheckForUpdates() {
    // After a module update the check runs quietly and keeps the flags that update set.
    const bool afterModuleUpdate = Sessions().IsRepeatVersionCheck();
    if (afterModuleUpdate) {
        Sessions().SetRepeatVersionCheck(false);
    } else {
        SetCheckWiFly(false);
        SetCheckVersionAgain(false);
    }
    if ((QApplication::keyboardModifiers() & Qt::ShiftModifier) != 0) {
        SetCheckWiFly(true);
    }
    CheckVersions(true, !afterModuleUpdate, true);
}
