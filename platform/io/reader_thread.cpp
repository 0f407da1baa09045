// ReaderThread: one thread per reader, ended by a stop that also wakes its poll().
#include "platform/io/reader_thread.h"

#include <errno.h>
#include <poll.h>

#include <system_error>

namespace platform {

ReaderThread::~ReaderThread() {
    Stop();
}

bool ReaderThread::Start(std::function<void()> body) {
    if (thread_.joinable()) {
        return false;
    }
    // A fresh stop for this run, made before the body can look at it.
    stop_ = std::stop_source();
    wake_.Reset();
    {
        std::lock_guard lock(ended_mutex_);
        ended_ = false;
    }
    try {
        thread_ = std::jthread([this, body = std::move(body)] {
            reader_id_.store(std::this_thread::get_id());
            body();
            std::lock_guard lock(ended_mutex_);
            ended_ = true;
            ended_changed_.notify_all();
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void ReaderThread::RequestStop() {
    stop_.request_stop();
    wake_.Signal();
}

bool ReaderThread::Stop() {
    if (reader_id_.load() == std::this_thread::get_id()) {
        // The body asks to end itself: it returns on its own, the owner joins it later.
        RequestStop();
        return true;
    }
    if (!thread_.joinable()) {
        return false;
    }
    RequestStop();
    thread_.join();
    reader_id_.store(std::thread::id());
    return true;
}

bool ReaderThread::StopWithin(std::chrono::milliseconds limit) {
    if (thread_.joinable() && reader_id_.load() != std::this_thread::get_id()) {
        RequestStop();
        std::unique_lock lock(ended_mutex_);
        if (!ended_changed_.wait_for(lock, limit, [this] { return ended_; })) {
            return false;
        }
    }
    Stop();
    return true;
}

ReaderThread::Wait ReaderThread::WaitReadable(int fd, int timeoutMs) const {
    pollfd watch[2] = {{fd, POLLIN, 0}, {wake_.fd(), POLLIN, 0}};
    for (;;) {
        if (StopRequested()) {
            return Wait::Stopped;
        }
        const int ready = ::poll(watch, 2, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            return Wait::Failed;
        }
        if (StopRequested() || (watch[1].revents & POLLIN)) {
            return Wait::Stopped;
        }
        if (ready == 0) {
            return Wait::TimedOut;
        }
        return Wait::Readable;
    }
}

}  // namespace platform
