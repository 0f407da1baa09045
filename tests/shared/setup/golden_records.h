// The records of a new setup table as byte vectors written by hand from the layout tables.
#pragma once

#include <cstdint>

#include "tests/shared/setup/golden_bytes.h"

namespace golden {

// Interval code 2 and the option byte of the default line frequency.
inline Bytes NewHeader(std::uint8_t option) {
    return Zeros(52) + Bytes({0x02, option}) + Zeros(6);
}

inline Bytes NewHardware() {
    return Hex("00 41 41 00") + Hex("00 00 80 3F") + Hex("00 00 C8 42") + Hex("00 00 01 00 00 00") +
           Hex("00 00 80 3F") + Zeros(10) + Hex("01") + Zeros(21) + Text("VoltsDC", 9) +
           Zeros(80 + 1 + 21 + 1) + Hex("00 00") + Hex("CD CC 8C 3F");
}
// The first 166 bytes: the padding byte at 165 is zero like the new record's.
inline Bytes NewHardwareOldForm() {
    Bytes bytes = NewHardware();
    bytes.resize(166);
    return bytes;
}

inline Bytes NewSoftware() {
    return Zeros(104) + Hex("01 00 01 00 00 00 00 00") + Hex("00 00 01 00 00 00") + Zeros(78);
}
inline Bytes NewPulse() {
    return Zeros(34);
}
inline Bytes NewAnalog() {
    return Hex("00 01") + Zeros(58);
}
inline Bytes NewAlarmSet() {
    return Zeros(72);
}
inline Bytes NewExtended() {
    return Zeros(38) + Hex("0F 00 00 00 00 8F") + Zeros(128);
}

}  // namespace golden
