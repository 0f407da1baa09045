// RunInParts: a conversion of many like items shared among a few threads.
#include "shared/datafile/parallel_parts.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// More threads gain little: reading the file and writing the result stay on one.
constexpr std::size_t kMostParts = 4;

}  // namespace

std::size_t PartCount(std::size_t count, std::size_t leastPerPart) {
    const std::size_t cores = std::max<std::size_t>(1, std::thread::hardware_concurrency());
    return std::clamp<std::size_t>(std::min(cores, count / std::max<std::size_t>(1, leastPerPart)), 1,
                                   kMostParts);
}

bool RunInParts(std::size_t count, std::size_t leastPerPart,
                const std::function<bool(std::size_t part, std::size_t first, std::size_t last)>& work) {
    const std::size_t parts = PartCount(count, leastPerPart);
    const std::size_t share = (count + parts - 1) / parts;
    const auto runOf = [&](std::size_t part) {
        const std::size_t first = std::min(count, part * share);
        return std::pair{first, std::min(count, first + share)};
    };
    std::vector<char> done(parts, 1);
    std::vector<std::thread> helpers;
    for (std::size_t part = 1; part < parts; ++part) {
        // A pair, not a structured binding: clang 14 lets no lambda capture the names of one.
        const std::pair run = runOf(part);
        const auto doPart = [&done, &work, part, run] {
            done[part] = work(part, run.first, run.second) ? 1 : 0;
        };
        try {
            helpers.emplace_back(doPart);
        } catch (const std::system_error&) {
            doPart();
        }
    }
    const auto [first, last] = runOf(0);
    done[0] = work(0, first, last) ? 1 : 0;
    for (std::thread& helper : helpers) {
        helper.join();
    }
    return std::all_of(done.begin(), done.end(), [](char ok) { return ok != 0; });
}
