// CVersionCheckThread: the thread of one update check of the user-interface thread's callers.
#include "kivo32/app/version_check_thread.h"

#include <exception>
#include <string>
#include <system_error>

#include "kivo32/update/version_check.h"

CVersionCheckThread::CVersionCheckThread(std::function<void()> check) {
    const std::error_code failed = thread_.Start([this, check = std::move(check)](std::stop_token) {
        platform::SetThreadAnswerWait(this);
        // No exception leaves the thread: the check ends where it failed.
        try {
            check();
        } catch (const std::exception& failure) {
            VCTrace(std::string("VC: CheckVersions(): the check ended early: ") + failure.what());
        }
        platform::SetThreadAnswerWait(nullptr);
    });
    if (failed) {
        VCTrace("VC: CheckVersions(): no thread for the check (" + std::to_string(failed.value()) +
                "); it is left out");
    }
}

void CVersionCheckThread::RequestStop() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
}

bool CVersionCheckThread::Wait(const std::function<bool()>& answered) {
    // answered() takes the call's own lock, which the user-interface thread holds while it wakes this
    // wait: it is asked outside mutex_.
    while (!answered()) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stop_ || woken_; });
        woken_ = false;
        if (stop_) {
            lock.unlock();
            return answered();
        }
    }
    return true;
}

void CVersionCheckThread::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    changed_.notify_all();
}
