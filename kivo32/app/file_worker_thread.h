// CFileWorkerThread: the thread of one file job of the application (a CSV conversion, a text export):
// started at once, waited for when the object goes, and told to the user when it cannot be made.
#pragma once

#include <functional>

#include "platform/base/job_thread.h"

class CFileWorkerThread {
public:
    // Runs `job` on a thread of its own. When no thread can be made, text `failureTextId` with the
    // system's error code is shown and written to the trace log, and the job never runs.
    CFileWorkerThread(std::function<void()> job, unsigned failureTextId);

    bool Finished() const { return thread_.Finished(); }

private:
    // Waited for when the object goes: a file job takes no stop, since it cannot end halfway without
    // losing its file.
    platform::JobThread thread_;
};
