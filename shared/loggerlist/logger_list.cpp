#include "shared/loggerlist/logger_list.h"

#include <algorithm>
#include <utility>

#include "shared/loggerlist/logger_list_file.h"

namespace {

// Compares as unsigned bytes, as the 8-bit texts sort in every list.
int CompareBytes(const std::string& first, const std::string& second) {
    const auto firstBytes = std::basic_string_view<unsigned char>(
        reinterpret_cast<const unsigned char*>(first.data()), first.size());
    const auto secondBytes = std::basic_string_view<unsigned char>(
        reinterpret_cast<const unsigned char*>(second.data()), second.size());
    return firstBytes.compare(secondBytes);
}

}  // namespace

bool LoggerSortsBefore(const CLogger& first, const CLogger& second) {
    const int serial = CompareBytes(first.GetSerial(), second.GetSerial());
    if (serial != 0) {
        return serial < 0;
    }
    return CompareBytes(first.GetDescription(), second.GetDescription()) < 0;
}

CLoggerList::CLoggerList(const LoggerDefaults& defaults) : defaults_(defaults) {
    header_.SetVersion(kLoggerListVersion);
    header_.SetKind(CFileHeader::kKindLoggerList);
}

void CLoggerList::NewList(std::string_view dataFolder) {
    header_ = CFileHeader();
    header_.SetVersion(kLoggerListVersion);
    header_.SetKind(CFileHeader::kKindLoggerList);
    entries_.clear();
    InsertNewLogger(-1, dataFolder);
    modified_ = false;
}

void CLoggerList::Assign(const CFileHeader& header, std::vector<CLogger> entries) {
    header_ = header;
    entries_ = std::move(entries);
}

CLogger& CLoggerList::InsertNewLogger(int index, std::string_view dataFolder) {
    CLogger entry(defaults_);
    entry.SetConnectType(kConnectNetwork);
    entry.SetDataFolder(dataFolder);
    const auto at = index < 0 || static_cast<std::size_t>(index) > entries_.size() ? entries_.end()
                                                                                   : entries_.begin() + index;
    modified_ = true;
    return *entries_.insert(at, entry);
}

void CLoggerList::RemoveAt(std::size_t index) {
    if (entries_.size() < 2) {
        entries_.at(index).Reset(true, defaults_);
    } else {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    }
    modified_ = true;
}

void CLoggerList::ClearAt(std::size_t index) {
    CLogger& entry = entries_.at(index);
    const bool scheduled = entry.IsScheduleOn();
    entry.Reset(false, defaults_);
    entry.SetScheduleOn(scheduled);
    modified_ = true;
}

void CLoggerList::Swap(std::size_t first, std::size_t second) {
    std::swap(entries_.at(first), entries_.at(second));
    modified_ = true;
}

void CLoggerList::Sort(bool ascending) {
    if (ascending) {
        std::stable_sort(entries_.begin(), entries_.end(), LoggerSortsBefore);
    } else {
        std::stable_sort(entries_.begin(), entries_.end(), [](const CLogger& first, const CLogger& second) {
            return LoggerSortsBefore(second, first);
        });
    }
    modified_ = true;
}

void CLoggerList::ConvertOldList(std::string_view comPort) {
    header_.SetVersion(kLoggerListVersion);
    for (CLogger& entry : entries_) {
        entry.ConvertOldConnectType(comPort);
    }
    modified_ = true;
}
