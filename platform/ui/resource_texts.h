// The resource libraries: the English texts compiled in, or the French ones chosen at start-up.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/text_table.h"

namespace platform {

// The resource libraries of the two languages.
inline constexpr std::string_view kEnglishResources = "KivoRes";
inline constexpr std::string_view kFrenchResources = "KivoResFR";

// Makes the texts of `library` the program's texts (LoadText): kFrenchResources loads the French
// files, anything else the English table. A French text whose placeholders differ from the English
// text's gives way to the English text. False when the French files could not be loaded; the English
// texts then serve, as the program's own resources did when a resource library was missing.
bool LoadResourceLibrary(std::string_view library);

// The English table compiled in.
TextTable EnglishTexts();
// Every *.txt of `folder` in one table (the files are Windows-1252, as the texts are). nullopt, with the
// file and line in `error`, when a file cannot be read or holds a malformed line.
std::optional<TextTable> LoadTextFolder(const std::filesystem::path& folder, std::string* error = nullptr);
// The folder of the translations in `language` ("fr") beside the program: texts/<language> or
// ../share/kivo/texts/<language> (installed, and in a build tree).
std::optional<std::filesystem::path> FindTextFolder(std::string_view language);

}  // namespace platform
