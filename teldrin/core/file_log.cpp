// The event and error logs: header, roll-over to one backup, and the line ends of each.
#include "teldrin/core/file_log.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <system_error>

#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr LogFileKind kEventLog{".log", ".lg1", IDS_TELDRIN_EVENT_LOG_TITLE};
constexpr LogFileKind kErrorLog{".err", ".er1", IDS_TELDRIN_ERROR_LOG_TITLE};

// The entry's text before its line ends.
std::string EntryText(unsigned id, std::string_view argument) {
    if (id == IDS_TELDRIN_VERBATIM) {
        return std::string(argument);
    }
    return platform::FillNumberedPlaceholders(TeldrinText(id), {argument});
}

void ReportLost(const std::filesystem::path& path, std::string_view text) {
    std::cerr << "teldrin: " << platform::Windows1252ToUtf8(TeldrinText(IDS_TELDRIN_DISK_ERROR)) << " ("
              << (path.empty() ? std::string("no data folder") : path.string())
              << "): " << platform::Windows1252ToUtf8(text) << '\n';
}

}  // namespace

CTeldrinLogFile::CTeldrinLogFile(const LogFileKind& kind, std::function<std::string()> dataFolder)
    : kind_(kind), dataFolder_(std::move(dataFolder)) {}

CTeldrinLogFile::~CTeldrinLogFile() = default;

std::filesystem::path CTeldrinLogFile::Path() const {
    const std::string folder = dataFolder_();
    if (folder.empty()) {
        return {};
    }
    return platform::PathFromWindows1252(folder) / (std::string("Teldrin") + kind_.extension);
}

bool CTeldrinLogFile::StartNewFile(const std::filesystem::path& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << TeldrinText(IDS_TELDRIN_LOG_HEADER) << '\n' << TeldrinText(kind_.titleId) << '\n';
    file.close();
    return !file.fail();
}

bool CTeldrinLogFile::OpenForAppend(const std::filesystem::path& path) const {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return StartNewFile(path);
    }
    if (size < kRollOverSize) {
        return true;
    }
    std::filesystem::path backup = path;
    backup.replace_extension(kind_.backupExtension);
    std::filesystem::remove(backup, error);
    std::filesystem::rename(path, backup, error);
    // A file that could not move keeps growing rather than lose its entries to a new one.
    return error ? true : StartNewFile(path);
}

bool CTeldrinLogFile::Append(const std::filesystem::path& path, std::string_view bytes) const {
    std::ofstream file(path, std::ios::binary | std::ios::app);
    if (!file) {
        return false;
    }
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

bool CTeldrinLogFile::WriteEntry(unsigned id, std::string_view argument) {
    const std::filesystem::path path = Path();
    const std::string text = EntryText(id, argument);
    if (path.empty() || !OpenForAppend(path) || !Append(path, EntryBytes(id, text))) {
        ReportLost(path, text);
        return false;
    }
    return true;
}

bool CTeldrinLogFile::Clear() {
    const std::filesystem::path path = Path();
    std::error_code error;
    std::filesystem::remove(path, error);
    return !path.empty() && StartNewFile(path);
}

CFileLog::CFileLog(std::function<std::string()> dataFolder)
    : CTeldrinLogFile(kEventLog, std::move(dataFolder)) {}

std::string CFileLog::EntryBytes(unsigned, std::string_view text) const {
    std::string bytes;
    bytes.reserve(text.size() + 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            bytes += '\r';
        }
        bytes += text[i];
    }
    // A one-character text has always been written without a line end.
    if (bytes.size() >= 2 && !bytes.ends_with("\r\n")) {
        bytes += "\r\n";
    }
    return bytes;
}

CFileError::CFileError(std::function<std::string()> dataFolder)
    : CTeldrinLogFile(kErrorLog, std::move(dataFolder)) {}

std::string CFileError::EntryBytes(unsigned id, std::string_view text) const {
    std::string bytes(text);
    if (id == IDS_TELDRIN_VERBATIM) {
        bytes += '\n';
    }
    return bytes + '\n';
}

}  // namespace teldrin
