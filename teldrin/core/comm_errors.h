// The communication error codes of a call and their texts: negative codes are local link failures
// (never retried), 1-17 outcomes of the modem line, 18 tasks that failed, 20-23 network socket failures.
#pragma once

#include <string>

namespace teldrin {

enum CommError : int {
    kCommSetupsNotRead = -15,
    kCommDirectPortOpen = -5,
    kCommNone = 0,
    kCommLoggerNotFound = 14,
    kCommLoggerNotAwake = 16,
    kCommTasksFailed = 18,
    kCommNetworkConnect = 20,
    kCommNetworkInit = 21,
    kCommNetworkReceive = 22,
    kCommNetworkSend = 23,
};

// The text of `code` (Windows-1252); "no error" tells `failedCalls`, an unknown code itself.
std::string GetCommErrorText(int code, int failedCalls);

}  // namespace teldrin
