// RecordBatchCache: the last batch of Quarven records that "R?D," brought, so that one reply serves
// many record numbers, and the checks a binary batch must pass before it is taken.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class RecordBatchCache {
public:
    // The most a reply brings, and so the most the cache holds.
    static constexpr std::size_t kCapacity = 5136;
    // Why a binary batch was refused (the record engine's error codes).
    static constexpr int kNoRecords = 2;
    static constexpr int kWrongLength = 3;
    static constexpr int kTooManyRecords = 4;
    static constexpr int kNoLineEnd = 5;

    // Forgets what it holds.
    void Clear();
    bool IsEmpty() const { return count_ == 0; }
    // Record `number` of `recordSize` bytes when the cache holds it (numbers wrap at `capacity`);
    // `lastOfAll` is set when it is the last record of the logger's last batch.
    std::span<const std::uint8_t> Find(std::uint32_t number, int recordSize, std::uint32_t capacity,
                                       bool& lastOfAll) const;
    // Takes the binary reply to "R?D,`first`" (as the link left it: count, records, CR LF and 4
    // bytes) when it is `replyLength` - 2 bytes long and its count fits: 0, or the code of the refusal,
    // which leaves the cache empty.
    int TakeBinaryBatch(std::span<const std::uint8_t> reply, std::uint32_t first, int recordSize,
                        int replyLength);
    // Takes the checked hex dump of one record as record `first`.
    void TakeRecord(std::span<const std::uint8_t> record, std::uint32_t first);

private:
    std::vector<std::uint8_t> records_;
    int count_ = 0;
    std::uint32_t first_ = 0;
    bool last_batch_ = false;
};
