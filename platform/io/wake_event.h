// An eventfd that wakes a thread blocked in poll(): the cooperative stop of read threads.
#pragma once

namespace platform {

class WakeEvent {
public:
    WakeEvent();
    ~WakeEvent();
    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    bool Valid() const { return fd_ >= 0; }
    // Readable for poll() from Signal() until Reset().
    int fd() const { return fd_; }
    void Signal();
    void Reset();

private:
    int fd_;
};

}  // namespace platform
