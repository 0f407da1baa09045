// Runs a fuzz target without libFuzzer: every file of a seed folder, then pseudo-random inputs from a
// fixed seed (also seed files cut short and with flipped bytes), so that the sanitizer build exercises
// the parser on each test run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

void Run(const Bytes& input) { LLVMFuzzerTestOneInput(input.data(), input.size()); }

std::vector<Bytes> ReadSeeds(const std::filesystem::path& folder) {
    std::vector<Bytes> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return seeds;
}

}  // namespace

int main(int argc, char** argv) {
    // Without seeds a target sees only random bytes, which its parser refuses at the first byte: a
    // missing or empty seed folder is a fault of the test, not a pass.
    const bool folderGiven = argc == 2 && std::filesystem::is_directory(argv[1]);
    const std::vector<Bytes> seeds = folderGiven ? ReadSeeds(argv[1]) : std::vector<Bytes>{};
    if (seeds.empty()) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER (a folder holding seed inputs)\n", argv[0]);
        return 2;
    }
    std::mt19937 random(12345);
    std::size_t runs = 0;

    for (const Bytes& seed : seeds) {
        Run(seed);
        for (std::size_t cut = 0; cut < seed.size(); cut += 1 + seed.size() / 64) {
            Run(Bytes(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(cut)));
        }
        for (int flip = 0; flip < 200 && !seed.empty(); ++flip) {
            Bytes changed = seed;
            changed[random() % changed.size()] = static_cast<std::uint8_t>(random());
            Run(changed);
        }
        runs += 1;
    }
    for (int i = 0; i < 2000; ++i) {
        Bytes input(random() % 4096);
        for (auto& byte : input) {
            byte = static_cast<std::uint8_t>(random());
        }
        Run(input);
    }
    std::printf("replayed %zu seeds and 2000 random inputs\n", runs);
    return 0;
}
