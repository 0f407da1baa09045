// The texts-by-id files of resources/texts/<language>/<area>.txt, for tests.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/base/text_table.h"

namespace testsupport {

inline std::filesystem::path ResourceTextsFile(const std::string& language, const std::string& area) {
    const std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    return root / "resources" / "texts" / language / (area + ".txt");
}

// Throws when the file is missing or malformed.
inline platform::TextTable LoadResourceTexts(const std::string& language, const std::string& area) {
    std::string error;
    auto table = platform::TextTable::LoadFile(ResourceTextsFile(language, area), &error);
    if (!table) {
        throw std::runtime_error(error);
    }
    return std::move(*table);
}

}  // namespace testsupport
