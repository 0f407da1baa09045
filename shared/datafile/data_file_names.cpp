// Names of new data files: temporary names of extracted ranges and numbered names for the save dialog.
#include "shared/datafile/data_file_names.h"

#include <system_error>

#include "platform/base/string_format.h"

namespace {

constexpr int kTempNameTries = 100;

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

}  // namespace

std::optional<std::filesystem::path> MakeTempFileName(const std::filesystem::path& source,
                                                      const std::filesystem::path& workFolder) {
    const std::string title = source.stem().string();
    const std::string extension = source.extension().string();
    for (int number = 0; number < kTempNameTries; ++number) {
        auto candidate =
            workFolder / platform::StringPrintf("%sTemp%d%s", title.c_str(), number, extension.c_str());
        if (!Exists(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::filesystem::path MakeNumberedFileName(const std::filesystem::path& folder, std::string_view baseName,
                                           std::string_view extension) {
    const std::string base(baseName);
    const std::string ending(extension);
    for (int number = 1;; ++number) {
        auto candidate = folder / platform::StringPrintf("%s-%02d%s", base.c_str(), number, ending.c_str());
        // Only a name that surely exists is passed over: one that cannot be checked (a folder that cannot
        // be read, a name too long) is offered as it is, else the count would never end.
        std::error_code error;
        if (!std::filesystem::exists(candidate, error)) {
            return candidate;
        }
    }
}
