// Names of new data files: the temporary name of an extracted range and the numbered name that the
// save dialog offers.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// "<title>Temp<n><extension>" in `workFolder` (the title and extension of `source`, n from 0): the first
// that no file has; nullopt when the first 100 are all taken.
std::optional<std::filesystem::path> MakeTempFileName(const std::filesystem::path& source,
                                                      const std::filesystem::path& workFolder);

// "<baseName>-01<extension>" in `folder`, the number going up while a file of that name exists; it has
// at least two digits (02 to 09, then 10 to 99, then 100 and on). A name that cannot be checked ends the
// count.
std::filesystem::path MakeNumberedFileName(const std::filesystem::path& folder, std::string_view baseName,
                                           std::string_view extension = ".kivo");
