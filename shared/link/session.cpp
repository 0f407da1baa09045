// The session thread's command protocol, its link and model decision, its status notices and its
// three base messages.
#include "shared/link/session.h"

#include <utility>

#include "platform/base/program_texts.h"
#include "shared/common/message_box.h"
#include "shared/link/connection_direct.h"
#include "shared/link/connection_network.h"
#include "shared/link/link_ids.h"
#include "shared/link/model_decision.h"

CSession::CSession(CAppContext& app, unsigned cancelTextId) : app_(app), cancel_text_id_(cancelTextId) {}

CSession::~CSession() {
    // The connection's reader may still call back into the session until the link is closed.
    StopAndJoin();
    if (connection_) {
        connection_->CloseLink();
    }
}

platform::WaitResult CSession::WaitForLink(const std::function<bool()>& done,
                                           std::chrono::milliseconds timeout) {
    return WaitWhilePumping(done, timeout,
                            [this](platform::Message& message) { return TakeWhileAsking(message); });
}

bool CSession::TakeWhileAsking(platform::Message& message) {
    if (message.id != WM_CANCEL_COMMAND) {
        return false;
    }
    OnCancelCommand();
    return true;
}

std::string CSession::GetModelName() const {
    std::lock_guard lock(names_mutex_);
    return model_name_;
}

void CSession::SetModelName(std::string name) {
    std::lock_guard lock(names_mutex_);
    model_name_ = std::move(name);
}

std::string CSession::GetDisplayedModelName() const {
    std::lock_guard lock(names_mutex_);
    return displayed_model_name_;
}

void CSession::SetDisplayedModelName(std::string name) {
    std::lock_guard lock(names_mutex_);
    displayed_model_name_ = std::move(name);
}

void CSession::BeginCommand() {
    {
        std::lock_guard lock(done_mutex_);
        command_done_.store(false);
    }
    app_.Set(CAppContext::Flag::Abort, false);
    busy_.store(true);
    in_progress_.store(true);
}

int CSession::EndCommand() {
    PostStatus(STATUS_COMMAND_DONE, std::intptr_t{0});
    busy_.store(false);
    {
        std::lock_guard lock(done_mutex_);
        command_done_.store(true);
    }
    done_changed_.notify_all();
    in_progress_.store(false);
    DoWaitCursor(-1);
    return 0;
}

bool CSession::WaitForCommandDone(std::chrono::milliseconds timeout) {
    std::unique_lock lock(done_mutex_);
    return done_changed_.wait_for(lock, timeout, [this] { return command_done_.load(); });
}

void CSession::ReplaceConnection(std::unique_ptr<CConnection> connection) {
    // A logger object talks through the connection: it goes before the connection it uses.
    if (connection_) {
        OnDropLogger();
        connection_->CloseLink();
    }
    connection->SetClock(*clock_);
    connection->SetMainWindow(status_window_.load());
    // The old one goes outside the lock: closing it waits for its reader.
    std::unique_ptr<CConnection> replaced;
    {
        const auto lock = LockLinkObjects();
        replaced = std::exchange(connection_, std::move(connection));
    }
}

int CSession::NewDirectConnection(std::string portName, int baud) {
    ReplaceConnection(
        std::make_unique<CConnectionDirect>(CLinkContext{this, &app_}, std::move(portName), baud));
    return 1;
}

int CSession::NewNetworkConnection(std::string address, std::string port, int baud) {
    ReplaceConnection(std::make_unique<CConnectionNetwork>(CLinkContext{this, &app_}, std::move(address),
                                                           std::move(port), baud));
    return 1;
}

int CSession::DecodeModel() {
    const ModelDecision decision =
        DecideModel(connection_ ? connection_->GetFirmwareVersion() : std::string());
    SetLoggerType(decision.typeCode);
    SetModelName(decision.modelName);
    if (!decision.decoded) {
        if (!IsAborted()) {
            ShowMessageBoxId(IDS_MODEL_NOT_UNDERSTOOD, MB_OK, true);
        }
        return 0;
    }
    SetFirmwareVersion(decision.firmwareVersion);
    // Shown once the session start has settled the model (a Quarven KX first decodes as an RS).
    SetDisplayedModelName(decision.modelName);
    return 1;
}

