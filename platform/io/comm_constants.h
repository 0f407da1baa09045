// The numbers of the serial-port interface: the event bit, purge flags, byte formats, flow-control bits
// and the "no time-out" read interval; fixed numbers: never renumber.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t EV_RXCHAR = 0x0001;

inline constexpr std::uint32_t PURGE_TXCLEAR = 0x0004;
inline constexpr std::uint32_t PURGE_RXCLEAR = 0x0008;

inline constexpr int NOPARITY = 0;
inline constexpr int ODDPARITY = 1;
inline constexpr int EVENPARITY = 2;
inline constexpr int ONESTOPBIT = 0;
inline constexpr int TWOSTOPBITS = 2;

// SetFlowControl flags.
inline constexpr int FLOW_DSR_DTR = 0x01;
inline constexpr int FLOW_CTS_RTS = 0x02;
inline constexpr int FLOW_XON_XOFF = 0x10;

inline constexpr std::uint32_t MAXDWORD = 0xFFFFFFFF;
