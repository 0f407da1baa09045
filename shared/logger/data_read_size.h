// How much of the data memory a download reads, and from where: the arithmetic over the memory start
// S, end E, record pointer O, read position P, record size R and the wrap and recording flags.
#pragma once

#include <cstdint>

struct DataMemoryState {
    std::int64_t start = 0;          // S
    std::int64_t end = 0;            // E
    std::int64_t recordPointer = 0;  // O
    std::int64_t readPosition = 0;   // P: the first record of the next partial download
    std::int64_t recordSize = 0;     // R, of the active setup
    bool wraps = false;
    bool recording = false;
};

// Bytes of a full download; `first` the address its first block ends at.
std::int64_t SizeOfFullDataRead(const DataMemoryState& memory, std::int64_t& first);
// Bytes of a download of the data written since the read position.
std::int64_t SizeOfPartialDataRead(const DataMemoryState& memory, std::int64_t& first);