void CSession::Disconnect(int reason, bool keepLogger) {
    DoWaitCursor(1);
    busy_.store(false);
    {
        std::lock_guard lock(done_mutex_);
        command_done_.store(false);
    }
    if (!keepLogger) {
        SayFarewell(reason);
    }
    if (connection_) {
        connection_->EndWait();
        connection_->HangupCall();
    }
}

int CSession::SendQueuedData() {
    const auto lock = LockLinkObjects();
    return connection_ ? connection_->SendQueuedData() : 0;
}

std::string CSession::GetStatusText(bool connectionText) const {
    const auto lock = LockLinkObjects();
    if (connectionText && connection_) {
        return connection_->GetStatusText();
    }
    return LoggerText();
}

int CSession::GetLinkLostError() const {
    const auto lock = LockLinkObjects();
    return connection_ && connection_->IsLinkLost() ? connection_->GetLinkLostError() : 0;
}

void CSession::PostStatusString(unsigned code, unsigned stringId) const {
    if (stringId != 0) {
        PostStatus(code, LoadText(stringId));
    }
}

void CSession::PostStatus(unsigned code, std::intptr_t value) const {
    PostToMainWindow(platform::Message(WM_LINK_STATUS, code, nullptr, value));
}

void CSession::PostStatus(unsigned code, std::string text) const {
    PostToMainWindow(platform::Message(WM_LINK_STATUS, code, platform::MakePayload(std::move(text))));
}

void CSession::PostToMainWindow(platform::Message message) const {
    if (platform::MessageTarget* window = status_window_.load()) {
        window->PostMessage(std::move(message));
    }
}

void CSession::PostToApplication(platform::Message message) const {
    if (platform::MessageTarget* application = application_.load()) {
        application->PostMessage(std::move(message));
    }
}

void CSession::DoWaitCursor(int step) const {
    PostToMainWindow(platform::Message(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(step)));
}

void CSession::OnMessage(platform::Message& message) {
    switch (message.id) {
        case WM_CANCEL_COMMAND:
            OnCancelCommand();
            break;
        case WM_DROP_LOGGER:
            OnDropLogger();
            break;
        case WM_END_SESSION_THREAD:
            OnDisconnect(static_cast<int>(message.wParam), message.lParam != 0);
            break;
        case WM_IDLE_ESCAPE:
            OnIdleEscape(static_cast<unsigned>(message.wParam));
            break;
        case WM_MODEM_LINE_EVENT:
            // The modem line's results, outside a wait of its own: a call that rings, a far end that
            // hung up.
            if (const auto* handle = platform::PayloadAs<std::function<void()>>(message); handle && *handle) {
                (*handle)();
            }
            break;
        default:
            OnCommand(message);
            break;
    }
}

void CSession::OnCancelCommand() {
    PostStatusString(STATUS_TEXT, cancel_text_id_);
    if (!app_.IsSet(CAppContext::Flag::Disconnecting) && !in_progress_.load()) {
        DoWaitCursor(-1);
    } else {
        busy_.store(false);
    }
}

void CSession::OnIdleEscape(unsigned commandOnFailure) {
    // A lost link is not kept awake: the user was told of it and ends the session by connecting again.
    if (busy_.load() || !connection_ || connection_->IsLinkLost() ||
        connection_->GetIdleTime() <= kIdleEscapeAfterMs) {
        return;
    }
    if (connection_->SendEscape() == 2) {
        PostToMainWindow(platform::Message(WM_COMMAND, commandOnFailure));
    }
}

void CSession::OnDropLogger() {
    connected_.store(false);
    logger_type_.store(kNoLogger);
}

void CSession::OnDisconnect(int reason, bool keepLogger) {
    Disconnect(reason, keepLogger);
    link_kind_.store(kLinkNone);
    logger_type_.store(kNoLogger);
    if (connection_) {
        OnDropLogger();
        std::unique_ptr<CConnection> ended;
        {
            const auto lock = LockLinkObjects();
            ended = std::move(connection_);
        }
    }
    RequestStop();
}
