#include "shared/loggerlist/baud_table.h"

namespace {

constexpr std::int32_t kBaudRates[kBaudCount] = {1200, 2400, 4800, 9600, 14400, 19200, 28800, 57600};

}  // namespace

std::int32_t BaudRateAt(int index) {
    return index >= 0 && index < kBaudCount ? kBaudRates[index] : kBaudRates[kDirectBaudDefault];
}

int BaudIndexOf(std::int32_t rate, int defaultIndex) {
    for (int index = 0; index < kBaudCount; ++index) {
        if (kBaudRates[index] == rate) {
            return index;
        }
    }
    return defaultIndex;
}
