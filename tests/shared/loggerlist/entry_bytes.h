// Entry records written by hand from the record's layout, for the golden tests of the logger lists.
#pragma once

#include "tests/shared/setup/golden_bytes.h"

namespace entrybytes {

using golden::Bytes;
using golden::Hex;
using golden::Zeros;
using golden::operator+;

// A fresh entry: zeros but the baud rate, the connection type (both copies), the schedule defaults
// (code 1, tasks 2, no single call) and the kept spares (1, no second time, 100).
inline Bytes FreshEntry(const Bytes& baudRate, const Bytes& type16, const Bytes& type8) {
    return Zeros(244) + baudRate + Hex("00 00") + type16 + Zeros(18) + Hex("01 02 FF FF FF FF") + Zeros(154) +
           Hex("01 00 FF FF FF FF 64 00") + Zeros(4) + type8 + Zeros(19);
}

// kivo32's at 57600 baud (modem), and teldrin's (type 0) at 9600.
inline Bytes Kivo32Entry() {
    return FreshEntry(Hex("00 E1 00 00"), Hex("02 00"), Hex("02"));
}
inline Bytes TeldrinEntry() {
    return FreshEntry(Hex("80 25 00 00"), Hex("00 00"), Hex("00"));
}

// The file header of a logger list of `version` (two bytes, little-endian).
inline Bytes ListHeader(const Bytes& version, const Bytes& kind = Hex("02 00")) {
    return version + kind + Hex("33 33") + Zeros(36);
}
inline Bytes FirstTag() {
    return Hex("FF FF 01 00 07 00") + Bytes{'C', 'L', 'o', 'g', 'g', 'e', 'r'};
}

}  // namespace entrybytes
