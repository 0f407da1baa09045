// The download's progress handed to its window without waiting for it.
#include "kivo32/session/download_progress_link.h"

#include <utility>

template <class Change>
void CDownloadProgressLink::Update(Change&& change) {
    std::lock_guard lock(mutex_);
    change(state_);
    changed_ = true;
    // Woken under the lock: the window's last SetWaker waits for a wake under way, so none reaches it
    // after it has gone.
    if (!wake_pending_ && waker_) {
        wake_pending_ = true;
        waker_();
    }
}

void CDownloadProgressLink::SetOperationText(std::string text) {
    Update([&text](State& s) { s.operation = std::move(text); });
}

void CDownloadProgressLink::SetLogText(std::string text) {
    Update([&text](State& s) { s.log = std::move(text); });
}

// The step line shows the step and the status reports alike.
void CDownloadProgressLink::SetStepText(std::string text) {
    Update([&text](State& s) { s.step = std::move(text); });
}

void CDownloadProgressLink::SetStatusLine(std::string text) {
    SetStepText(std::move(text));
}

void CDownloadProgressLink::SetProgress(int percent) {
    Update([percent](State& s) { s.progress = percent; });
}

void CDownloadProgressLink::EnableActivityTimer(bool on) {
    Update([on](State& s) { s.activity = on; });
}

void CDownloadProgressLink::Close() {
    Update([](State& s) { s.closed = true; });
}

void CDownloadProgressLink::SetWaker(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(wake);
    wake_pending_ = changed_ && waker_;
    if (wake_pending_) {
        waker_();
    }
}

CDownloadProgressLink::State CDownloadProgressLink::Take() {
    std::lock_guard lock(mutex_);
    wake_pending_ = false;
    changed_ = false;
    return state_;
}

void CloseDownloadDialog(std::shared_ptr<CDownloadProgressLink>& window) {
    if (window) {
        window->Close();
        window.reset();
    }
}
