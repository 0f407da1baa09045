// What the version check reads of the connected logger, read by the session thread for a check that
// runs elsewhere, which waits for it: the link is used on the session thread only.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>

#include "shared/common/app_context.h"

struct CLoggerVersionReading {
    // In: read the Wi-Fi module's firmware too.
    bool readModule = false;
    // kNoLogger when the session has no logger.
    int typeCode = kNoLogger;
    std::string firmwareText;
    bool linkedThroughWiFi = false;
    // The module's firmware text; none when the logger has no module or it could not be read.
    std::optional<std::string> moduleFirmware;
    // The module's name as the logger reports it, beside its firmware text.
    std::string moduleName;
    // Set through MarkDone() once the values are final.
    std::atomic<bool> done{false};

    // By the session, after the last value: wakes the thread that waits for them.
    void MarkDone() {
        {
            std::lock_guard lock(done_mutex_);
            done.store(true);
        }
        done_changed_.notify_all();
    }
    // Up to `timeout` for MarkDone(); true when the values are final.
    bool WaitDone(std::chrono::milliseconds timeout) {
        std::unique_lock lock(done_mutex_);
        return done_changed_.wait_for(lock, timeout, [this] { return done.load(); });
    }

private:
    std::mutex done_mutex_;
    std::condition_variable done_changed_;
};
