// A session thread for link tests: runs jobs on itself and counts the cancels it took.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <memory>

#include "platform/base/window_messages.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"

namespace testsupport {

// Final: its thread starts in the constructor, where a derived class would still be constructing.
class LinkTestSession final : public CSession {
public:
    static constexpr unsigned kRunJob = WM_USER + 1;
    static constexpr std::chrono::seconds kJobLimit{60};

    LinkTestSession() { Start(); }
    ~LinkTestSession() override { StopAndJoin(); }

    // Runs `job` on the session thread and waits for its result. A job that never ends fails the test
    // program at once: its thread cannot be joined, and waiting on would only reach CTest's limit.
    template <class Job>
    auto Run(Job job) -> decltype(job()) {
        auto result = RunAsync(std::move(job));
        if (result.wait_for(kJobLimit) != std::future_status::ready) {
            std::fprintf(stderr, "a job on the link test session did not end within %lld s\n",
                         static_cast<long long>(kJobLimit.count()));
            std::_Exit(EXIT_FAILURE);
        }
        return result.get();
    }

    // Runs `job` on the session thread; the future gives its result.
    template <class Job>
    auto RunAsync(Job job) -> std::future<decltype(job())> {
        using Result = decltype(job());
        auto task = std::make_shared<std::packaged_task<Result()>>(std::move(job));
        std::future<Result> result = task->get_future();
        platform::Message message;
        message.id = kRunJob;
        message.payload = platform::MakePayload(std::function<void()>([task] { (*task)(); }));
        Post(std::move(message));
        return result;
    }

    // What the user interface does to cancel: the caller sets the abort flag, then this posts.
    void PostCancel() {
        platform::Message message;
        message.id = WM_CANCEL_COMMAND;
        Post(std::move(message));
    }

    int CancelsTaken() const { return cancels_.load(); }

private:
    void OnMessage(platform::Message& message) override {
        if (message.id == WM_CANCEL_COMMAND) {
            // A cancel that comes after the wait it was meant for ended (on the abort flag) is taken
            // here, as a session's own handler of the message does.
            OnCancelCommand();
        } else if (message.id == WM_IDLE_ESCAPE) {
            // The idle watch's message, taken as every session takes it.
            CSession::OnMessage(message);
        } else if (auto* job = platform::PayloadAs<std::function<void()>>(message)) {
            (*job)();
        }
    }
    void OnCancelCommand() override { ++cancels_; }

    std::atomic<int> cancels_{0};
};

}  // namespace testsupport
