// The size arithmetic of full and partial downloads.
#include "shared/logger/data_read_size.h"

std::int64_t SizeOfFullDataRead(const DataMemoryState& m, std::int64_t& first) {
    if (!m.wraps) {
        first = m.end - 1;
        return m.end - m.recordPointer + 1;
    }
    // Two records short of the whole memory: the ones the logger is writing over may be torn.
    const std::int64_t size = m.recordSize >= 1 ? ((m.end - m.start + 1) / m.recordSize - 2) * m.recordSize : 0;
    const std::int64_t a = m.start - m.end - 2 + m.recordPointer + size;
    first = a > m.start ? a : m.end + 1 + (a - m.start);
    return size;
}

std::int64_t SizeOfPartialDataRead(const DataMemoryState& m, std::int64_t& first) {
    first = m.readPosition - 1;
    const std::int64_t p = m.readPosition;
    const std::int64_t o = m.recordPointer;
    if (!m.wraps) {
        if (p == o) {
            return 0;
        }
        if (p > o) {
            return p - o;
        }
        first = m.end - 1;
        return m.end - o + 1;
    }
    if (p == o) {
        return m.recording ? SizeOfFullDataRead(m, first) : 0;
    }
    if (p < o) {
        return p - o - m.start + m.end - m.recordSize + 1;
    }
    if (m.recording && p - m.recordSize == o) {
        return SizeOfFullDataRead(m, first);
    }
    return p - o;
}
