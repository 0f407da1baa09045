// What the event log says of a download that did not end well.
#pragma once

#include <string>
#include <vector>

namespace teldrin {

// The event-log lines of a download's `result` (Windows-1252): none for success (0, or -13, the
// records read being kept); for -2 that the logger had no data or, reading new data, nothing new; the
// logger's own failures say so and name the entry's `serial`; any other result only that reading failed.
std::vector<std::string> DownloadResultLines(int result, bool readAll, const std::string& serial);

}  // namespace teldrin
