// Tests of the interval code table and its lookups.
#include "shared/setup/interval_codes.h"

#include <gtest/gtest.h>

namespace {

struct IntervalRow {
    int code;
    long seconds;
    std::uint8_t loggerByte;
    long recordsPerDay;
};

// The table as the layout gives it, row by row.
const IntervalRow kRows[] = {
    {0, 60, 0x01, 1440},  {1, 300, 0x05, 288},  {2, 900, 0x0F, 96},   {3, 1800, 0x1E, 48},
    {4, 3600, 0x81, 24},  {5, 43200, 0x8C, 2},  {6, 86400, 0x98, 1},  {7, 1, 0xC0, 43200},
    {8, 5, 0x45, 17280},  {9, 10, 0x4A, 8640},  {10, 15, 0x4F, 5760}, {11, 30, 0x5E, 2880},
    {12, 3, 0x43, 28800}, {13, 120, 0x02, 720}, {14, 600, 0x0A, 144}, {15, 1200, 0x14, 72},
    {16, 1, 0x41, 86400},
};

TEST(IntervalCodes, EveryCodeLooksUpItsRow) {
    for (const IntervalRow& row : kRows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(IntervalCodeToSeconds(row.code), row.seconds);
        EXPECT_EQ(IntervalCodeToLoggerByte(row.code), row.loggerByte);
        EXPECT_EQ(IntervalCodeToRecordsPerDay(row.code), row.recordsPerDay);
        EXPECT_EQ(LoggerIntervalToCode(row.loggerByte), row.code);
    }
}

TEST(IntervalCodes, CodesOutsideTheTableGiveZero) {
    for (int code : {-1, 17, 254, 255}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(IntervalCodeToSeconds(code), 0);
        EXPECT_EQ(IntervalCodeToLoggerByte(code), 0);
        EXPECT_EQ(IntervalCodeToRecordsPerDay(code), 0);
    }
}

TEST(IntervalCodes, CodeSevenCountsHalfADayOfOneSecondRecords) {
    // Deliberate: loggers that report 0xC0 rely on 43200, not 86400.
    EXPECT_EQ(IntervalCodeToSeconds(7), 1);
    EXPECT_EQ(IntervalCodeToRecordsPerDay(7), 43200);
    EXPECT_EQ(LoggerIntervalToCode(0xC0), 7);
    EXPECT_EQ(SecondsToIntervalCode(1), 16);
}

TEST(IntervalCodes, SecondsToCode) {
    const struct {
        long seconds;
        int code;
    } cases[] = {{1, 16},    {3, 12},    {5, 8},    {10, 9},  {15, 10},   {30, 11},  {60, 0},
                 {120, 13},  {300, 1},   {600, 14}, {900, 2}, {1200, 15}, {1800, 3}, {3600, 4},
                 {43200, 5}, {86400, 6}, {0, 0},    {2, 0},   {-60, 0},   {7200, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(SecondsToIntervalCode(c.seconds), c.code) << c.seconds;
    }
}

TEST(IntervalCodes, UnknownLoggerByteGivesCodeZero) {
    EXPECT_EQ(LoggerIntervalToCode(0x33), 0);
    EXPECT_EQ(LoggerIntervalToCode(0x00), 0);
    EXPECT_EQ(LoggerIntervalToCode(0xFF), 0);
}

}  // namespace
