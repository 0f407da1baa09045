// Intel HEX records in the binary form the Quarven takes its firmware in: checking a record's text,
// converting it, and merging data records that continue one another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Whether `line` is one whole record: ":", pairs of hex digits for the length, address, type, as
// many data bytes as the length says and a checksum that brings the sum of all bytes to 0.
bool IsValidHexRecord(std::string_view line);

// The bytes a valid record takes in binary form, its ':' included.
std::size_t BinaryRecordSize(std::string_view line);

// Appends ":" and the record's bytes to `buffer`, with the checksum recomputed over them; false (and
// nothing appended) for a record that is not hex or is shorter than length, address and type.
bool FormatHexBytes(std::string_view record, std::vector<std::uint8_t>& buffer);

// Merges each data record of the binary records in `buffer` into the one before it when that is a data
// record too, the address continues right after its data and the merged data stays below 256 bytes;
// lengths and checksums are rewritten and each merge takes 6 bytes out.
void MergeHexRecords(std::vector<std::uint8_t>& buffer);
