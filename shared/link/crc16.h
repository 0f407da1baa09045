// The table-driven CRC-16 of the file upload blocks (reflected polynomial 0xA001, no final XOR).
#pragma once

#include <cstdint>
#include <span>

// The CRC after `data`, starting from `start`; an empty run gives `start` cut to 16 bits.
std::uint16_t UpdateCrc16(unsigned start, std::span<const std::uint8_t> data);

// The low `bitCount` bits of `value` in reverse order; for 0 or 1 bits, bit 0 of `value`.
unsigned ReflectBits(unsigned value, unsigned bitCount);
