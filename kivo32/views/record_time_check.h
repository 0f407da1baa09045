// CRecordTimeCheck: the check of a data file's record times for gaps and short intervals, run on a
// worker with its own reader once the file shows, so that opening never walks the records.
#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

class CRecordTimeCheck {
public:
    // Starts the walk over the file at `path`. When it ends, what it found is told to the user on the
    // user-interface thread (nothing when the times are regular).
    explicit CRecordTimeCheck(const std::filesystem::path& path);
    // Stops the walk and waits for it; what it found is then never shown.
    ~CRecordTimeCheck();
    CRecordTimeCheck(const CRecordTimeCheck&) = delete;
    CRecordTimeCheck& operator=(const CRecordTimeCheck&) = delete;

    bool Finished() const { return finished_.load(); }

private:
    void Run(const std::filesystem::path& path);

    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    // While this lives the finding may still be shown; the message queued for the user holds a weak
    // reference to it.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    std::thread thread_;
};
