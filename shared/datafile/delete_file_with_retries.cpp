// Deleting a file with retries while the caller's pending work runs.
#include "shared/datafile/delete_file_with_retries.h"

#include <system_error>

#include "platform/base/tick_count.h"

namespace {

// True when the file is gone.
bool TryRemove(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    return !std::filesystem::exists(path, error) && !error;
}

}  // namespace

bool DeleteFileWithRetries(const std::filesystem::path& path, bool retry, const std::function<void()>& pump,
                           const std::function<std::uint32_t()>& now) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        return true;
    }
    const std::uint32_t start = now();
    for (;;) {
        if (TryRemove(path)) {
            return true;
        }
        if (!retry || platform::TicksElapsed(start, now()) >= kDeleteRetryMilliseconds) {
            return false;
        }
        pump();
    }
}
