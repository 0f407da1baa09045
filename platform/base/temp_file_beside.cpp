// TempFileBeside: the temporary file of a save, held by a lock while it is written, and the removal of
// the files of killed saves.
#include "platform/base/temp_file_beside.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "platform/base/string_format.h"

namespace platform {
namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomDigits = 8;
constexpr int kNameAttempts = 100;

std::string TempName(const std::filesystem::path& target, unsigned random) {
    return StringPrintf(".%s.%08x%s", target.filename().string().c_str(), random, kSuffix.data());
}

// Whether `name` is that of a temporary file of `target`.
bool IsTempNameOf(const std::filesystem::path& target, std::string_view name) {
    const std::string prefix = "." + target.filename().string() + ".";
    if (name.size() != prefix.size() + kRandomDigits + kSuffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(kSuffix)) {
        return false;
    }
    const std::string_view digits = name.substr(prefix.size(), kRandomDigits);
    return digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Whether the open file `fd` is still the one named `path` (a cleaner may have removed it meanwhile).
bool StillNamed(int fd, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

}  // namespace

TempFileBeside::TempFileBeside(const std::filesystem::path& target) : target_(target) {
    RemoveSaveLeftovers(target);
    std::random_device entropy;
    std::mt19937 generator(entropy());
    int error = 0;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path candidate =
            target.parent_path() / TempName(target, static_cast<unsigned>(generator()));
        const int fd = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            if (error != EEXIST) {
                break;
            }
            continue;
        }
        // Held by another process's cleaner at this very moment, or removed by it before the lock:
        // that file goes, and another name is taken. A file system without locks keeps the file unheld,
        // and cleaners then leave it alone.
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if ((locked || errno != EWOULDBLOCK) && StillNamed(fd, candidate)) {
            path_ = candidate;
            lock_fd_ = fd;
            return;
        }
        ::close(fd);
        error = EEXIST;
    }
    throw CPSTFileException::FromErrno(error, target);
}

TempFileBeside::~TempFileBeside() {
    Remove();
}

TempFileBeside::TempFileBeside(TempFileBeside&& other) noexcept
    : target_(std::move(other.target_)),
      path_(std::exchange(other.path_, {})),
      lock_fd_(std::exchange(other.lock_fd_, -1)) {}

TempFileBeside& TempFileBeside::operator=(TempFileBeside&& other) noexcept {
    if (this != &other) {
        Remove();
        target_ = std::move(other.target_);
        path_ = std::exchange(other.path_, {});
        lock_fd_ = std::exchange(other.lock_fd_, -1);
    }
    return *this;
}

void TempFileBeside::ReplaceTarget() {
    // The lock stays until the rename is done, so that no cleaner takes the finished file.
    ReplaceFile(path_, target_);
    path_.clear();
    Release();
}

void TempFileBeside::Remove() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
        path_.clear();
    }
    Release();
}

void TempFileBeside::Release() {
    if (lock_fd_ >= 0) {
        ::close(std::exchange(lock_fd_, -1));
    }
}

int RemoveSaveLeftovers(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    int removed = 0;
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::filesystem::path& path = entry.path();
        if (!IsTempNameOf(target, path.filename().string())) {
            continue;
        }
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        struct stat status {};
        // Only a file that nobody holds goes, and only while it still is the file of that name.
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            StillNamed(fd, path) && ::unlink(path.c_str()) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    return removed;
}

}  // namespace platform
