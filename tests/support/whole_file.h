// Whole files as text in one call, for tests that write a file by hand and read what code wrote.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

void WriteWholeFile(const std::filesystem::path& path, std::string_view content);
// Empty when the file cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace testsupport
