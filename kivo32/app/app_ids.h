// Control and text ids of the application shell's dialogs, as the resource library numbers them.
#pragma once

// CDisplayTextDlg.
inline constexpr int IDC_DISPLAY_TEXT = 2251;
inline constexpr int IDC_DISPLAY_REFRESH = 1349;
inline constexpr int IDC_DISPLAY_GRIP = 2360;

// Labels of the dialogs built here in place of the resource library's templates.
inline constexpr unsigned IDS_DISPLAY_REFRESH = 20200;

// The settings file "KIVOAppInfo.ini" and the settings store.
inline constexpr unsigned IDS_APP_INFO_NOT_OPENED = 20930;
inline constexpr unsigned IDS_APP_INFO_NOT_WRITTEN = 20931;
inline constexpr unsigned IDS_APP_INFO_LINES_NOT_READ = 20932;
inline constexpr unsigned IDS_SETTINGS_VALUES_NOT_READ = 20933;
inline constexpr unsigned IDS_SETTINGS_NOT_READ_WHOLE = 20934;

// ---- The application's commands, the session's start and end, and the connection dialogs.
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
inline constexpr unsigned IDS_OPEN_DATA_FILE_TITLE = 9348;
// Status texts.
inline constexpr unsigned IDS_STATUS_IDLE = 57345;
inline constexpr unsigned IDS_STATUS_DISCONNECTING = 12427;
inline constexpr unsigned IDS_STATUS_WAIT = 59488;
inline constexpr unsigned IDS_STATUS_READY = 9305;
inline constexpr unsigned IDS_STATUS_RESET = 59403;
// Programs started from the menu.
inline constexpr unsigned IDP_TELDRIN_NOT_STARTED = 8205;
inline constexpr unsigned IDP_DORVANE_NOT_STARTED = 8206;
// The session's start and end.
inline constexpr unsigned IDP_SESSION_STILL_STOPPING = 21020;
inline constexpr unsigned IDP_SESSION_NOT_STARTED = 21021;
// CConnectionTypeSelectionDlg and CNetworkAddressDlg.
inline constexpr int IDC_CONNECT_DIRECT = 1700;
inline constexpr int IDC_CONNECT_MODEM = 1701;
inline constexpr int IDC_CONNECT_NETWORK = 1702;
inline constexpr int IDC_NETWORK_ADDRESS = 1704;
inline constexpr int IDC_NETWORK_PORT = 1706;
inline constexpr unsigned IDP_NO_NETWORK_ADDRESS = 8232;
inline constexpr unsigned IDP_NO_NETWORK_PORT = 8233;
inline constexpr unsigned IDS_CONNECTION_TYPE_TITLE = 21024;
inline constexpr unsigned IDS_CONNECTION_TYPE_PROMPT = 21025;
inline constexpr unsigned IDS_CONNECT_DIRECT_BUTTON = 21026;
inline constexpr unsigned IDS_CONNECT_MODEM_BUTTON = 21027;
inline constexpr unsigned IDS_CONNECT_NETWORK_BUTTON = 21028;
inline constexpr unsigned IDS_NETWORK_ADDRESS_TITLE = 21029;
inline constexpr unsigned IDS_NETWORK_ADDRESS_LABEL = 21030;
inline constexpr unsigned IDS_NETWORK_PORT_LABEL = 21031;
