// The waits of the session thread that take a cancel, and its status notices.
#include "shared/link/session.h"

#include "platform/base/program_texts.h"
#include "shared/link/link_ids.h"

platform::WaitResult CSession::WaitForLink(const std::function<bool()>& done,
                                           std::chrono::milliseconds timeout) {
    return WaitWhilePumping(done, timeout, [this](platform::Message& message) { return TakeWhileAsking(message); });
}

bool CSession::TakeWhileAsking(platform::Message& message) {
    if (message.id != WM_CANCEL_COMMAND) {
        return false;
    }
    OnCancelCommand();
    return true;
}

std::string CSession::GetModelName() const {
    std::lock_guard lock(model_name_mutex_);
    return model_name_;
}

void CSession::SetModelName(std::string name) {
    std::lock_guard lock(model_name_mutex_);
    model_name_ = std::move(name);
}

void CSession::PostStatusString(unsigned code, unsigned stringId) const {
    if (stringId != 0) {
        PostStatus(code, LoadText(stringId));
    }
}

void CSession::PostStatus(unsigned code, std::intptr_t value) const {
    if (platform::MessageTarget* window = status_window_.load()) {
        window->PostMessage(platform::Message(WM_LINK_STATUS, code, nullptr, value));
    }
}

void CSession::PostStatus(unsigned code, std::string text) const {
    if (platform::MessageTarget* window = status_window_.load()) {
        window->PostMessage(platform::Message(WM_LINK_STATUS, code, platform::MakePayload(std::move(text))));
    }
}

void CSession::Disconnect(int, bool) {
    // A bare session owns no link; the program's session, which makes the connection, stops it.
}
