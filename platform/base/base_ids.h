// Text ids of the base layer; fixed numbers: never renumber.
#pragma once

// A system error or result code without a text of its own.
inline constexpr unsigned IDS_UNKNOWN_ERROR = 59546;
// The causes of a file error: this id plus the cause's number (CPSTFileException::Cause).
inline constexpr unsigned IDS_FILE_ERROR_CAUSES = 59920;
