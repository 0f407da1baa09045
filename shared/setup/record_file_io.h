// Whole-record reads and writes on a binary file that report file errors themselves, as every
// setup-table record does.
#pragma once

#include <cstdint>
#include <span>

namespace platform {
class BinaryFile;
}

// Reads exactly buffer.size() bytes at the file's position. False when the file ends first (nothing is
// shown: the caller gives its own message) or after a file error has been shown to the user.
bool ReadRecordBytes(platform::BinaryFile& file, std::span<std::uint8_t> buffer);
// Writes all bytes at the file's position; false after a file error has been shown to the user.
bool WriteRecordBytes(platform::BinaryFile& file, std::span<const std::uint8_t> bytes);
