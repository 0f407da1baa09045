// What the user reads when a download (ReadData) fails: a text naming the step that failed, shown as a
// message or, where the user's own answer ended it, as the status text.
#pragma once

#include <optional>

struct DownloadFailureText {
    unsigned textId = 0;
    // A message box; otherwise the status text.
    bool asMessage = true;
};

// The text for `result`, a result code of ReadData; none for a download that kept its data.
std::optional<DownloadFailureText> DownloadFailureTextFor(int result);
