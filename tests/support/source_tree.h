// The source files of the programs' code in a source tree, for the tests that check the tree itself.
#pragma once

#include <filesystem>
#include <vector>

namespace testsupport {

// Every .h and .cpp under platform/, shared/, kivo32/, teldrin/ and tools/ of `root` (tests, fuzz
// targets and benchmarks are no program code), in a stable order.
std::vector<std::filesystem::path> ProgramSourceFiles(const std::filesystem::path& root);

}  // namespace testsupport
