// JobThread: one job run on a thread of its own, asked to stop and waited for when its owner goes, with
// the system's error code when no thread could be made.
#pragma once

#include <atomic>
#include <functional>
#include <stop_token>
#include <system_error>
#include <thread>

namespace platform {

// Hold it as the owner's last member, so that the job has ended before the members it uses go.
class JobThread {
public:
    // The job sees the stop asked for by RequestStop() (and by the destructor) in its token.
    using Job = std::function<void(std::stop_token)>;

    JobThread() = default;
    // Asks the job to stop and waits for it: a job is never left running on its owner's freed members.
    ~JobThread() = default;
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Runs `job` on a new thread. The error when no thread could be made (the job then never runs), or
    // when a thread was started before (std::errc::device_or_resource_busy); empty when the job runs.
    // A job lets no exception out: it ends where it failed.
    std::error_code Start(Job job);
    void RequestStop() { thread_.request_stop(); }
    // Waits for the job to end; at once when none was started. Never from the job itself.
    void Join();

    // A job was started and has not been waited for (it may have ended meanwhile).
    bool Running() const { return thread_.joinable(); }
    // No job runs: it returned, or none was started.
    bool Finished() const { return finished_.load(); }

private:
    std::atomic<bool> finished_{true};
    // Last: its destructor asks for the stop and joins.
    std::jthread thread_;
};

// For tests: while one lives, every JobThread::Start fails with `error` as if the system had no thread to
// give, and runs nothing.
class FailedJobStarts {
public:
    explicit FailedJobStarts(std::errc error = std::errc::resource_unavailable_try_again);
    ~FailedJobStarts();
    FailedJobStarts(const FailedJobStarts&) = delete;
    FailedJobStarts& operator=(const FailedJobStarts&) = delete;
};

}  // namespace platform
