// The simulated data memory: records written downwards round the ring, blocks read from an address
// down, and the read position a read range gives.
#include "tools/loggersim/data_memory.h"

#include <gtest/gtest.h>

#include "tools/loggersim/logger_state.h"

namespace {

LoggerState OrnatWithRing(std::uint32_t start, std::uint32_t end) {
    LoggerState state = InitialLoggerState(*FindLoggerModel("ornat1"));
    ClearDataMemory(state, start, end, 1709816400);
    return state;
}

TEST(DataMemoryTest, RecordsGoDownwardsAndWrapAtTheStart) {
    LoggerState state = OrnatWithRing(0x4000, 0x40FF);
    const int size = state.setups.at(1).GetRecordSize();
    LogRecords(state, 2);
    // The first record from below the end down, the second right under it.
    EXPECT_EQ(state.loggedRecords[0].address, 0x40FFu - size);
    EXPECT_EQ(state.recordPointer, 0x40FFu - 2 * size);
    EXPECT_FALSE(state.wraps);
    // Read from its top down, a record ends with its stamp, most significant byte last.
    const std::vector<std::uint8_t> second = ReadDataMemory(state, 0x40FE - size, size);
    ASSERT_EQ(second.size(), static_cast<std::size_t>(size));
    const auto s = static_cast<std::size_t>(size);
    EXPECT_EQ(std::uint32_t{second[s - 1]} << 16 | std::uint32_t{second[s - 2]} << 8 | second[s - 3],
              state.loggedRecords[1].stamp);

    LogRecords(state, 0x100 / size);
    EXPECT_TRUE(state.wraps);
    EXPECT_GT(state.recordPointer, 0x40FFu - 2u * static_cast<std::uint32_t>(size));
    EXPECT_TRUE(ReadDataMemory(state, 0x4100, 1).empty());  // past the memory
}

TEST(DataMemoryTest, TheReadRangeAnswersItsFirstOperandOrWhereTheTimeMarkIs) {
    LoggerState state = OrnatWithRing(0x4000, 0xFFFF);
    LogRecords(state, 5);
    EXPECT_EQ(ReadRangePosition(state, 0x5000, 0), 0x5000u);
    EXPECT_EQ(ReadRangePosition(state, 0, state.loggedRecords[2].stamp), state.loggedRecords[2].address);
    EXPECT_EQ(ReadRangePosition(state, 0, 1), state.recordPointer);  // no record has that stamp
}

}  // namespace
