// The numbers of the Quarven record download: its log lines, status texts and discontinuity report.
#pragma once

// The message for a logger that holds only its factory default setup.
inline constexpr unsigned IDS_DEFAULT_SETUP_ONLY = 59690;
// The unit of the record count in the status line, and the log line of the record loop's start.
inline constexpr unsigned IDS_RECORD_UNIT = 59692;
inline constexpr unsigned IDS_READING_RECORDS = 59693;
// Time checks, each followed by the number of the record in the download or a time.
inline constexpr unsigned IDS_RECORD_IMPOSSIBLE_TIME = 59694;
inline constexpr unsigned IDS_RECORD_OFF_INTERVAL = 59695;
inline constexpr unsigned IDS_RECORD_TIME_ERROR = 59696;
inline constexpr unsigned IDS_RECORD_LISTED = 59697;  // %d record number
inline constexpr unsigned IDS_RECORD_GAP = 59698;
inline constexpr unsigned IDS_RECORD_FIRST_TIME = 59699;

// Status while records arrive: read and total records, kilobytes a second, the time left.
inline constexpr unsigned IDS_RECORDS_LEFT_HOURS = 59700;    // %d %d %s %d %s %d %s
inline constexpr unsigned IDS_RECORDS_LEFT_MINUTES = 59701;  // %d %d %s %d %s %d %s
inline constexpr unsigned IDS_RECORDS_LEFT_SECONDS = 59702;  // %d %d %s %d %s
inline constexpr unsigned IDS_RECORDS_READ = 59703;          // %d %d
// Why the record loop stopped, by error code 1 to 8, each followed by the record number.
inline constexpr unsigned IDS_RECORD_NO_LINK = 59704;
inline constexpr unsigned IDS_RECORD_EMPTY_REPLY = 59705;
inline constexpr unsigned IDS_RECORD_REPLY_LENGTH = 59706;
inline constexpr unsigned IDS_RECORD_TOO_MANY = 59707;
inline constexpr unsigned IDS_RECORD_NO_LINE_END = 59708;
inline constexpr unsigned IDS_RECORD_END_OF_DATA = 59709;
inline constexpr unsigned IDS_RECORD_NOT_WRITTEN = 59710;
inline constexpr unsigned IDS_RECORD_CANCELLED = 59711;
// Log lines of the record loop and its end.
inline constexpr unsigned IDS_RECORD_TRYING_AGAIN = 59712;
inline constexpr unsigned IDS_RECORD_BUILDING_FILE = 59713;
inline constexpr unsigned IDS_RECORD_RAW_FILE_REMOVED = 59714;
inline constexpr unsigned IDS_RECORD_ENDING_BINARY = 59715;
inline constexpr unsigned IDS_RECORD_DOWNLOAD_ENDED = 59716;
inline constexpr unsigned IDS_RECORD_ASKING_AGAIN = 59721;  // %d record number
inline constexpr unsigned IDS_RECORD_NUMBER = 59724;
inline constexpr unsigned IDS_RECORD_LAST_TIME = 59725;
// The discontinuity report.
inline constexpr unsigned IDS_REPORT_GAP_SUMMARY_LINE = 59455;  // %d missing %s, %d gaps %s
inline constexpr unsigned IDS_REPORT_TIME_ERROR_LINE = 59456;   // %d time errors %s
inline constexpr unsigned IDS_DISCONTINUITY_LIST_NOTE = 59727;
inline constexpr unsigned IDS_DISCONTINUITY_GAPS = 59728;
inline constexpr unsigned IDS_DISCONTINUITY_TIME_ERRORS = 59729;
