#include "shared/loggerlist/logger_list_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

std::optional<LoggerListHold> LoggerListHold::Take(const std::filesystem::path& path) {
    platform::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid() || ::flock(fd.Get(), LOCK_SH | LOCK_NB) != 0) {
        return std::nullopt;
    }
    return LoggerListHold(std::move(fd));
}

LoggerListWriteLock LockLoggerListForWriting(const std::filesystem::path& path) {
    platform::UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        return {errno == ENOENT, {}};
    }
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        return {false, {}};
    }
    return {true, std::move(fd)};
}
