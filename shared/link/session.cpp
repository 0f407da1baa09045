// The waits of the session thread that take a cancel.
#include "shared/link/session.h"

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
