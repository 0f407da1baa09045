// Deleting a file that may still be in use for a moment, trying again for a while.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

// Milliseconds during which a deletion is tried again.
inline constexpr std::uint32_t kDeleteRetryMilliseconds = 2500;

// True at once when the file does not exist. Otherwise it is removed; when that fails and `retry` is
// set, `pump` runs (the caller's pending work) and the removal is tried again until the file is gone or
// kDeleteRetryMilliseconds have passed since the first try by `now`. True when the file is gone.
bool DeleteFileWithRetries(const std::filesystem::path& path, bool retry, const std::function<void()>& pump,
                           const std::function<std::uint32_t()>& now);
