// The Quarven record cache and the checks of a binary batch.
#include "shared/logger/record_batch_cache.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A batch: a 16-bit count, the records, CR LF and 4 more bytes.
constexpr int kCountSize = 2;
constexpr int kTailSize = 6;
// The most records a batch may claim, by its count's bytes: c x Rs + 5 below 0x1409.
constexpr int kBatchLimit = 0x1409;

}  // namespace

void RecordBatchCache::Clear() {
    records_.clear();
    count_ = 0;
    last_batch_ = false;
}

std::span<const std::uint8_t> RecordBatchCache::Find(std::uint32_t number, int recordSize,
                                                     std::uint32_t capacity, bool& lastOfAll) const {
    if (count_ == 0 || recordSize <= 0) {
        return {};
    }
    // A batch that crosses the end of the numbering goes on from record 0.
    const std::uint32_t offset =
        capacity == 0 ? number - first_ : (number % capacity + capacity - first_ % capacity) % capacity;
    const auto size = static_cast<std::size_t>(recordSize);
    if (offset >= static_cast<std::uint32_t>(count_) || (offset + 1) * size > records_.size()) {
        return {};
    }
    lastOfAll = last_batch_ && offset + 1 == static_cast<std::uint32_t>(count_);
    return std::span<const std::uint8_t>(records_).subspan(offset * size, size);
}

int RecordBatchCache::TakeBinaryBatch(std::span<const std::uint8_t> reply, std::uint32_t first,
                                      int recordSize, int replyLength) {
    Clear();
    const auto received = static_cast<int>(std::min(reply.size(), kCapacity));
    if (received < kCountSize || recordSize <= 0) {
        return kNoRecords;
    }
    int count = static_cast<std::int16_t>(reply[0] | reply[1] << 8);
    const bool lastBatch = count < 0;
    count = std::abs(count);
    if (count == 0) {
        return kNoRecords;
    }
    if (received != replyLength - 2) {
        return kWrongLength;
    }
    // A count whose records would run past the reply's own line end is refused as well.
    if (count * recordSize + 5 >= kBatchLimit || kCountSize + count * recordSize > received - kTailSize) {
        return kTooManyRecords;
    }
    if (reply[static_cast<std::size_t>(received - kTailSize)] != '\r' ||
        reply[static_cast<std::size_t>(received - kTailSize + 1)] != '\n') {
        return kNoLineEnd;
    }
    const auto start = reply.begin() + kCountSize;
    records_.assign(start, start + count * recordSize);
    count_ = count;
    first_ = first;
    last_batch_ = lastBatch;
    return 0;
}

void RecordBatchCache::TakeRecord(std::span<const std::uint8_t> record, std::uint32_t first) {
    records_.assign(record.begin(), record.end());
    count_ = 1;
    first_ = first;
    last_batch_ = false;
}
