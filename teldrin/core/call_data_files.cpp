#include "teldrin/core/call_data_files.h"

#include <cctype>
#include <system_error>

#include "platform/base/windows1252.h"
#include "shared/datafile/data_file_names.h"

namespace teldrin {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataExtension = ".kivo";

bool IsFolder(std::string_view folder) {
    std::error_code error;
    return !folder.empty() && fs::is_directory(platform::PathFromWindows1252(folder), error);
}

// The number of a file name after "<serial>-": its digits up to the end or the first "."; -1 for a name
// with anything else there.
int FileNumber(std::string_view rest) {
    const std::size_t dot = rest.find('.');
    const std::string_view digits = rest.substr(0, dot);
    if (digits.empty() || digits.size() > 9) {
        return -1;
    }
    int number = 0;
    for (const char digit : digits) {
        if (std::isdigit(static_cast<unsigned char>(digit)) == 0) {
            return -1;
        }
        number = number * 10 + (digit - '0');
    }
    return number;
}

}  // namespace

std::optional<fs::path> CallDataFolder(std::string_view entryFolder, std::string_view dataDir) {
    for (const std::string_view folder : {entryFolder, dataDir}) {
        if (IsFolder(folder)) {
            return platform::PathFromWindows1252(folder);
        }
    }
    return std::nullopt;
}

std::string SerialForFileName(std::string_view serial) {
    std::string name;
    for (const char c : serial) {
        const auto byte = static_cast<unsigned char>(c);
        if (c != '/' && byte >= 0x20 && byte != 0x7F) {
            name += c;
        }
    }
    while (!name.empty() && name.back() == ' ') {
        name.pop_back();
    }
    return name;
}

std::optional<fs::path> NextDataFilePath(const fs::path& folder, std::string_view serial) {
    const std::string base = platform::PathFromWindows1252(SerialForFileName(serial)).string();
    const fs::path path = MakeNumberedFileName(folder, base, kDataExtension);
    const std::string stem = path.stem().string();
    if (FileNumber(std::string_view(stem).substr(base.size() + 1)) > kMaxDataFiles) {
        return std::nullopt;
    }
    return path;
}

std::optional<fs::path> NewestDataFilePath(const fs::path& folder, std::string_view serial) {
    const std::string prefix = platform::PathFromWindows1252(SerialForFileName(serial)).string() + "-";
    std::optional<fs::path> newest;
    int highest = 0;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(kDataExtension) || entry->is_directory(error)) {
            continue;
        }
        const int number = FileNumber(std::string_view(name).substr(prefix.size()));
        if (number > highest) {
            highest = number;
            newest = entry->path();
        }
    }
    return newest;
}

}  // namespace teldrin
