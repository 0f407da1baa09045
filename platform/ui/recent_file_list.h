// The recent-file list of the File menu: the newest file first, a fixed number of entries.
#pragma once

#include <QSettings>
#include <cstddef>
#include <filesystem>
#include <vector>

namespace platform {

class RecentFileList {
public:
    explicit RecentFileList(std::size_t capacity = 4);

    // Puts `path` on top; a path already listed moves up, and the oldest entry drops out of a full list.
    void Add(const std::filesystem::path& path);
    void Remove(std::size_t index);
    const std::vector<std::filesystem::path>& Entries() const { return entries_; }
    std::size_t Capacity() const { return capacity_; }

    // The list in the program's settings: section "Recent File List", keys "File1" and on.
    void ReadList(QSettings& settings);
    void WriteList(QSettings& settings) const;

private:
    std::size_t capacity_;
    std::vector<std::filesystem::path> entries_;
};

}  // namespace platform
