// CFileLog and CFileError: teldrin's event log "Teldrin.log" and error log "Teldrin.err" in its data
// folder. Each entry opens the file, appends and closes it again, so that both stay readable while the
// program runs; a file that has reached its limit moves to a single backup and starts afresh.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace teldrin {

// What tells one log from the other.
struct LogFileKind {
    const char* extension;        // ".log"
    const char* backupExtension;  // ".lg1"
    unsigned titleId;             // the header's second line
};

// The common part: the file's place, its header, opening with roll-over, and clearing.
class CTeldrinLogFile {
public:
    // A file of this size or larger moves to the backup before the next entry.
    static constexpr std::uintmax_t kRollOverSize = 0xFFFFF;

    // `dataFolder` gives the data folder (the "DataDir" setting) at each entry.
    CTeldrinLogFile(const LogFileKind& kind, std::function<std::string()> dataFolder);
    virtual ~CTeldrinLogFile();

    // Appends one entry: `id` IDS_TELDRIN_VERBATIM takes `argument` as it is, any other id is the text
    // of teldrin's table with `argument` in place of "%1". False, with the entry and the reason on
    // standard error, when the file could not be opened or written: calling goes on and the next entry
    // tries again.
    bool WriteEntry(unsigned id, std::string_view argument);
    // Deletes the file and creates it anew with its header.
    bool Clear();
    // The data folder's file; empty when there is no data folder.
    std::filesystem::path Path() const;

protected:
    // The bytes an entry's text is written as.
    virtual std::string EntryBytes(unsigned id, std::string_view text) const = 0;

private:
    // Creates or truncates the file with its header.
    bool StartNewFile(const std::filesystem::path& path) const;
    // Makes sure the file exists below its limit: rolls it over or creates it.
    bool OpenForAppend(const std::filesystem::path& path) const;
    bool Append(const std::filesystem::path& path, std::string_view bytes) const;

    LogFileKind kind_;
    std::function<std::string()> dataFolder_;
};

// The event log: entries end in CR LF.
class CFileLog : public CTeldrinLogFile {
public:
    explicit CFileLog(std::function<std::string()> dataFolder);

protected:
    std::string EntryBytes(unsigned id, std::string_view text) const override;
};

// The error log: entries end in LF.
class CFileError : public CTeldrinLogFile {
public:
    explicit CFileError(std::function<std::string()> dataFolder);

protected:
    std::string EntryBytes(unsigned id, std::string_view text) const override;
};

}  // namespace teldrin
