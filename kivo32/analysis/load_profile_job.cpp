// CLoadProfileJob: one load profile computed on a worker.
#include "kivo32/analysis/load_profile_job.h"

#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"

namespace {

using Outcome = LoadProfileResult::Outcome;

// The reader's messages were the user's when the file was opened for the grid; a second reader keeps
// them back.
class QuietSink : public CMessageSink {
public:
    void ShowMessage(const std::string&) override {}
};

Outcome FillOutcome(CProfileColumnCache::FillResult result) {
    switch (result) {
        case CProfileColumnCache::FillResult::Done:
            return Outcome::Done;
        case CProfileColumnCache::FillResult::Stopped:
            return Outcome::Stopped;
        case CProfileColumnCache::FillResult::BadDate:
            return Outcome::BadDate;
        case CProfileColumnCache::FillResult::ReadFailed:
            return Outcome::ReadFailed;
        case CProfileColumnCache::FillResult::NoValueColumn:
            return Outcome::NoValueColumn;
        case CProfileColumnCache::FillResult::NoMemory:
            return Outcome::NoMemory;
    }
    return Outcome::ReadFailed;
}

}  // namespace

CLoadProfileJob::~CLoadProfileJob() {
    Stop();
}

bool CLoadProfileJob::Start(LoadProfileRequest request, std::shared_ptr<platform::MessageTarget> target,
                            unsigned messageId) {
    Stop();
    progress_ = std::make_shared<GridWalkProgress>();
    return !thread_.Start([request = std::move(request), target = std::move(target), messageId,
                           progress = progress_](std::stop_token) {
        LoadProfileResult result = Compute(request, *progress);
        if (!progress->Stopped()) {
            target->PostMessage(platform::Message(messageId, 0, platform::MakePayload(std::move(result))));
        }
    });
}

void CLoadProfileJob::Stop() {
    if (progress_) {
        progress_->Stop();
    }
    thread_.Join();
}

LoadProfileResult CLoadProfileJob::Compute(const LoadProfileRequest& request, GridWalkProgress& progress) {
    LoadProfileResult result;
    const int code = LoadProfileIntervalCode(request.dataFileIntervalCode);
    if (code == 0) {
        result.outcome = Outcome::NoInterval;
        return result;
    }
    result.cache = request.cache;
    if (!result.cache || result.cache->GetColumn() != request.column) {
        QuietSink sink;
        CRawData data;
        data.SetMessageSink(sink);
        if (!data.Initialize() || !data.OpenDataFile(request.dataFile) || !data.InitRecordAccess(false)) {
            result.outcome = Outcome::OpenFailed;
            return result;
        }
        auto cache = std::make_shared<CProfileColumnCache>();
        const CProfileColumnCache::FillOutcome filled = cache->Fill(data, request.column, progress);
        if (filled.result != CProfileColumnCache::FillResult::Done) {
            result.outcome = FillOutcome(filled.result);
            result.row = filled.row;
            result.cache = nullptr;
            return result;
        }
        result.cache = std::move(cache);
    }
    result.profile.Init(request.period, request.dayFilter, code, CDayOfWeek(2), request.minuteMinimum);
    CProfileData sums;
    if (sums.Build(*result.cache, result.profile, request.dataFileIntervalSeconds, request.column,
                   request.firstRow, request.lastRow) != CProfileData::BuildResult::Done) {
        result.outcome = Outcome::RowsOutsideFile;
        return result;
    }
    result.profile.FillFromProfileData(sums);
    return result;
}
