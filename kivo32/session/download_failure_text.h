// What the user reads when a download (ReadData) fails: a text naming the step that failed, shown as a
// message or, where the user's own answer ended it, as the status text.
#pragma once

#include <optional>
#include <string>

#include "shared/logger/download_policy.h"

struct DownloadFailureText {
    unsigned textId = 0;
    // A message box; otherwise the status text.
    bool asMessage = true;
};

// The text for `result`, a result code of ReadData, of a read of new data into an existing file or
// (`newDataRead` false) of all data; none for a download that kept its data.
std::optional<DownloadFailureText> DownloadFailureTextFor(int result, bool newDataRead);

// After a download broke and the user answered the recovery question: what the disk now holds, the
// records kept and their file, and where the file they were added to now lies.
std::string BrokenDownloadText(const DownloadOutcome& outcome);
