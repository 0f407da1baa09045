// Files held under a lock while in use, and the removal of those nobody holds.
#include "platform/base/held_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <system_error>

namespace platform {
namespace {

// Whether the open file `fd` is still the one named `path` (a cleaner may have removed it meanwhile).
bool StillNamed(int fd, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

UniqueFd CreateHeldFile(const std::filesystem::path& path) {
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.Valid()) {
        return fd;
    }
    // Held by another process's cleaner at this very moment, or removed by it before the lock: that file
    // goes, and the caller takes another name. A file system without locks keeps the file unheld, and
    // cleaners then leave it alone.
    const bool locked = ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0;
    if ((locked || errno != EWOULDBLOCK) && StillNamed(fd.Get(), path)) {
        return fd;
    }
    fd.Reset();
    errno = EEXIST;
    return fd;
}

int RemoveUnheldFiles(const std::filesystem::path& folder,
                      const std::function<bool(std::string_view)>& isOurs) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    int removed = 0;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::filesystem::path& path = entry.path();
        if (!isOurs(path.filename().string())) {
            continue;
        }
        const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        if (!fd.Valid()) {
            continue;
        }
        struct stat status {};
        // Only a file that nobody holds goes, and only while it still is the file of that name.
        if (::fstat(fd.Get(), &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0 && StillNamed(fd.Get(), path) &&
            ::unlink(path.c_str()) == 0) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace platform
