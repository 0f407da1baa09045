// The texts of teldrin by id: its own table, apart from the program texts of kivo32 (the two programs
// number their texts independently). Windows-1252, as the logs hold them.
#pragma once

#include <string>

namespace teldrin {

enum class TeldrinLanguage { kFrench, kEnglish };

// The table the texts come from; French until the program sets the language from kivo32's setting.
void SetTeldrinLanguage(TeldrinLanguage language);
// The text of `id` in the chosen language; empty when the table has none.
std::string TeldrinText(unsigned id);

// Ids of the texts this code writes.
enum TeldrinTextId : unsigned {
    IDS_TELDRIN_NO_ERROR = 1000,
    IDS_TELDRIN_OUT_OF_MEMORY = 1002,
    IDS_TELDRIN_CANNOT_OPEN_FILE = 1003,
    IDS_TELDRIN_DISK_ERROR = 2006,
    IDS_TELDRIN_VERBATIM = 8206,
    IDS_TELDRIN_LOG_HEADER = 8207,
    IDS_TELDRIN_ERROR_LOG_TITLE = 8209,
    IDS_TELDRIN_EVENT_LOG_TITLE = 8210,
    IDS_TELDRIN_SEPARATOR = 8212,
    IDS_TELDRIN_CALLS_CANCELLED = 8213,
    IDS_TELDRIN_CALL_STATE = 8214,
    IDS_TELDRIN_AVAILABLE_MEMORY = 8193,
    IDS_TELDRIN_TOTAL_MEMORY = 8194,
    IDS_TELDRIN_FREE_SPACE = 8195,
    IDS_TELDRIN_UNAVAILABLE = 8196,
    IDS_TELDRIN_NO_CALLS_TODAY = 8199,
    IDS_TELDRIN_CALLS_DONE = 8200,
    IDS_TELDRIN_NEXT_CALL = 8201,
    IDS_TELDRIN_CANCELLED_FOR = 8400,
    IDS_TELDRIN_MISSED_CALL = 8402,
    IDS_TELDRIN_NO_MODEM_LINE = 8403,
    IDS_TELDRIN_BROWSE_DATA_FOLDER = 8479,
    IDS_TELDRIN_NOT_A_FOLDER = 8480,
    IDS_TELDRIN_BROWSE_LOGGER_LIST_FOLDER = 8646,
    IDS_TELDRIN_ERROR = 8647,
    IDS_TELDRIN_BAD_LOGGER_LIST_FOLDER = 8648,
    IDS_TELDRIN_AT = 8616,
    IDS_TELDRIN_CALL_COUNTS = 8625,
    IDS_TELDRIN_NO_LIST_GIVEN = 8670,
    IDS_TELDRIN_CALLING_STOPPED = 21120,
    IDS_TELDRIN_END_CALL_AND_QUIT = 21121,
};

}  // namespace teldrin
