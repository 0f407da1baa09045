// The Quarven record cache: binary batches taken or refused by their count, length and line end, and
// records found across the wrap of the numbering.
#include "shared/logger/record_batch_cache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kRecordSize = 12;

// A batch reply as the link leaves it: count, `records` records (byte i of record r is r * 16 + i),
// padding to `length` - 2 bytes with CR LF and 4 more bytes at its end.
std::vector<std::uint8_t> Batch(int count, int records, int length) {
    std::vector<std::uint8_t> reply{static_cast<std::uint8_t>(count & 0xFF),
                                    static_cast<std::uint8_t>((count >> 8) & 0xFF)};
    for (int r = 0; r < records; ++r) {
        for (int i = 0; i < kRecordSize; ++i) {
            reply.push_back(static_cast<std::uint8_t>(r * 16 + i));
        }
    }
    reply.resize(static_cast<std::size_t>(length - 2 - 6), 0);
    for (const char c : std::string("\r\n\r\n>")) {
        reply.push_back(static_cast<std::uint8_t>(c));
    }
    reply.push_back(0);
    return reply;
}

TEST(RecordBatchCacheTest, RefusesBatchesThatDoNotHoldWhatTheyClaim) {
    constexpr int kLength = 10 + 4 * kRecordSize;
    constexpr int kLongest = 10 + 427 * kRecordSize;
    struct Case {
        const char* name;
        std::vector<std::uint8_t> reply;
        int length;
        int code;
    };
    std::vector<std::uint8_t> noLineEnd = Batch(4, 4, kLength);
    noLineEnd[noLineEnd.size() - 6] = 'X';
    std::vector<std::uint8_t> cutShort = Batch(4, 4, kLength);
    cutShort.resize(cutShort.size() - 3);
    const Case cases[] = {
        {"whole", Batch(4, 4, kLength), kLength, 0},
        {"a short last batch padded", Batch(-2, 2, kLength), kLength, 0},
        {"count zero", Batch(0, 0, kLength), kLength, RecordBatchCache::kNoRecords},
        {"nothing", {}, kLength, RecordBatchCache::kNoRecords},
        {"three bytes short", cutShort, kLength, RecordBatchCache::kWrongLength},
        {"a count past the reply's end", Batch(5, 4, kLength), kLength, RecordBatchCache::kTooManyRecords},
        {"a count past the buffer", Batch(430, 4, kLength), kLength, RecordBatchCache::kTooManyRecords},
        {"no line end", noLineEnd, kLength, RecordBatchCache::kNoLineEnd},
        // The count's records and 5 bytes must stay below 0x1409: 427 records of 12 bytes reach it.
        {"a count just below the batch limit", Batch(426, 426, kLongest), kLongest, 0},
        {"a count at the batch limit", Batch(427, 427, kLongest), kLongest,
         RecordBatchCache::kTooManyRecords},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        RecordBatchCache cache;
        EXPECT_EQ(cache.TakeBinaryBatch(test.reply, 7, kRecordSize, test.length), test.code);
        EXPECT_EQ(cache.IsEmpty(), test.code != 0);
    }
}

TEST(RecordBatchCacheTest, FindsRecordsAcrossTheWrapAndMarksTheLastOfTheLastBatch) {
    constexpr std::uint32_t kCapacity = 50;
    RecordBatchCache cache;
    ASSERT_EQ(
        cache.TakeBinaryBatch(Batch(-4, 4, 10 + 4 * kRecordSize), 48, kRecordSize, 10 + 4 * kRecordSize), 0);
    const struct {
        std::uint32_t number;
        int record;  // -1: not held
        bool last;
    } cases[] = {{48, 0, false}, {49, 1, false},  {0, 2, false}, {1, 3, true},
                 {2, -1, false}, {47, -1, false}, {98, 0, false}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.number);
        bool last = false;
        const std::span<const std::uint8_t> record = cache.Find(test.number, kRecordSize, kCapacity, last);
        if (test.record < 0) {
            EXPECT_TRUE(record.empty());
            continue;
        }
        ASSERT_EQ(record.size(), static_cast<std::size_t>(kRecordSize));
        EXPECT_EQ(record[0], test.record * 16);
        EXPECT_EQ(last, test.last);
    }
    cache.Clear();
    bool last = false;
    EXPECT_TRUE(cache.Find(48, kRecordSize, kCapacity, last).empty());
}

}  // namespace
