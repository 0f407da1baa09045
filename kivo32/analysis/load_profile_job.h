// CLoadProfileJob: one load profile computed on a worker with its own reader of the data file: the
// channel read into a column cache when the document has none for it, the selected records summed,
// the bucket table filled; the result posted to the window that asked, which may stop it.
#pragma once

#include <filesystem>
#include <memory>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/load_profile_tou.h"
#include "kivo32/analysis/profile_column_cache.h"
#include "kivo32/analysis/profile_data.h"
#include "platform/base/job_thread.h"
#include "platform/base/message_target.h"

struct LoadProfileRequest {
    std::filesystem::path dataFile;
    // The data file's own interval code (its setup's) and length.
    int dataFileIntervalCode = 0;
    long dataFileIntervalSeconds = 0;
    int column = 0;
    unsigned long firstRow = 0;
    unsigned long lastRow = 0;
    // kProfileDaily or kProfileWeekly; kProfileAllDays, kProfileWeekdays or kProfileWeekendDays.
    int period = kProfileDaily;
    int dayFilter = kProfileAllDays;
    // The graph never has buckets shorter than a minute.
    bool minuteMinimum = false;
    // The document's cache; used when it holds the column, else a new one is read.
    std::shared_ptr<const CProfileColumnCache> cache;
};

struct LoadProfileResult {
    enum class Outcome {
        Done,
        Stopped,
        OpenFailed,
        NoInterval,
        BadDate,
        ReadFailed,
        NoValueColumn,
        NoMemory,
        RowsOutsideFile
    };
    Outcome outcome = Outcome::Done;
    // The record that stopped the column's pass (BadDate, ReadFailed), from 1.
    long row = 0;
    CLoadProfileTOU profile;
    // The cache the profile came from, for the document to keep.
    std::shared_ptr<const CProfileColumnCache> cache;
};

class CLoadProfileJob {
public:
    CLoadProfileJob() = default;
    // Stops a job that runs and waits for it.
    ~CLoadProfileJob();
    CLoadProfileJob(const CLoadProfileJob&) = delete;
    CLoadProfileJob& operator=(const CLoadProfileJob&) = delete;

    // Stops the job that runs, then computes `request` on a worker and posts `messageId` with the
    // LoadProfileResult as payload to `target`. False when no thread could be had.
    bool Start(LoadProfileRequest request, std::shared_ptr<platform::MessageTarget> target,
               unsigned messageId);
    // Asks the running job to stop and waits for it: it posts nothing more.
    void Stop();
    // Per cent of the records read or summed so far.
    int Percent() const { return progress_ ? progress_->Percent() : 0; }

    // The work itself, on the caller's thread.
    static LoadProfileResult Compute(const LoadProfileRequest& request, GridWalkProgress& progress);

private:
    std::shared_ptr<GridWalkProgress> progress_;
    // Last: its end waits for the job.
    platform::JobThread thread_;
};
