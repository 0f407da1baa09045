// CallProgress: the download's progress of a call, posted to teldrin's main frame for its progress bar.
// Only a changed percentage is posted, so that a long download does not flood the main thread; the
// download's texts go to the logs by their own way.
#pragma once

#include <string>

#include "platform/base/message_target.h"
#include "shared/logger/download_progress_sink.h"

namespace teldrin {

class CallProgress : public DownloadProgressSink {
public:
    explicit CallProgress(platform::MessageTarget& mainFrame) : main_frame_(mainFrame) {}

    void SetProgress(int percent) override;
    void SetOperationText(std::string) override {}
    void SetLogText(std::string) override {}
    void SetStepText(std::string) override {}
    void SetStatusLine(std::string) override {}
    void EnableActivityTimer(bool) override {}

private:
    platform::MessageTarget& main_frame_;
    int posted_ = -1;
};

}  // namespace teldrin
