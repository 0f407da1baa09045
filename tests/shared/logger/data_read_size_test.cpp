// The download size arithmetic over the memory start, end, record pointer, read position, record size
// and the wrap and recording flags.
#include "shared/logger/data_read_size.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    DataMemoryState memory;
    std::int64_t size;
    std::int64_t first;
};

TEST(DataReadSizeTest, FullRead) {
    const Case cases[] = {
        {"linear", {0x4000, 0xFFFF, 0x5000, 0, 10, false, false}, 0xB000, 0xFFFE},
        {"linear and empty", {0x4000, 0xFFFF, 0xFFFF, 0, 10, false, false}, 1, 0xFFFE},
        {"wrapped", {0, 999, 500, 0, 10, true, false}, 980, 479},
        {"wrapped, first block below the start", {100, 1099, 100, 0, 100, true, false}, 800, 899},
        {"wrapped without a record size", {0, 999, 500, 0, 0, true, false}, 0, 499},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        std::int64_t first = -7;
        EXPECT_EQ(SizeOfFullDataRead(test.memory, first), test.size);
        EXPECT_EQ(first, test.first);
    }
}

TEST(DataReadSizeTest, PartialRead) {
    const Case cases[] = {
        {"linear, nothing new", {0x4000, 0xFFFF, 0x5000, 0x5000, 10, false, true}, 0, 0x4FFF},
        {"linear, new data", {0x4000, 0xFFFF, 0x5000, 0x6000, 10, false, true}, 0x1000, 0x5FFF},
        {"linear, read position behind", {0x4000, 0xFFFF, 0x5000, 0x4800, 10, false, true}, 0xB000, 0xFFFE},
        {"wrapped, same place, recording", {0, 999, 500, 500, 10, true, true}, 980, 479},
        {"wrapped, same place, stopped", {0, 999, 500, 500, 10, true, false}, 0, 499},
        {"wrapped, read position below", {0, 999, 500, 400, 10, true, true}, 890, 399},
        {"wrapped, above, stopped", {0, 999, 500, 600, 10, true, false}, 100, 599},
        {"wrapped, one record above, recording", {0, 999, 500, 510, 10, true, true}, 980, 479},
        {"wrapped, above, recording", {0, 999, 500, 600, 10, true, true}, 100, 599},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        std::int64_t first = -7;
        EXPECT_EQ(SizeOfPartialDataRead(test.memory, first), test.size);
        EXPECT_EQ(first, test.first);
    }
}

}  // namespace
