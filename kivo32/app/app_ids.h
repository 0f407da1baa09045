// Text ids of the application shell: its settings file, the data folders' set-up, the file commands,
// the logger commands, the session's start and end; fixed numbers: never renumber.
#pragma once

// The energy summary window's titles.
inline constexpr unsigned IDS_FILE_ENERGY_SUMMARY_TITLE = 12581;
inline constexpr unsigned IDS_LOGGER_ENERGY_SUMMARY_TITLE = 12582;

// The settings file "KIVOAppInfo.ini".
inline constexpr unsigned IDS_APP_INFO_NOT_OPENED = 20930;
inline constexpr unsigned IDS_APP_INFO_NOT_WRITTEN = 20931;
inline constexpr unsigned IDS_APP_INFO_LINES_NOT_READ = 20932;

// The data folders' first-run set-up.
inline constexpr unsigned IDS_DATA_FOLDER_ERROR = 59398;
inline constexpr unsigned IDS_COPY_OLDER_FILES = 59400;
inline constexpr unsigned IDS_OLDER_FILES_NOT_COPIED = 59401;

// The CSV conversion and the text export.
inline constexpr unsigned IDS_STATUS_READY = 9305;
inline constexpr unsigned IDS_NOT_A_CSV_NAME = 9352;         // %s the file name
inline constexpr unsigned IDS_NOT_A_DATA_FILE_NAME = 59518;  // %s the file name
inline constexpr unsigned IDS_EXPORT_OPEN_TITLE = 12510;
inline constexpr unsigned IDS_CONVERTING_CSV = 9355;
inline constexpr unsigned IDS_EXPORT_FAILED = 59519;          // %s the export's result text
inline constexpr unsigned IDS_EXPORT_ONTO_DATA_FILE = 59522;  // %s the CSV file's name
inline constexpr unsigned IDS_CSV_FILES_FILTER = 59762;
inline constexpr unsigned IDS_CONVERSION_THREAD_FAILED = 21050;  // %ld the system's error code
inline constexpr unsigned IDS_EXPORT_THREAD_FAILED = 21051;      // %ld the system's error code
// A conversion onto a data file open in a window; %s its path.
inline constexpr unsigned IDS_CONVERSION_ONTO_OPEN_FILE = 21173;

// ---- The application's commands and the session's start and end.
// Refusals of the logger commands.
inline constexpr unsigned IDP_NOT_FOR_STANDARD_MODEL = 12408;
inline constexpr unsigned IDP_NO_CALL_SCHEDULE = 12443;
// Programming a setup table.
inline constexpr unsigned IDS_SETUP_FILE_FILTER = 59580;
inline constexpr unsigned IDP_STOP_NOT_AFTER_START = 12543;
inline constexpr unsigned IDP_START_TIME_PASSED = 12544;
inline constexpr unsigned IDP_STOP_TIME_PASSED = 12545;
inline constexpr unsigned IDP_TEN_SECONDS_NOT_SUPPORTED = 32973;
inline constexpr unsigned IDP_SHORT_INTERVAL_NOT_SUPPORTED = 12446;
inline constexpr unsigned IDP_ALARMS_NOT_SUPPORTED = 12445;
inline constexpr unsigned IDP_TIMES_NOT_SUPPORTED = 12540;
inline constexpr unsigned IDP_EXTENDED_FEATURES_NOT_SUPPORTED = 59404;
inline constexpr unsigned IDS_AUTO_FREQUENCY_NOT_SUPPORTED = 59405;
inline constexpr unsigned IDS_AUTO_FREQUENCY_REPLACED = 59406;
inline constexpr unsigned IDP_SCALING_POINTS_EQUAL = 12580;
inline constexpr unsigned IDS_DOWNLOAD_BEFORE_PROGRAM = 12453;
inline constexpr unsigned IDS_DOWNLOAD_BEFORE_PROGRAM_TITLE = 12451;
inline constexpr unsigned IDS_PROGRAM_NOW_BUTTON = 12454;
inline constexpr unsigned IDS_DOWNLOAD_FIRST_BUTTON = 12576;
inline constexpr unsigned IDS_DONT_PROGRAM_BUTTON = 12455;
inline constexpr unsigned IDS_MODEL_MISMATCH = 12456;
inline constexpr unsigned IDS_MODEL_HELP_BUTTON = 21022;
inline constexpr unsigned IDS_MODEL_MISMATCH_CLOSE_BUTTON = 21023;
// Starting a download.
inline constexpr unsigned IDS_DOWNLOAD_TITLE_AGAIN = 12460;
inline constexpr unsigned IDS_DOWNLOAD_TITLE_NEW = 12461;
// Status texts.
inline constexpr unsigned IDS_STATUS_IDLE = 57345;
inline constexpr unsigned IDS_STATUS_DISCONNECTING = 12427;
inline constexpr unsigned IDS_STATUS_WAIT = 59488;
inline constexpr unsigned IDS_STATUS_RESET = 59403;
// Programs started from the menu.
inline constexpr unsigned IDP_TELDRIN_NOT_STARTED = 8205;
inline constexpr unsigned IDP_DORVANE_NOT_STARTED = 8206;
// The session's start and end.
inline constexpr unsigned IDP_SESSION_STILL_STOPPING = 21020;
inline constexpr unsigned IDP_SESSION_NOT_STARTED = 21021;
// A logger command while the session's link is lost (%s the error's text).
inline constexpr unsigned IDP_COMMAND_NOT_SENT_LINK_LOST = 21153;
// The modem line's failures told by the application: the line in use by another program, a refused
// request, their caption.
inline constexpr unsigned IDP_MODEM_LINE_IN_USE = 8470;
inline constexpr unsigned IDP_MODEM_REQUEST_FAILED = 12452;
inline constexpr unsigned IDS_MODEM_CAPTION = 59515;
// The help file cannot be opened before the main window exists; %s its path.
inline constexpr unsigned IDS_HELP_FILE_NOT_OPENED = 9303;
// The file name of the help in the program's language, in the program folder.
inline constexpr unsigned IDS_HELP_FILE_NAME = 21101;
// The trace file is written but no viewer opens it; %s its full path.
inline constexpr unsigned IDS_TRACE_FILE_WRITTEN_TO = 21102;
// Open Trace File before a trace line was written in this run.
inline constexpr unsigned IDS_NO_TRACE_FILE_YET = 21290;
