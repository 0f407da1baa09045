// The logger-list file (.lst): the 42-byte file header (kind 2, version 302), the entry count, then each
// entry behind its class tag: the first with the class written out ("CLogger", schema 1), every further
// one with the reference 0x8001. Lists of version 301 and older carry 434-byte records.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shared/loggerlist/logger_entry.h"
#include "shared/setup/file_header.h"

inline constexpr std::int16_t kLoggerListVersion = 302;
// Below this version the one-byte connection type is the one to believe (ConvertOldConnectType).
inline constexpr std::int16_t kLoggerListFirstTypedVersion = 301;

enum class LoggerListRead {
    kOk,
    kNotAList,  // another file kind, or a version newer than 302: nothing past the header is read
    kDamaged,   // ends early, a count the bytes left cannot hold, a wrong class tag, or no entry
};

struct LoggerListContent {
    CFileHeader header;
    std::vector<CLogger> entries;
};

// Reads a whole file's bytes. Entries start from `defaults` (an old record is widened over them); the
// header is read as it stands. Nothing of `content` changes unless the result is kOk.
LoggerListRead ReadLoggerList(std::span<const std::uint8_t> bytes, const LoggerDefaults& defaults,
                              LoggerListContent& content);

// The file's bytes, each record as it stands.
std::vector<std::uint8_t> WriteLoggerList(const CFileHeader& header, const std::vector<CLogger>& entries);
