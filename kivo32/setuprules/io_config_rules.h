// The I/O configuration of a Quarven logger: bits 0-6 are seven switches the user sets; the bits above
// are the logger's own and go back as they were read.
#pragma once

inline constexpr int kIOSwitchBits = 0x7F;

// The switches shown for a value read from the logger.
inline int ShownIOSwitches(int readValue) {
    return readValue & kIOSwitchBits;
}

// The value to write back: the switches as the user left them over the bits read above them.
inline int IOConfigurationToWrite(int readValue, int switches) {
    return (readValue & ~kIOSwitchBits) | (switches & kIOSwitchBits);
}
