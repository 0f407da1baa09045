// The real-time window's controls, told to the session's loop, and the loop's records to the window.
#include "kivo32/session/real_time_window_link.h"

CRealTimeWindowLink::CRealTimeWindowLink(std::string dialogName, int typeCode, std::vector<int> selection,
                                         RealTimeSetup setup)
    : dialog_name_(std::move(dialogName)),
      type_code_(typeCode),
      selection_(std::move(selection)),
      setup_(std::move(setup)) {}

void CRealTimeWindowLink::Open(int refreshCount, std::shared_ptr<platform::MessageTarget> window) {
    refresh_count_.store(refreshCount);
    {
        std::lock_guard lock(mutex_);
        window_ = std::move(window);
    }
    open_.store(true);
    Wake();
}

void CRealTimeWindowLink::Close() {
    closed_.store(true);
    {
        std::lock_guard lock(mutex_);
        window_.reset();
    }
    Wake();
}

void CRealTimeWindowLink::Hold(bool held) {
    held_.store(held);
    if (!held) {
        restart_.store(true);
    }
    Wake();
}

void CRealTimeWindowLink::RequestCapture(int channel) {
    capture_channel_.store(channel);
    Wake();
}

void CRealTimeWindowLink::Deliver(platform::Message message) {
    std::lock_guard lock(mutex_);
    if (window_) {
        window_->PostMessage(std::move(message));
    }
}

void CRealTimeWindowLink::SetWaker(std::function<void()> wake) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(wake);
}

void CRealTimeWindowLink::Wake() {
    std::lock_guard lock(mutex_);
    if (waker_) {
        waker_();
    }
}
