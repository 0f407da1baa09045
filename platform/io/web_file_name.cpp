// Plain file names from web pages: a name that would leave its folder or name a folder is refused.
#include "platform/io/web_file_name.h"

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::optional<std::filesystem::path> WebFileInFolder(const std::filesystem::path& folder,
                                                     std::string_view name) {
    if (!IsPlainFileName(name)) {
        return std::nullopt;
    }
    return folder / std::filesystem::path(name);
}
