// RunInParts: a long conversion of many like items shared among a few threads, each taking one run of
// the items, for the CSV import and export of millions of records.
#pragma once

#include <cstddef>
#include <functional>

// Splits items 0 to `count` - 1 into runs of at least `leastPerPart` (at most as many runs as cores, and
// no more than four) and calls `work`(part, first, last) for each run, the first on this thread and the
// others on threads of their own, then waits for all. True when every call returned true. A thread that
// cannot be started leaves its run to this thread.
bool RunInParts(std::size_t count, std::size_t leastPerPart,
                const std::function<bool(std::size_t part, std::size_t first, std::size_t last)>& work);
// The number of runs RunInParts makes of `count` items.
std::size_t PartCount(std::size_t count, std::size_t leastPerPart);
