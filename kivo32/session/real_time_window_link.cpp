// The close of a real-time window, told to the session's loop.
#include "kivo32/session/real_time_window_link.h"

CRealTimeWindowLink::CRealTimeWindowLink(std::string dialogName, int typeCode, std::vector<int> selection)
    : dialog_name_(std::move(dialogName)), type_code_(typeCode), selection_(std::move(selection)) {}

void CRealTimeWindowLink::Close() {
    closed_.store(true);
    std::lock_guard lock(waker_mutex_);
    if (waker_) {
        waker_();
    }
}

void CRealTimeWindowLink::SetWaker(std::function<void()> wake) {
    std::lock_guard lock(waker_mutex_);
    waker_ = std::move(wake);
}
