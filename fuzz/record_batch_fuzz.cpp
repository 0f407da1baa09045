// Fuzz target of the Quarven's binary record batches: a refused batch leaves nothing behind, and every
// record found is the reply's own bytes at its place.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "shared/logger/record_batch_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    // The first byte chooses the record size, the rest is the reply; its length is what "R?A" gave.
    const auto recordSize = static_cast<std::size_t>(data[0] % 64 + 1);
    const std::span<const std::uint8_t> reply(data + 1, size - 1);
    RecordBatchCache cache;
    if (cache.TakeBinaryBatch(reply, 0, static_cast<int>(recordSize), static_cast<int>(reply.size()) + 2) !=
        0) {
        if (!cache.IsEmpty()) {
            __builtin_trap();
        }
        return 0;
    }
    // Numbers wrap at 100: the second hundred finds the first's records again.
    constexpr std::uint32_t kCapacity = 100;
    for (std::uint32_t number = 0; number < 2 * kCapacity; ++number) {
        bool last = false;
        const std::span<const std::uint8_t> record =
            cache.Find(number, static_cast<int>(recordSize), kCapacity, last);
        if (record.empty()) {
            continue;
        }
        const std::size_t start = 2 + (number % kCapacity) * recordSize;
        if (record.size() != recordSize || start + recordSize > reply.size() ||
            !std::equal(record.begin(), record.end(), reply.begin() + static_cast<std::ptrdiff_t>(start))) {
            __builtin_trap();
        }
    }
    return 0;
}
