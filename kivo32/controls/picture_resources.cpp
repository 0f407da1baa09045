// The program's reference pictures by resource id.
#include "kivo32/controls/picture_resources.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/ui/qt_text.h"

namespace {

std::filesystem::path& ChosenFolder() {
    static std::filesystem::path folder;
    return folder;
}

std::vector<std::filesystem::path> Folders() {
    if (!ChosenFolder().empty()) {
        return {ChosenFolder()};
    }
    const std::filesystem::path program = platform::PathFromQString(QCoreApplication::applicationDirPath());
    return {program / "pictures", program / ".." / "share" / "kivo" / "pictures"};
}

}  // namespace

void SetPictureResourceFolder(const std::filesystem::path& folder) {
    ChosenFolder() = folder;
}

std::optional<std::vector<std::uint8_t>> LoadPictureResource(unsigned id, std::string_view type) {
    std::string extension(type);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const auto& folder : Folders()) {
        std::ifstream file(folder / (std::to_string(id) + "." + extension), std::ios::binary);
        if (file) {
            return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
        }
    }
    return std::nullopt;
}
