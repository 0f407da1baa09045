// A binary file on a POSIX descriptor whose every failure throws CPSTFileException, and safe replacing.
#include "platform/base/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/base/string_format.h"

namespace platform {
namespace {

int OpenFlags(BinaryFile::Mode mode) {
    switch (mode) {
        case BinaryFile::Mode::Read:
            return O_RDONLY;
        case BinaryFile::Mode::ReadWrite:
            return O_RDWR;
        case BinaryFile::Mode::Create:
            return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

int Whence(BinaryFile::Origin origin) {
    switch (origin) {
        case BinaryFile::Origin::Begin:
            return SEEK_SET;
        case BinaryFile::Origin::Current:
            return SEEK_CUR;
        case BinaryFile::Origin::End:
            return SEEK_END;
    }
    return SEEK_SET;
}

// Makes the rename that just happened in `folder` survive a power cut; a failure here loses nothing
// the rename has not already done, so it is not reported.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

BinaryFile::BinaryFile(const std::filesystem::path& path, Mode mode) {
    Open(path, mode);
}

BinaryFile::BinaryFile(UniqueFd fd, const std::filesystem::path& path) : fd_(fd.Release()), path_(path) {}

BinaryFile::~BinaryFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

void BinaryFile::Open(const std::filesystem::path& path, Mode mode) {
    CPSTFileException error;
    if (!Open(path, mode, error)) {
        throw error;
    }
}

bool BinaryFile::Open(const std::filesystem::path& path, Mode mode, CPSTFileException& error) noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    path_ = path;
    // Without waiting: a pipe would hold the open until a writer came.
    const int fd = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        // Taken before the path is copied: an allocation may change errno.
        const int openError = errno;
        error.Set(CPSTFileException::CauseFromErrno(openError), openError, path);
        return false;
    }
    // A folder opens read-only without complaint but is no file; nor are a device, a pipe or a socket.
    struct stat status {};
    int failure = ::fstat(fd, &status) != 0                                       ? errno
                  : S_ISDIR(status.st_mode)                                       ? EISDIR
                  : !S_ISREG(status.st_mode)                                      ? 0
                  : ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ? errno
                                                                                  : -1;
    if (failure >= 0) {
        ::close(fd);
        error.Set(failure == 0 ? CPSTFileException::accessDenied : CPSTFileException::CauseFromErrno(failure),
                  failure == 0 ? -1 : failure, path);
        return false;
    }
    fd_ = fd;
    return true;
}

BinaryFile BinaryFile::Duplicate() const {
    RequireOpen();
    UniqueFd copy(::fcntl(fd_, F_DUPFD_CLOEXEC, 0));
    if (!copy.Valid()) {
        ThrowErrno(errno);
    }
    return BinaryFile(std::move(copy), path_);
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count) {
    RequireOpen();
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd_, out + done, count - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(errno);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void BinaryFile::ReadExact(void* buffer, std::size_t count) {
    if (Read(buffer, count) != count) {
        throw CPSTFileException(CPSTFileException::endOfFile, -1, path_);
    }
}

void BinaryFile::Write(const void* buffer, std::size_t count) {
    RequireOpen();
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(fd_, in + done, count - done);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(errno);
        }
        done += static_cast<std::size_t>(put);
    }
}

std::uint64_t BinaryFile::Seek(std::int64_t offset, Origin origin) {
    RequireOpen();
    const off_t position = ::lseek(fd_, static_cast<off_t>(offset), Whence(origin));
    if (position < 0) {
        // A position before the start is EINVAL, which means a bad seek here.
        const int error = errno;
        throw CPSTFileException(
            error == EINVAL ? CPSTFileException::badSeek : CPSTFileException::CauseFromErrno(error), error,
            path_);
    }
    return static_cast<std::uint64_t>(position);
}

std::uint64_t BinaryFile::Position() const {
    RequireOpen();
    const off_t position = ::lseek(fd_, 0, SEEK_CUR);
    if (position < 0) {
        ThrowErrno(errno);
    }
    return static_cast<std::uint64_t>(position);
}

std::uint64_t BinaryFile::Length() const {
    RequireOpen();
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        ThrowErrno(errno);
    }
    return static_cast<std::uint64_t>(status.st_size);
}

void BinaryFile::SetLength(std::uint64_t length) {
    RequireOpen();
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) {
        ThrowErrno(errno);
    }
}

void BinaryFile::Flush(bool sync) {
    RequireOpen();
    if (sync && ::fsync(fd_) != 0) {
        ThrowErrno(errno);
    }
}

void BinaryFile::StartWriteOut() {
    if (fd_ >= 0) {
        ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
    }
}

void BinaryFile::Close() {
    if (fd_ < 0) {
        return;
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 && errno != EINTR) {
        ThrowErrno(errno);
    }
}

void BinaryFile::ThrowErrno(int error) const {
    throw CPSTFileException::FromErrno(error, path_);
}

void BinaryFile::RequireOpen() const {
    if (fd_ < 0) {
        throw CPSTFileException(CPSTFileException::invalidFile, -1, path_);
    }
}

void ReplaceFile(const std::filesystem::path& temp, const std::filesystem::path& target) {
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        throw CPSTFileException::FromErrno(errno, target);
    }
    SyncFolder(target.parent_path());
}

}  // namespace platform
