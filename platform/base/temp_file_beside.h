// TempFileBeside: the temporary file that a save writes beside its target, held by this process until it
// replaces the target or is given up, and the removal of those that killed saves left behind.
#pragma once

#include <filesystem>

namespace platform {

class TempFileBeside {
public:
    TempFileBeside() = default;
    // Removes what earlier saves of `target` left behind (RemoveSaveLeftovers), then creates a new,
    // empty file in the folder of `target` under a name no other file had (open it with Mode::Create to
    // write the save); throws CPSTFileException. A `target` that is a link stands for the file it leads
    // to, which the save replaces; a target that exists and is no regular file (a folder, a device, a
    // pipe, a socket) is refused.
    explicit TempFileBeside(const std::filesystem::path& target);
    // A file that did not replace its target is removed.
    ~TempFileBeside();
    TempFileBeside(TempFileBeside&& other) noexcept;
    TempFileBeside& operator=(TempFileBeside&& other) noexcept;
    TempFileBeside(const TempFileBeside&) = delete;
    TempFileBeside& operator=(const TempFileBeside&) = delete;

    // Empty once the file replaced its target or was removed.
    const std::filesystem::path& Path() const { return path_; }
    bool IsActive() const { return !path_.empty(); }

    // Renames the file over its target in one step and lets it go; throws CPSTFileException.
    void ReplaceTarget();
    // Removes the file (the save is given up).
    void Remove();

private:
    void Release();

    std::filesystem::path target_;
    std::filesystem::path path_;
    // A descriptor of the file that holds its lock while this process writes it: a process that dies
    // mid-save loses the lock with its descriptors, which marks the file as left behind.
    int lock_fd_ = -1;
};

// Removes the files beside `target` that carry the name of its temporary files (".<name>.<8 hex
// digits>.tmp", a name too long for that cut short) and that no running process holds; other files are
// never touched. Returns how many went.
int RemoveSaveLeftovers(const std::filesystem::path& target);

}  // namespace platform
