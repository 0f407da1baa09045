// The windows of a logger download: the progress window of the session's downloads and the recovery
// question after a broken one.
#pragma once

#include <functional>

class CSessionOwner;

// Shows a progress window with each download of `sessions`; its Cancel calls `cancelCommand`. Answers
// the recovery question with its window.
void RegisterDownloadWindows(CSessionOwner& sessions, std::function<void()> cancelCommand);
