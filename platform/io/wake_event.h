// An eventfd that wakes a thread blocked in poll().
#pragma once

#include "platform/base/unique_fd.h"

namespace platform {

class WakeEvent {
public:
    WakeEvent();

    bool Valid() const { return fd_.Valid(); }
    // Readable for poll() from Signal() until Reset().
    int fd() const { return fd_.Get(); }
    void Signal();
    void Reset();

private:
    UniqueFd fd_;
};

}  // namespace platform
