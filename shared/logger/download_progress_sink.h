// DownloadProgressSink: where the logger objects' progress and log output goes while a download
// progress window is open. The window implements it; every text is handed over as an owned copy.
#pragma once

#include <string>

class DownloadProgressSink {
public:
    virtual ~DownloadProgressSink() = default;
    // What is being done: the data file the download fills.
    virtual void SetOperationText(std::string text) = 0;
    // The whole accumulated log text.
    virtual void SetLogText(std::string text) = 0;
    // The current step.
    virtual void SetStepText(std::string text) = 0;
    // A status line of the window.
    virtual void SetStatusLine(std::string text) = 0;
    virtual void SetProgress(int percent) = 0;
    // While on, the window shows that the download is still busy though nothing seems to move.
    virtual void EnableActivityTimer(bool on) = 0;
};
