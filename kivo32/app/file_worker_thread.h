// CFileWorkerThread: the thread of one file job of the application (a CSV conversion, a text export):
// started at once, waited for when the object goes, and told to the user when it cannot be made.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

class CFileWorkerThread {
public:
    // Runs `job` on a thread of its own. When no thread can be made, text `failureTextId` with the
    // system's error code is shown and written to the trace log, and the job never runs.
    CFileWorkerThread(std::function<void()> job, unsigned failureTextId);
    // Waits for a job still running: a file job cannot stop halfway without losing its file.
    ~CFileWorkerThread();
    CFileWorkerThread(const CFileWorkerThread&) = delete;
    CFileWorkerThread& operator=(const CFileWorkerThread&) = delete;

    bool Finished() const { return finished_.load(); }

private:
    std::atomic<bool> finished_{false};
    std::thread thread_;
};
