// The source files of the programs' code in a source tree, for the tests that check the tree itself.
#include "tests/support/source_tree.h"

#include <algorithm>

namespace testsupport {

std::vector<std::filesystem::path> ProgramSourceFiles(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const char* folder : {"platform", "shared", "kivo32", "teldrin", "tools"}) {
        if (!fs::is_directory(root / folder)) {
            continue;
        }
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path& file = entry.path();
            if (entry.is_regular_file() && (file.extension() == ".h" || file.extension() == ".cpp")) {
                files.push_back(file);
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace testsupport
