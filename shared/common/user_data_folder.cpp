// The user data folder below the XDG documents folder.
#include "shared/common/user_data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    return {};
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs: "$HOME/<relative>" or an absolute path, in quotes.
std::optional<std::filesystem::path> DocumentsFromUserDirs(const std::filesystem::path& home) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path config =
        configHome != nullptr && *configHome == '/' ? std::filesystem::path(configHome) : home / ".config";
    std::ifstream file(config / "user-dirs.dirs");
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    std::string line;
    while (std::getline(file, line)) {
        std::string_view text = line;
        text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
        if (!text.starts_with(kKey)) {
            continue;
        }
        text.remove_prefix(kKey.size());
        if (text.size() < 2 || text.front() != '"' || text.find('"', 1) == std::string_view::npos) {
            return std::nullopt;
        }
        text = text.substr(1, text.find('"', 1) - 1);
        if (text == "$HOME") {
            return home;
        }
        if (text.starts_with("$HOME/")) {
            return home / std::string(text.substr(6));
        }
        if (text.starts_with("/")) {
            return std::filesystem::path(std::string(text));
        }
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

bool GetUserDataFolder(std::filesystem::path& folder) {
    const std::filesystem::path home = HomeFolder();
    if (home.empty()) {
        folder.clear();
        return false;
    }
    const std::filesystem::path documents = DocumentsFromUserDirs(home).value_or(home / "Documents");
    folder = documents / "TARV" / "KIVO";
    return true;
}

std::filesystem::path UserDataFolder() {
    std::filesystem::path folder;
    GetUserDataFolder(folder);
    return folder;
}
