// The logger's hex-dump reply: pairs of hex digits, "=", and the 16-bit rotate-and-add checksum.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

std::uint16_t HexDumpChecksum(std::span<const std::uint8_t> bytes);
// The reply text without its framing: lines of 64 digits joined by CR LF, then "=" and the checksum.
std::string HexDumpText(std::span<const std::uint8_t> bytes);

struct LoggerModel;
// The identification record of a model: 52 bytes, or 118 when its firmware text has the "NX" prefix.
std::vector<std::uint8_t> IdentificationRecord(const LoggerModel& model);
