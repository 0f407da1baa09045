// CLoggerList: the entries of a logger list with its file header, and every list operation that the
// grid view and the scheduled calls use, without windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "shared/loggerlist/logger_entry.h"
#include "shared/setup/file_header.h"

class CLoggerList {
public:
    // The most entries a list takes through its editing commands.
    static constexpr std::size_t kMaxEntries = 1000;

    // An empty list of version 302; NewList gives it its first entry.
    explicit CLoggerList(const LoggerDefaults& defaults);

    // A new list: the header of this version and one new entry.
    void NewList(std::string_view dataFolder);
    // Takes what a file held.
    void Assign(const CFileHeader& header, std::vector<CLogger> entries);

    // A network entry with the program's defaults and `dataFolder`, inserted before `index` (at the end
    // when index is -1 or past the end). Marks the list modified.
    CLogger& InsertNewLogger(int index, std::string_view dataFolder);
    // Removes the entry; the last one left is reset instead, so that a list is never empty.
    void RemoveAt(std::size_t index);
    // Resets the entry but keeps its schedule block and its scheduling switch: cleared entries are still
    // called.
    void ClearAt(std::size_t index);
    void Swap(std::size_t first, std::size_t second);
    // By serial number, then description, both as unsigned bytes.
    void Sort(bool ascending);

    std::size_t GetCount() const { return entries_.size(); }
    CLogger& GetLogger(std::size_t index) { return entries_.at(index); }
    const CLogger& GetLogger(std::size_t index) const { return entries_.at(index); }
    const std::vector<CLogger>& Entries() const { return entries_; }

    // Lists older than version 301: each entry's type from its one-byte copy, direct entries with
    // `comPort`. Sets the version to 302 and marks the list modified.
    void ConvertOldList(std::string_view comPort);

    CFileHeader& Header() { return header_; }
    const CFileHeader& Header() const { return header_; }
    const LoggerDefaults& Defaults() const { return defaults_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified = true) { modified_ = modified; }

private:
    LoggerDefaults defaults_;
    CFileHeader header_;
    std::vector<CLogger> entries_;
    bool modified_ = false;
};

// Whether `first` sorts before `second`: serial numbers compared as unsigned bytes, then descriptions.
bool LoggerSortsBefore(const CLogger& first, const CLogger& second);
