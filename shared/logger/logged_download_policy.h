// The download's questions answered by the rule of the unattended program, which nobody watches.
#pragma once

#include <functional>
#include <string>

#include "shared/logger/download_policy.h"

// A broken download keeps the whole records received and says so, with their count, in the event log
// (`writeEvent`) and the error log (`writeError`) instead of asking. Messages and the discontinuity
// report are only kept in the outcome, for the caller to log as it logs the result.
DownloadPolicy LoggedDownloadPolicy(std::function<void(const std::string&)> writeEvent,
                                    std::function<void(const std::string&)> writeError);
