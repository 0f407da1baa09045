// A binary file on a POSIX descriptor whose every failure throws CPSTFileException, and safe replacing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/base/file_exception.h"
#include "platform/base/unique_fd.h"

namespace platform {

class BinaryFile {
public:
    enum class Mode {
        Read,       // an existing file, read only
        ReadWrite,  // an existing file, read and write, contents kept
        Create,     // created, or truncated when it exists; read and write
    };
    enum class Origin { Begin, Current, End };

    BinaryFile() = default;
    // Opens or throws.
    BinaryFile(const std::filesystem::path& path, Mode mode);
    // Takes the open descriptor `fd` of the file at `path`.
    BinaryFile(UniqueFd fd, const std::filesystem::path& path);
    ~BinaryFile();  // closes, ignoring errors
    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // Opens or throws; an open file is closed first.
    void Open(const std::filesystem::path& path, Mode mode);
    // Opens without throwing: on failure fills `error` and returns false, leaving `error` untouched
    // on success.
    bool Open(const std::filesystem::path& path, Mode mode, CPSTFileException& error) noexcept;

    // Reads up to `count` bytes and returns how many it got: fewer only at the end of the file.
    std::size_t Read(void* buffer, std::size_t count);
    std::size_t Read(std::span<std::uint8_t> buffer) { return Read(buffer.data(), buffer.size()); }
    // Reads exactly `count` bytes or throws (endOfFile on a short read).
    void ReadExact(void* buffer, std::size_t count);
    void ReadExact(std::span<std::uint8_t> buffer) { ReadExact(buffer.data(), buffer.size()); }
    // Writes all `count` bytes or throws.
    void Write(const void* buffer, std::size_t count);
    void Write(std::span<const std::uint8_t> buffer) { Write(buffer.data(), buffer.size()); }

    // Returns the new position.
    std::uint64_t Seek(std::int64_t offset, Origin origin);
    std::uint64_t Position() const;
    std::uint64_t Length() const;
    void SetLength(std::uint64_t length);
    // Nothing is buffered here; `sync` also asks the system to put the data on disk.
    void Flush(bool sync = false);
    // Asks the system to start putting what was written so far on disk without waiting for it, so that
    // a long write is mostly on disk by its closing Flush(true). Only a hint: nothing is reported.
    void StartWriteOut();
    // Closes, throwing when the system reports an error (a write that did not reach the disk).
    void Close();

    // A second descriptor of this open file, sharing its position and its lock; throws.
    BinaryFile Duplicate() const;

    bool IsOpen() const { return fd_ >= 0; }
    const std::filesystem::path& Path() const { return path_; }

private:
    [[noreturn]] void ThrowErrno(int error) const;
    void RequireOpen() const;

    int fd_ = -1;
    std::filesystem::path path_;
};

// Renames `temp` over `target` in one step (same folder), or throws CPSTFileException.
void ReplaceFile(const std::filesystem::path& temp, const std::filesystem::path& target);

}  // namespace platform
