// Questions about a file name the user chose in a file dialog.
#pragma once

#include <filesystem>
#include <string_view>

// True when `path` ends in `extension` (".csv", in any case), or when the user answers Yes to text
// `questionId`, whose %s takes the name.
bool ConfirmExtension(const std::filesystem::path& path, std::string_view extension, unsigned questionId);
