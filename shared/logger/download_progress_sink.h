// DownloadProgressSink: where the logger objects' progress and log output goes while a download
// progress window is open. The window implements it; every text is handed over as an owned copy.
#pragma once

#include <string>

class DownloadProgressSink {
public:
    virtual ~DownloadProgressSink() = default;
    // The whole accumulated log text.
    virtual void SetLogText(std::string text) = 0;
    // The current step.
    virtual void SetStepText(std::string text) = 0;
    // A status line of the window.
    virtual void SetStatusLine(std::string text) = 0;
    virtual void SetProgress(int percent) = 0;
};
