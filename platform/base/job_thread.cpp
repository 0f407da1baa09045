// JobThread: one job on a thread of its own, stopped and joined when its owner goes.
#include "platform/base/job_thread.h"

#include <utility>

namespace platform {

namespace {

// The error every start gives while a test holds FailedJobStarts; 0 when starts run.
std::atomic<int> failed_start_error{0};

}  // namespace

std::error_code JobThread::Start(Job job) {
    if (thread_.joinable()) {
        return std::make_error_code(std::errc::device_or_resource_busy);
    }
    if (const int error = failed_start_error.load()) {
        return {error, std::generic_category()};
    }
    finished_.store(false);
    try {
        thread_ = std::jthread([this, job = std::move(job)](std::stop_token stop) {
            job(std::move(stop));
            finished_.store(true);
        });
    } catch (const std::system_error& failure) {
        finished_.store(true);
        return failure.code();
    }
    return {};
}

void JobThread::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

FailedJobStarts::FailedJobStarts(std::errc error) {
    failed_start_error.store(static_cast<int>(error));
}

FailedJobStarts::~FailedJobStarts() {
    failed_start_error.store(0);
}

}  // namespace platform
