// The application's side of its logger sessions: starting one, ending one, the settings they share.
#include "kivo32/session/session_owner.h"

#include <algorithm>

#include "kivo32/session/download_progress_link.h"
#include "kivo32/session/session_el.h"
#include "shared/common/trace_log.h"
#include "shared/link/link_ids.h"
#include "shared/link/serial_port_list.h"

CSessionOwner::CSessionOwner(CAppContext& app, platform::MessageTarget* mainWindow,
                             platform::MessageTarget* application)
    : app_(app), main_window_(mainWindow), application_(application) {}

CSessionOwner::~CSessionOwner() {
    if (session_) {
        Disconnect(0);
    }
}

bool CSessionOwner::ConnectDirect(std::string portName, int baud) {
    CLinkSettings settings = link_settings_;
    settings.linkKind = kLinkDirect;
    settings.portName = std::move(portName);
    settings.directBaud = baud;
    return StartSession(std::move(settings));
}

bool CSessionOwner::ConnectNetwork(std::string address, std::string port) {
    CLinkSettings settings = link_settings_;
    settings.linkKind = kLinkNetwork;
    settings.networkAddress = std::move(address);
    settings.networkPort = std::move(port);
    return StartSession(std::move(settings));
}

bool CSessionOwner::ConnectModem(std::string number, int baud) {
    CLinkSettings settings = link_settings_;
    settings.linkKind = kLinkModem;
    settings.modemNumber = std::move(number);
    settings.modemBaud = baud != 0 ? baud : GetStoredBaud(kLinkModem);
    settings.answering = false;
    return StartSession(std::move(settings));
}

bool CSessionOwner::StartAnswering() {
    CLinkSettings settings = link_settings_;
    settings.linkKind = kLinkModem;
    settings.modemNumber.clear();
    settings.modemBaud = 0;
    settings.answering = true;
    return StartSession(std::move(settings));
}

bool CSessionOwner::StartSession(CLinkSettings settings) {
    if (session_ || IsStopping()) {
        return false;
    }
    link_settings_ = settings;
    answer_session_.store(settings.answering);
    {
        std::lock_guard lock(last_connection_mutex_);
        link_port_name_ = settings.linkKind == kLinkNetwork ? std::string()
                          : settings.linkKind == kLinkModem ? modem_line_name_
                                                            : settings.portName;
    }
    app_.SetLinkKind(settings.linkKind);
    app_.Set(CAppContext::Flag::Abort, false);
    auto session = std::make_unique<CSessionEL>(*this, app_, std::move(settings));
    session->SetStatusWindow(main_window_);
    session->SetApplicationTarget(application_);
    session->SetLinkClock(*clock_);
    if (!session->Start()) {
        return false;
    }
    session_ = std::move(session);
    return true;
}

std::shared_ptr<CDownloadProgressLink> CSessionOwner::OpenDownloadWindow() const {
    if (!download_window_opener_) {
        return nullptr;
    }
    auto link = std::make_shared<CDownloadProgressLink>();
    download_window_opener_(link);
    return link;
}

bool CSessionOwner::WaitWhileEnding(CSessionEL& session, const std::function<bool()>& done,
                                    std::chrono::milliseconds timeout,
                                    const std::function<bool(std::chrono::milliseconds)>& blockingWait) const {
    // Nobody answers a question the session asks while it ends: left open, it would hold the session,
    // and the program's end with it, for as long as the user leaves it.
    const auto doneOnceQuestionEnded = [this, &session, &done] {
        EndOpenQuestion(session);
        return done();
    };
    if (local_wait_) {
        return local_wait_(doneOnceQuestionEnded, timeout);
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!doneOnceQuestionEnded()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left <= std::chrono::milliseconds(0)) {
            return false;
        }
        blockingWait(std::min(left, kQuestionLookInterval));
    }
    return true;
}

