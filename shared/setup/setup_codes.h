// Model codes, channel type codes and recording-option bits of setup tables.
#pragma once

#include <bit>
#include <cstdint>

// Model codes (the logger type code stored in every setup table).
inline constexpr int kModelStandard = 0;
inline constexpr int kModelOrnatFirst = 1;
inline constexpr int kModelOrnatLast = 2;
inline constexpr int kModelBrelanFirst = 3;
inline constexpr int kModelBrelanLast = 10;
inline constexpr int kModelQuarvenRS = 13;
inline constexpr int kModelQuarvenKX = 14;

// Channel type codes (byte 0 of every channel record).
inline constexpr std::uint8_t kChannelOff = 0;
inline constexpr std::uint8_t kChannelPower = 1;
inline constexpr std::uint8_t kChannelTemperature = 2;
inline constexpr std::uint8_t kChannel5VDC = 3;
inline constexpr std::uint8_t kChannelRNDC = 4;
inline constexpr std::uint8_t kChannelSoftware = 5;
inline constexpr std::uint8_t kChannelCurrent = 6;
inline constexpr std::uint8_t kChannel10VDC = 7;
inline constexpr std::uint8_t kChannel4mA = 8;
inline constexpr std::uint8_t kChannel25mA = 9;
inline constexpr std::uint8_t kChannelPulseKWh = 10;
inline constexpr std::uint8_t kChannelPulseKVAh = 11;
inline constexpr std::uint8_t kChannelPulseKVARh = 12;
inline constexpr std::uint8_t kChannelAnalog4To20mA = 15;
inline constexpr std::uint8_t kChannelAnalog0To20mA = 16;
inline constexpr std::uint8_t kChannelAnalog0To10V = 17;

// Channel counts of every setup table.
inline constexpr int kHardwareChannels = 4;
inline constexpr int kSoftwareChannels = 2;
inline constexpr int kPulseChannels = 2;
inline constexpr int kAnalogChannels = 4;
inline constexpr int kMaxChannelSlots = kHardwareChannels + kSoftwareChannels + kAnalogChannels;

// Channel slots of a model in image order: 4 hardware, 2 software, then 2 pulse (13) or 4 analog (14).
inline constexpr int ChannelSlotCount(int model) {
    return kHardwareChannels + kSoftwareChannels +
           (model == kModelQuarvenRS   ? kPulseChannels
            : model == kModelQuarvenKX ? kAnalogChannels
                                       : 0);
}

// Recording-option bits: plain values (0x01, 0x08) and values with the time they occurred (0x02, 0x04).
inline constexpr std::uint8_t kOptionBit1 = 0x01;
inline constexpr std::uint8_t kOptionBit2 = 0x02;
inline constexpr std::uint8_t kOptionBit4 = 0x04;
inline constexpr std::uint8_t kOptionBit8 = 0x08;
inline constexpr std::uint8_t kOptionMask = 0x0F;
inline constexpr std::uint8_t kOptionStampedMask = kOptionBit2 | kOptionBit4;

// The six quantities of a power channel, in the order of its recording-option bytes and of its alarms.
enum PowerQuantity {
    kQuantityVoltage,
    kQuantityCurrent,
    kQuantityKW,
    kQuantityKVA,
    kQuantityPF,
    kQuantityKVAR
};
inline constexpr int kPowerQuantities = 6;

inline constexpr bool IsHardwareType(int type) {
    return (type >= 1 && type <= 4) || (type >= 6 && type <= 9);
}
inline constexpr bool IsPulseType(int type) {
    return type >= kChannelPulseKWh && type <= kChannelPulseKVARh;
}
inline constexpr bool IsAnalogType(int type) {
    return type >= kChannelAnalog4To20mA && type <= kChannelAnalog0To10V;
}
// Model codes 13 and above: current hardware record form, little-endian logger numbers, wider values.
inline constexpr bool UsesQuarvenLayout(int model) {
    return model >= kModelQuarvenRS;
}

// Selected values of a recording-option byte, and those of them that carry a time stamp.
inline constexpr int CountOptionValues(std::uint8_t options) {
    return std::popcount(unsigned(options & kOptionMask));
}
inline constexpr int CountStampedValues(std::uint8_t options) {
    return std::popcount(unsigned(options & kOptionStampedMask));
}
