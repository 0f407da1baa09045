// A download's questions through its policy, and the outcome that keeps them.
#include "shared/logger/download_policy.h"

#include <utility>

int DownloadExchange::AskRecovery(int recordsReceived, bool portLost) {
    const int answer = policy_.recover ? policy_.recover(recordsReceived, portLost) : kReadDataKept;
    outcome_.recoveries.push_back({recordsReceived, portLost, answer});
    return answer;
}

void DownloadExchange::Tell(DownloadNotice notice) {
    if (policy_.tell) {
        policy_.tell(notice);
    }
    outcome_.notices.push_back(std::move(notice));
}

void DownloadExchange::ShowReport(const std::filesystem::path& path) {
    if (policy_.showReport) {
        policy_.showReport(path);
    }
    outcome_.report = path;
}

void DownloadExchange::FileBuilt(BuiltDataFile file) {
    if (earlier_try_) {
        file.recordsAdded += earlier_try_->recordsAdded;
        file.previous = earlier_try_->previous;
    }
    outcome_.file = std::move(file);
}

DownloadOutcome DownloadExchange::Finish(int result) {
    outcome_.result = result;
    return std::move(outcome_);
}