void CSessionOwner::EndOpenQuestion(const CSessionEL& session) const {
    if ((session.IsDialogOpen() || session.IsWaitingForAnswer()) && end_dialog_) {
        end_dialog_();
    }
}

bool CSessionOwner::Disconnect(int reason, bool keepLogger) {
    if (!session_) {
        return true;
    }
    CSessionEL& session = *session_;
    app_.Set(CAppContext::Flag::Disconnecting, true);
    EndOpenQuestion(session);
    if (!session.IsCommandDone()) {
        app_.Set(CAppContext::Flag::Abort, true);
        session.Post(platform::Message(WM_CANCEL_COMMAND));
        WaitWhileEnding(
            session, [&session] { return session.IsCommandDone(); }, kCommandDoneWait,
            [&session](std::chrono::milliseconds slice) { return session.WaitForCommandDone(slice); });
    }
    session.Post(platform::Message(WM_END_SESSION_THREAD, static_cast<std::uintptr_t>(reason), nullptr,
                                   keepLogger ? 1 : 0));
    const bool ended =
        WaitWhileEnding(
            session, [&session] { return !session.Running(); }, kJoinWait,
            [&session](std::chrono::milliseconds slice) { return session.Join(slice); }) &&
        session.Join(std::chrono::milliseconds(0));
    if (ended) {
        session_.reset();
    } else {
        // Its thread may still use it: the object stays for the rest of the program.
        Trace("Disconnect(): the session thread did not end; it is kept");
        kept_sessions_.push_back(std::move(session_));
    }
    app_.SetLoggerType(kNoLogger);
    app_.SetLinkKind(kLinkNone);
    called_in_.store(false);
    app_.Set(CAppContext::Flag::Disconnecting, false);
    // The session showed the wait cursor while it stopped the link.
    if (main_window_ != nullptr) {
        main_window_->PostMessage(platform::Message(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1)));
    }
    return ended;
}

bool CSessionOwner::IsStopping() const {
    return std::any_of(kept_sessions_.begin(), kept_sessions_.end(),
                       [](const std::unique_ptr<CSessionEL>& session) { return session->Running(); });
}

int CSessionOwner::GetStoredBaud(int linkKind) const {
    return linkKind == kLinkDirect ? direct_baud_default_.load() : modem_baud_default_.load();
}

void CSessionOwner::SetStoredBaud(int linkKind, int baud) {
    (linkKind == kLinkDirect ? direct_baud_default_ : modem_baud_default_).store(baud);
}

void CSessionOwner::StoreBaud(int linkKind, int baud) {
    SetStoredBaud(linkKind, baud);
    if (profile_writer_) {
        if (linkKind == kLinkDirect) {
            profile_writer_("Direct Connect", "DirectBaud", baud);
        } else {
            profile_writer_("Modem Connect", "ModemBaud", baud);
        }
    }
}

void CSessionOwner::SetLastConnection(CLastConnection connection) {
    std::lock_guard lock(last_connection_mutex_);
    last_connection_ = std::move(connection);
}

std::string CSessionOwner::GetLinkPortName() const {
    std::lock_guard lock(last_connection_mutex_);
    return link_port_name_;
}

void CSessionOwner::SetModemLineName(std::string name) {
    std::lock_guard lock(last_connection_mutex_);
    modem_line_name_ = std::move(name);
}

std::string CSessionOwner::GetModemLineName() const {
    std::lock_guard lock(last_connection_mutex_);
    return modem_line_name_;
}

CLastConnection CSessionOwner::GetLastConnection() const {
    std::lock_guard lock(last_connection_mutex_);
    return last_connection_;
}

std::vector<std::string> CSessionOwner::SerialPortList() const {
    std::vector<std::string> ports;
    int count = 0;
    if (port_source_ != nullptr) {
        GetSerialPortList(ports, count, *port_source_);
    } else {
        GetSerialPortList(ports, count);
    }
    ports.resize(static_cast<std::size_t>(count));
    return ports;
}
