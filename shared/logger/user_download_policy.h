// The download's questions put to the user of a program with windows.
#pragma once

#include "shared/logger/download_policy.h"

// The recovery question as its dialog, the messages as message boxes, the discontinuity report opened
// with the desktop's application.
DownloadPolicy UserDownloadPolicy();
