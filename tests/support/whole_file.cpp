// Whole files as text in one call.
#include "tests/support/whole_file.h"

#include <fstream>
#include <iterator>

namespace testsupport {

void WriteWholeFile(const std::filesystem::path& path, std::string_view content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace testsupport
