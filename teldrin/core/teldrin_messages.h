// What a call's session posts to teldrin's main frame; the main thread alone writes the logs and keeps
// the error code.
#pragma once

#include "platform/base/window_messages.h"

namespace teldrin {

// The status pane; wParam kStatusText: a text for it (payload std::string, Windows-1252), shown while
// the call runs; wParam kStatusProgress: the download's progress in lParam (0-100).
inline constexpr unsigned WM_TELDRIN_STATUS = WM_APP + 0xD4;
inline constexpr unsigned kStatusText = 0;
inline constexpr unsigned kStatusProgress = 1;
// A log line (payload std::string, Windows-1252); wParam kEventLogLine or kErrorLogLine.
inline constexpr unsigned WM_TELDRIN_LOG_LINE = WM_APP + 0xD5;
inline constexpr unsigned kEventLogLine = 0;
inline constexpr unsigned kErrorLogLine = 1;
// The call's communication error code (wParam, as a signed int).
inline constexpr unsigned WM_TELDRIN_COMM_ERROR = WM_APP + 0xD9;
// The call has ended (payload CallOutcome).
inline constexpr unsigned WM_TELDRIN_CALL_ENDED = WM_APP + 0xDB;

}  // namespace teldrin
