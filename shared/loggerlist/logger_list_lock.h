// The advisory lock on a logger list that both programs honour: teldrin holds a list it works from, and
// kivo32 then neither writes it nor saves over it.
#pragma once

#include <filesystem>
#include <optional>
#include <utility>

#include "platform/base/unique_fd.h"

// Holds the list shared while it lives: others may read it, none may write it.
class LoggerListHold {
public:
    // nullopt when the file cannot be opened or a writer holds it.
    static std::optional<LoggerListHold> Take(const std::filesystem::path& path);

private:
    explicit LoggerListHold(platform::UniqueFd fd) : fd_(std::move(fd)) {}
    platform::UniqueFd fd_;
};

// The writer's lock, held while a save replaces the file. An invalid result when the file exists and
// another holds it, or cannot be opened for writing (a file that does not exist yet is free: the
// returned lock then holds nothing).
struct LoggerListWriteLock {
    bool granted = false;
    platform::UniqueFd fd;
};
LoggerListWriteLock LockLoggerListForWriting(const std::filesystem::path& path);
