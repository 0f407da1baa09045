// The program's two exception classes: file errors with cause, errno and path, and memory errors.
#pragma once

#include <exception>
#include <filesystem>
#include <string>

// A failed file operation. Also the error record a non-throwing open fills in: constructed empty
// (cause none, error -1, no path) and filled only when the open fails.
class CPSTFileException : public std::exception {
public:
    // The kinds of file failure; fixed numbers: never renumber.
    enum Cause {
        none = 0,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CPSTFileException();
    CPSTFileException(Cause cause, int osError, std::filesystem::path path);

    // The exception for a failed system call that set `error` (an errno value).
    static CPSTFileException FromErrno(int error, const std::filesystem::path& path);
    static Cause CauseFromErrno(int error);

    Cause cause() const { return cause_; }
    // The errno value, or -1 when no system call reported one.
    int osError() const { return os_error_; }
    const std::filesystem::path& path() const { return path_; }

    // Fills the record in (used by the non-throwing open).
    void Set(Cause cause, int osError, std::filesystem::path path);

    // "<cause>: <path>: <system message>", the parts that are known, the cause in English.
    const char* what() const noexcept override { return what_.c_str(); }
    // The same for the user, as the program's 8-bit message texts carry it: the cause in the user's
    // language.
    std::string MessageText() const;

private:
    void Describe();
    // ": <path>: <system message>", the parts that are known.
    std::string Details() const;

    Cause cause_ = none;
    int os_error_ = -1;
    std::filesystem::path path_;
    std::string what_;
};

// Thrown where memory for a logger block cannot be had.
class CPSTMemoryException : public std::exception {
public:
    const char* what() const noexcept override { return "out of memory"; }
};
