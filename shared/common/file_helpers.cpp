// File and folder tests, the folder check of the settings dialogs and the newest logger firmware.
#include "shared/common/file_helpers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "shared/common/user_data_folder.h"

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           StartsWithIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// The version in a firmware file name, 0 when it has none.
double FirmwareVersion(std::string_view name) {
    constexpr std::string_view kExtension = ".hex";
    std::string digits(name.substr(2, name.size() - 2 - kExtension.size()));
    if (digits.size() < 6) {
        digits.append(6 - digits.size(), '0');
    }
    long long number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number > 0 ? static_cast<double>(number) / 1000.0 : 0.0;
}

}  // namespace

bool PathExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool IsDirectory(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

int ValidateDirectoryPath(std::string& path) {
    std::error_code error;
    const std::string current = std::filesystem::current_path(error).string();
    if (path.empty()) {
        path = current;
        return kFolderReplaced;
    }
    int result = kFolderAsGiven;
    std::string candidate = path;
    if (candidate.front() != '/') {
        candidate = (std::filesystem::path(current) / candidate).string();
        result = kFolderMadeAbsolute;
    }
    if (candidate.size() > 1 && candidate.back() == '/') {
        candidate.pop_back();
    }
    if (!IsDirectory(candidate)) {
        path = current;
        return kFolderReplaced;
    }
    path = candidate;
    return result;
}

std::filesystem::path FindNewestLoggerFirmware(const std::filesystem::path& firmwareFolder, double& version) {
    version = 0;
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(firmwareFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        std::error_code typeError;
        if (!entry->is_directory(typeError) && StartsWithIgnoringCase(name, "NX4") &&
            EndsWithIgnoringCase(name, ".hex")) {
            names.push_back(name);
        }
    }
    // The folder's order is the file system's: sort, so that the first of equal versions is always
    // the same file.
    std::sort(names.begin(), names.end());
    std::filesystem::path newest;
    for (const std::string& name : names) {
        const double candidate = FirmwareVersion(name);
        if (candidate > version) {
            version = candidate;
            newest = firmwareFolder / name;
        }
    }
    return newest;
}

std::filesystem::path FindNewestLoggerFirmware(double& version) {
    return FindNewestLoggerFirmware(UserDataFolder() / "Firmware", version);
}
