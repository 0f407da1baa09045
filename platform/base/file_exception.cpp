// The program's file exception: cause, errno and path, and a readable description.
#include "platform/base/file_exception.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/base/base_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/windows1252.h"

namespace {

// The cause in English, for what() and for a program without its text tables.
const char* CauseText(CPSTFileException::Cause cause) {
    switch (cause) {
        case CPSTFileException::none:
            return "no error";
        case CPSTFileException::generic:
            return "file error";
        case CPSTFileException::fileNotFound:
            return "file not found";
        case CPSTFileException::badPath:
            return "bad path";
        case CPSTFileException::tooManyOpenFiles:
            return "too many open files";
        case CPSTFileException::accessDenied:
            return "access denied";
        case CPSTFileException::invalidFile:
            return "file not open";
        case CPSTFileException::removeCurrentDir:
            return "cannot remove the current folder";
        case CPSTFileException::directoryFull:
            return "folder full";
        case CPSTFileException::badSeek:
            return "bad seek";
        case CPSTFileException::hardIO:
            return "input/output error";
        case CPSTFileException::sharingViolation:
            return "file in use";
        case CPSTFileException::lockViolation:
            return "file locked";
        case CPSTFileException::diskFull:
            return "disk full";
        case CPSTFileException::endOfFile:
            return "unexpected end of file";
    }
    return "file error";
}

}  // namespace

CPSTFileException::CPSTFileException() {
    Describe();
}

CPSTFileException::CPSTFileException(Cause cause, int osError, std::filesystem::path path)
    : cause_(cause), os_error_(osError), path_(std::move(path)) {
    Describe();
}

CPSTFileException CPSTFileException::FromErrno(int error, const std::filesystem::path& path) {
    return CPSTFileException(CauseFromErrno(error), error, path);
}

CPSTFileException::Cause CPSTFileException::CauseFromErrno(int error) {
    switch (error) {
        case 0:
            return none;
        case ENOENT:
            return fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return badPath;
        case EMFILE:
        case ENFILE:
            return tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return accessDenied;
        case EBADF:
            return invalidFile;
        case ESPIPE:
            return badSeek;
        case EIO:
            return hardIO;
        case EBUSY:
        case ETXTBSY:
            return sharingViolation;
        case ENOLCK:
        case EWOULDBLOCK:
            return lockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return diskFull;
        default:
            return generic;
    }
}

void CPSTFileException::Set(Cause cause, int osError, std::filesystem::path path) {
    cause_ = cause;
    os_error_ = osError;
    path_ = std::move(path);
    Describe();
}

void CPSTFileException::Describe() {
    what_ = CauseText(cause_) + Details();
}

std::string CPSTFileException::Details() const {
    std::string details;
    if (!path_.empty()) {
        details += ": " + path_.string();
    }
    if (os_error_ > 0) {
        details += ": ";
        details += std::strerror(os_error_);
    }
    return details;
}

std::string CPSTFileException::MessageText() const {
    std::string cause = LoadText(IDS_FILE_ERROR_CAUSES + static_cast<unsigned>(cause_));
    if (cause.empty()) {
        cause = CauseText(cause_);
    }
    return cause + platform::Utf8ToWindows1252(Details());
}
