// The logger's hex-dump reply: pairs of hex digits, "=", and the 16-bit rotate-and-add checksum.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

std::uint16_t HexDumpChecksum(std::span<const std::uint8_t> bytes);
// The reply text without its framing: lines of 64 digits joined by CR LF, then "=" and the checksum.
std::string HexDumpText(std::span<const std::uint8_t> bytes);
