// The baud rates a logger-list entry offers: the direct list shows the whole table, the modem list the
// same table from its start.
#pragma once

#include <cstdint>

inline constexpr int kBaudCount = 8;
// The indexes a rate outside the table shows as.
inline constexpr int kDirectBaudDefault = 7;
inline constexpr int kModemBaudDefault = 3;

std::int32_t BaudRateAt(int index);
// The index of `rate`, or `defaultIndex` when the table lacks it.
int BaudIndexOf(std::int32_t rate, int defaultIndex);
