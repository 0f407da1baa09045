// The data-file name a download proposes.
#include "kivo32/app/download_name.h"

#include <algorithm>

#include "platform/base/windows1252.h"
#include "shared/datafile/data_file_names.h"

namespace {

constexpr std::string_view kRefusedCharacters = "/\\:*?\"<>|";
constexpr const char* kNameWithoutDescription = "Data";

bool FitsFileName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F && kRefusedCharacters.find(c) == std::string_view::npos;
}

}  // namespace

std::string FileNameBaseOf(std::string_view description) {
    std::string base(description);
    std::replace_if(base.begin(), base.end(), [](char c) { return !FitsFileName(c); }, '_');
    // "." and ".." and names of blanks name no file of their own.
    if (base.find_first_not_of(". ") == std::string::npos) {
        return kNameWithoutDescription;
    }
    return base;
}

std::filesystem::path ProposeDownloadName(const std::filesystem::path& dataFolder, std::string_view description) {
    // The description is a logger text (Windows-1252); file names are UTF-8.
    return MakeNumberedFileName(dataFolder, platform::Windows1252ToUtf8(FileNameBaseOf(description)));
}
