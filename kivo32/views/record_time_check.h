// CRecordTimeCheck: the check of a data file's record times for gaps and short intervals, run on a
// worker with its own reader once the file shows, so that opening never walks the records.
#pragma once

#include <filesystem>
#include <memory>
#include <stop_token>

#include "platform/base/job_thread.h"

class CRecordTimeCheck {
public:
    // Starts the walk over the file at `path`. When it ends, what it found is told to the user on the
    // user-interface thread (nothing when the times are regular). Without a thread the check is left out
    // (and traced).
    explicit CRecordTimeCheck(const std::filesystem::path& path);
    CRecordTimeCheck(const CRecordTimeCheck&) = delete;
    CRecordTimeCheck& operator=(const CRecordTimeCheck&) = delete;

    bool Finished() const { return thread_.Finished(); }

private:
    void Run(const std::filesystem::path& path, const std::stop_token& stop);

    // While this lives the finding may still be shown; the message queued for the user holds a weak
    // reference to it.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    // Last: stopped and waited for when the check goes; what it found is then never shown.
    platform::JobThread thread_;
};
