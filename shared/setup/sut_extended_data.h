// CSUTExtendedData: the 172-byte last record of a setup table (60 bytes in the old form): start and stop
// times of logging and further logger settings.
#pragma once

#include <cstddef>
#include <cstdint>

#include "shared/setup/raw_block.h"

class CSUTExtendedData {
public:
    static constexpr std::size_t kBlockSize = 172;
    static constexpr std::size_t kOldFormSize = 60;
    static constexpr int kLoggerValues = 6;
    static constexpr int kQuarvenValues = 14;
    static constexpr int kTimedValues = 6;

    // Zero, but a demand window of 15 minutes and the bytes 0x00, 0x8F at offsets 42 and 43.
    CSUTExtendedData();

    // Equal when the start and stop times are.
    bool operator==(const CSUTExtendedData& other) const;

    // 60 bytes when read from a data file (`dataFile`) below version 305 or from a setup-table file
    // below 404, the bytes after them then zero; else 172. False, with the record unchanged, when the
    // bytes run out.
    bool Read(platform::ByteReader& reader, int fileVersion, bool dataFile);
    static bool IsOldFormIn(int fileVersion, bool dataFile) {
        return dataFile ? fileVersion < 305 : fileVersion < 404;
    }
    void Write(platform::ByteWriter& writer) const { block_.Write(writer); }

    // Seconds since 1970 UTC; 0 = not set.
    std::uint32_t GetStartTime() const { return block_.U32(0); }
    void SetStartTime(std::uint32_t time) { block_.SetU32(0, time); }
    std::uint32_t GetStopTime() const { return block_.U32(4); }
    void SetStopTime(std::uint32_t time) { block_.SetU32(4, time); }
    // Sent to loggers below model code 13 right after the two times.
    std::uint8_t GetTimeSetting() const { return block_.U8(8); }
    void SetTimeSetting(std::uint8_t value) { block_.SetU8(8, value); }
    // Values of an older logger's extended setup, index 0-5.
    std::uint32_t GetLoggerValue(int index) const { return block_.U32(10 + 4 * index); }
    void SetLoggerValue(int index, std::uint32_t value) { block_.SetU32(10 + 4 * index, value); }
    // A time value of the logger's extended setup; 0 when it gives none.
    std::uint32_t GetLoggerTime() const { return block_.U32(34); }
    void SetLoggerTime(std::uint32_t time) { block_.SetU32(34, time); }
    std::uint32_t GetDemandWindow() const { return block_.U32(38); }
    void SetDemandWindow(std::uint32_t minutes) { block_.SetU32(38, minutes); }
    // The last two bytes of the time block of loggers below model code 13.
    std::uint8_t GetTimeBlockByte1() const { return block_.U8(42); }
    void SetTimeBlockByte1(std::uint8_t value) { block_.SetU8(42, value); }
    std::uint8_t GetTimeBlockByte2() const { return block_.U8(43); }
    void SetTimeBlockByte2(std::uint8_t value) { block_.SetU8(43, value); }
    // Models 1 and 2 keep their peak-demand window in those two bytes: the channel that calculates it
    // (0 none, else 5 or 6), then the window's minutes in bits 0-6 and its option switched off in bit 7.
    int GetPeakDemandChannel() const { return GetTimeBlockByte1(); }
    int GetPeakWindowMinutes() const { return GetTimeBlockByte2() & 0x7F; }
    bool IsPeakWindowOptionOff() const { return (GetTimeBlockByte2() & 0x80) != 0; }
    // The fourteen values of a Quarven logger's extended read, index 0-13.
    float GetQuarvenValue(int index) const { return block_.F32(44 + 4 * index); }
    void SetQuarvenValue(int index, float value) { block_.SetF32(44 + 4 * index, value); }
    // The six timed values of a Quarven logger's extended read, index 0-5: a value and an 8-byte time.
    float GetTimedValue(int index) const { return block_.F32(100 + 12 * index); }
    std::int64_t GetTimedValueTime(int index) const;
    void SetTimedValue(int index, float value, std::int64_t time);

    const RawBlock<kBlockSize>& GetBlock() const { return block_; }

private:
    RawBlock<kBlockSize> block_;
};
