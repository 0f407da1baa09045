// The recent-file list of the File menu: the newest file first, a fixed number of entries.
#include "platform/ui/recent_file_list.h"

#include <algorithm>

#include "platform/ui/doc_template.h"
#include "platform/ui/qt_text.h"

namespace platform {
namespace {

constexpr const char* kSection = "Recent File List";

QString KeyOf(std::size_t index) {
    return QString("File%1").arg(index + 1);
}

}  // namespace

RecentFileList::RecentFileList(std::size_t capacity) : capacity_(capacity) {}

void RecentFileList::Add(const std::filesystem::path& path) {
    std::erase_if(entries_, [&path](const std::filesystem::path& entry) { return SamePath(entry, path); });
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_) {
        entries_.resize(capacity_);
    }
}

void RecentFileList::Remove(std::size_t index) {
    if (index < entries_.size()) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void RecentFileList::ReadList(QSettings& settings) {
    entries_.clear();
    settings.beginGroup(kSection);
    for (std::size_t i = 0; i < capacity_; ++i) {
        const QString entry = settings.value(KeyOf(i)).toString();
        if (!entry.isEmpty()) {
            entries_.push_back(PathFromQString(entry));
        }
    }
    settings.endGroup();
}

void RecentFileList::WriteList(QSettings& settings) const {
    settings.beginGroup(kSection);
    settings.remove("");
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        settings.setValue(KeyOf(i), PathToQString(entries_[i]));
    }
    settings.endGroup();
}

}  // namespace platform
