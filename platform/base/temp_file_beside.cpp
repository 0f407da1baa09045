// TempFileBeside: the temporary file of a save, held by a lock while it is written, and the removal of
// the files of killed saves.
#include "platform/base/temp_file_beside.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/base/binary_file.h"
#include "platform/base/file_exception.h"
#include "platform/base/held_file.h"
#include "platform/base/string_format.h"

namespace platform {
namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kRandomDigits = 8;
constexpr int kNameAttempts = 100;
// Links followed from a save's name to its file, as the system's own limit.
constexpr int kMaxLinks = 40;
// The longest file name the file systems take.
constexpr std::size_t kNameMax = NAME_MAX;
// The target's name in a temporary name is cut to this, so that every target the folder takes can be saved.
constexpr std::size_t kTargetNameMax = kNameMax - (2 + kRandomDigits + kSuffix.size());

// The part of the temporary names that comes from `target`: ".<name>.", the name cut where needed (never
// inside a UTF-8 character).
std::string TempNamePrefix(const std::filesystem::path& target) {
    std::string name = target.filename().string();
    if (name.size() > kTargetNameMax) {
        std::size_t cut = kTargetNameMax;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        name.resize(cut);
    }
    return "." + name + ".";
}

std::string TempName(const std::filesystem::path& target, unsigned random) {
    return TempNamePrefix(target) + StringPrintf("%08x", random) + std::string(kSuffix);
}

// Whether `name` is that of a temporary file of `target`.
bool IsTempNameOf(const std::filesystem::path& target, std::string_view name) {
    const std::string prefix = TempNamePrefix(target);
    if (name.size() != prefix.size() + kRandomDigits + kSuffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(kSuffix)) {
        return false;
    }
    const std::string_view digits = name.substr(prefix.size(), kRandomDigits);
    return digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// The file a save of `target` replaces: a link is followed to its file, so that the save writes beside
// that file and the link stays. Throws when that file exists and is no regular file (a folder, a device,
// a pipe, a socket), which the save would replace by a plain file.
std::filesystem::path SaveTargetOf(const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    fs::path path = target;
    std::error_code error;
    for (int links = 0; fs::is_symlink(fs::symlink_status(path, error)); ++links) {
        const fs::path link = fs::read_symlink(path, error);
        if (error || links == kMaxLinks) {
            throw CPSTFileException::FromErrno(error ? error.value() : ELOOP, target);
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
        throw CPSTFileException::FromErrno(EISDIR, target);
    }
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        throw CPSTFileException(CPSTFileException::accessDenied, -1, target);
    }
    return path;
}

}  // namespace

TempFileBeside::TempFileBeside(const std::filesystem::path& target) : target_(SaveTargetOf(target)) {
    RemoveSaveLeftovers(target_);
    std::random_device entropy;
    std::mt19937 generator(entropy());
    int error = 0;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path candidate =
            target_.parent_path() / TempName(target_, static_cast<unsigned>(generator()));
        UniqueFd fd = CreateHeldFile(candidate);
        if (fd.Valid()) {
            path_ = candidate;
            lock_fd_ = fd.Release();
            return;
        }
        error = errno;
        if (error != EEXIST) {
            break;
        }
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
    return RemoveUnheldFiles(target.parent_path(),
                             [&](std::string_view name) { return IsTempNameOf(target, name); });
}

}  // namespace platform
