// ScopedFileSizeLimit: a full disk for the files this process writes, while it exists.
#pragma once

#include <sys/resource.h>

#include <csignal>

namespace testsupport {

// While it exists, files this process writes cannot grow beyond `bytes`: a write past it fails as on
// a full disk.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_handler_ = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~ScopedFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previous_handler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t previous_handler_ = SIG_DFL;
};

}  // namespace testsupport
