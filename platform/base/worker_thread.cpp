// A thread with its own message queue that dispatches posted messages until asked to stop.
#include "platform/base/worker_thread.h"

#include <cstdio>
#include <exception>
#include <utility>

namespace platform {
namespace {

// How long the idle loop sleeps between looks when nothing wakes it; every Post and RequestStop wakes
// it at once, so this only bounds the wait.
constexpr std::chrono::milliseconds kIdleWait{1000};

}  // namespace

WorkerThread::WorkerThread() = default;

WorkerThread::~WorkerThread() {
    RequestStop();
    if (!Join(kIdleWait)) {
        std::fputs("worker thread still running at destruction; waiting for it to end\n", stderr);
        StopAndJoin();
    }
}

bool WorkerThread::Start() {
    std::lock_guard lock(state_mutex_);
    if (started_) {
        return false;
    }
    started_ = true;
    thread_ = std::thread(&WorkerThread::Run, this);
    return true;
}

void WorkerThread::Post(Message message) {
    queue_.Post(std::move(message));
}

void WorkerThread::RequestStop() {
    stop_requested_.store(true);
    queue_.Wake();
}

bool WorkerThread::Join(std::chrono::milliseconds timeout) {
    {
        std::unique_lock lock(state_mutex_);
        if (!started_) {
            return true;
        }
        if (!finished_changed_.wait_for(lock, timeout, [this] { return finished_; })) {
            return false;
        }
    }
    // Only one joiner may call join(); the thread has finished, so it returns at once.
    std::lock_guard lock(join_mutex_);
    if (thread_.joinable()) {
        thread_.join();
    }
    return true;
}

void WorkerThread::StopAndJoin() {
    RequestStop();
    // As long as the current handler takes: the thread must never outlive the object.
    while (!Join(kIdleWait)) {
        continue;
    }
}

bool WorkerThread::Running() const {
    std::lock_guard lock(state_mutex_);
    return started_ && !finished_;
}

WaitResult WorkerThread::WaitWhilePumping(const std::function<bool()>& done,
                                          std::chrono::milliseconds timeout,
                                          const std::function<bool(Message&)>& takeDuringWait) {
    return platform::WaitWhilePumping(queue_, deferred_, done, timeout, takeDuringWait, &stop_requested_);
}

void WorkerThread::Run() {
    // A handler's exception must not cross the thread: it ends the thread instead, since the
    // handler's state is no longer known.
    try {
        OnStart();
        Loop();
        OnStop();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "worker thread ended by an exception: %s\n", error.what());
    } catch (...) {
        std::fputs("worker thread ended by an exception\n", stderr);
    }
    {
        std::lock_guard lock(state_mutex_);
        finished_ = true;
    }
    finished_changed_.notify_all();
}

void WorkerThread::Loop() {
    while (!StopRequested()) {
        // Messages a wait did not take come first: they were posted before anything still queued.
        if (!deferred_.empty()) {
            Message message = std::move(deferred_.front());
            deferred_.pop_front();
            OnMessage(message);
            continue;
        }
        const std::uint64_t seen = queue_.Generation();
        if (auto message = queue_.TryTake()) {
            OnMessage(*message);
        } else {
            queue_.WaitForChange(seen, kIdleWait);
        }
    }
}

}  // namespace platform
