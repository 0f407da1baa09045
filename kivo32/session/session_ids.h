// The numbers of the program's session: text ids of its connect step and its command handlers.
#pragma once

// Connect and identify.
inline constexpr unsigned IDS_CONNECT_FAILED_MESSAGE = 12320;
inline constexpr unsigned IDS_LOGGER_CONNECTED = 12325;
inline constexpr unsigned IDS_SEARCHING_PORT = 59467;  // %s port, %d speed
inline constexpr unsigned IDS_NETWORK_CONNECT_FAILED = 59547;
inline constexpr unsigned IDS_NETWORK_CONNECT_FAILED_TITLE = 59548;
// A logger that called in and could not be identified.
inline constexpr unsigned IDS_CALL_ANSWERED_FAILED = 12434;
// Keeping a new link speed: %d the speed; three buttons.
inline constexpr unsigned IDS_KEEP_SPEED = 12343;
inline constexpr unsigned IDS_KEEP_SPEED_YES = 12462;
inline constexpr unsigned IDS_KEEP_SPEED_NO = 12463;
inline constexpr unsigned IDS_KEEP_SPEED_CANCEL = 12464;

// Confirmations and their buttons.
inline constexpr unsigned IDS_CANCEL_BUTTON = 12318;
inline constexpr unsigned IDS_CONFIRM_CLEAR_MEMORY = 12312;
inline constexpr unsigned IDS_CLEAR_MEMORY_BUTTON = 12314;
inline constexpr unsigned IDS_CONFIRM_CLEAR_PEAK = 12562;
inline constexpr unsigned IDS_CLEAR_PEAK_BUTTON = 12564;
inline constexpr unsigned IDS_CONFIRM_CLEAR_TOTALS = 12568;
inline constexpr unsigned IDS_CLEAR_TOTALS_BUTTON = 12570;
inline constexpr unsigned IDS_CONFIRM_MEMORY_TEST = 12476;
inline constexpr unsigned IDS_MEMORY_TEST_BUTTON = 12457;

// Clear memory, peak and totals, memory test.
inline constexpr unsigned IDS_MEMORY_CLEARED = 12363;
inline constexpr unsigned IDS_CLEAR_MEMORY_FAILED = 12362;
inline constexpr unsigned IDS_PEAK_CLEARED = 12567;
inline constexpr unsigned IDS_CLEAR_PEAK_FAILED = 12566;
inline constexpr unsigned IDS_TOTALS_CLEARED = 12573;
inline constexpr unsigned IDS_CLEAR_TOTALS_FAILED = 12572;
inline constexpr unsigned IDS_MEMORY_TEST = 12380;
inline constexpr unsigned IDS_MEMORY_TEST_PASSED = 12381;

// Start and stop recording.
inline constexpr unsigned IDS_READING_RECORDING_STATE = 12360;
inline constexpr unsigned IDS_RECORDING_STATE_FAILED = 12351;
inline constexpr unsigned IDS_CONFIRM_STOP_FEATURE = 9363;
inline constexpr unsigned IDS_CONFIRM_STOP = 12304;
inline constexpr unsigned IDS_CONFIRM_STOP_FEATURE_TITLE = 9365;
inline constexpr unsigned IDS_CONFIRM_STOP_TITLE = 12305;
inline constexpr unsigned IDS_STOP_BUTTON = 12306;
inline constexpr unsigned IDS_KEEP_FEATURE_BUTTON = 9364;
inline constexpr unsigned IDS_KEEP_RECORDING_BUTTON = 12307;
inline constexpr unsigned IDS_CONFIRM_START = 12308;
inline constexpr unsigned IDS_CONFIRM_START_TITLE = 12309;
inline constexpr unsigned IDS_START_BUTTON = 12310;
inline constexpr unsigned IDS_KEEP_STOPPED_BUTTON = 12311;
inline constexpr unsigned IDS_CHANGING_RECORDING = 12361;
inline constexpr unsigned IDS_STOP_FAILED = 12353;
// Its wording lies with the download's texts, which tell the same.
inline constexpr unsigned IDS_START_FAILED = 12355;
inline constexpr unsigned IDS_RESTART_FAILED = 12358;
inline constexpr unsigned IDS_RESTOP_FAILED = 12359;
inline constexpr unsigned IDS_RECORDING_CHANGED = 12405;

// The option byte.
inline constexpr unsigned IDS_READING_OPTION = 12517;
inline constexpr unsigned IDS_READ_OPTION_FAILED = 12518;
inline constexpr unsigned IDS_OPTION_READ = 12519;
inline constexpr unsigned IDS_OPTION_OFF = 9324;
inline constexpr unsigned IDS_OPTION_ON = 9325;
inline constexpr unsigned IDS_OPTION_TITLE = 59471;
inline constexpr unsigned IDS_CONFIRM_OPTION = 12522;  // %s current, %d state, %s new, %d value
inline constexpr unsigned IDS_WRITING_OPTION = 12520;
inline constexpr unsigned IDS_WRITE_OPTION_FAILED = 12521;

// Harmonics and waveform capture.
inline constexpr unsigned IDS_LISTING_SETUPS = 12392;
inline constexpr unsigned IDS_SETUPS_LISTED = 12403;
inline constexpr unsigned IDS_LIST_SETUPS_FAILED = 12384;
inline constexpr unsigned IDS_SETUP_WITHOUT_CHANNEL = 12416;

// Real-time values.
inline constexpr unsigned IDS_REAL_TIME_READ_FAILED = 12417;

// Downloads.
inline constexpr unsigned IDS_DATA_READ_FAILED = 12414;
inline constexpr unsigned IDS_NOTHING_NEW = 12525;
inline constexpr unsigned IDS_LOGGER_HOLDS_NO_DATA = 21140;
inline constexpr unsigned IDS_FILE_MISSING_READ_ALL = 12487;  // %s path
inline constexpr unsigned IDS_CONFIRM_CSV_CONVERTED = 9359;
inline constexpr unsigned IDS_SETUP_MISMATCH = 12465;
inline constexpr unsigned IDS_NEW_FILE_NEW_DATA_BUTTON = 12466;
inline constexpr unsigned IDS_NEW_FILE_ALL_DATA_BUTTON = 12467;
inline constexpr unsigned IDS_NO_POINT_TO_GO_ON = 12468;
// The end of a download that nobody watches.
inline constexpr unsigned IDS_UNATTENDED_DOWNLOAD_DONE = 59468;
// The step a failed download ended in.
inline constexpr unsigned IDS_DOWNLOAD_NOT_STARTED = 59980;
inline constexpr unsigned IDS_DOWNLOAD_SETUP_BLOCKS_FAILED = 59981;
inline constexpr unsigned IDS_DOWNLOAD_SETUP_HEADER_FAILED = 59982;
inline constexpr unsigned IDS_DOWNLOAD_STATUS_FAILED = 59983;
inline constexpr unsigned IDS_DOWNLOAD_SIZE_UNKNOWN = 59984;
inline constexpr unsigned IDS_DOWNLOAD_NO_RECORD_SIZE = 59985;
inline constexpr unsigned IDS_DOWNLOAD_RAW_FILE_FAILED = 59986;
inline constexpr unsigned IDS_DOWNLOAD_RAW_FILE_SETUP_FAILED = 59987;
inline constexpr unsigned IDS_DOWNLOAD_NOTHING_RECEIVED = 59988;
inline constexpr unsigned IDS_DOWNLOAD_ASSEMBLY_FAILED = 59989;
inline constexpr unsigned IDS_DOWNLOAD_NOT_KEPT = 59990;
// What a broken download left on disk, after the recovery question.
inline constexpr unsigned IDS_DOWNLOAD_STOPPED_KEPT = 59993;  // %s records, %s path
inline constexpr unsigned IDS_DOWNLOAD_BROKEN_KEPT = 59994;   // %s records, %s path
inline constexpr unsigned IDS_DOWNLOAD_PREVIOUS_FILE = 59995;  // %s path

// Programming a setup.
inline constexpr unsigned IDS_PROGRAMMING = 12383;
inline constexpr unsigned IDS_PROGRAMMED = 12393;
inline constexpr unsigned IDS_PROGRAMMED_NOTICE = 59469;
inline constexpr unsigned IDS_PROGRAMMED_START = 59470;  // %s date, %s time
inline constexpr unsigned IDS_PROGRAM_FAILED = 12397;

// The clock: the question before a clock command with its buttons and check box (the dialog toolkit's
// texts), setting it and setting it back.
inline constexpr unsigned IDS_CONFIRM_CLOCK = 9367;
inline constexpr unsigned IDS_YES_BUTTON = 9007;
inline constexpr unsigned IDS_NO_BUTTON = 9008;
inline constexpr unsigned IDS_DO_NOT_ASK_AGAIN = 9010;
inline constexpr unsigned IDS_SETTING_CLOCK = 12333;
inline constexpr unsigned IDS_CLOCK_SET = 12334;  // %s date, %s time
inline constexpr unsigned IDS_READ_CLOCK_FAILED = 12335;
inline constexpr unsigned IDS_CLOCK_RESTORE_FAILED = 12336;
inline constexpr unsigned IDS_SET_CLOCK_FAILED = 12337;

// The description.
inline constexpr unsigned IDS_WRITING_DESCRIPTION = 12347;
inline constexpr unsigned IDS_DESCRIPTION_FAILED = 12348;
inline constexpr unsigned IDS_DESCRIPTION_RETRY_FAILED = 12349;
inline constexpr unsigned IDS_DESCRIPTION_WRITTEN = 12350;

// Network settings, the web login and the restart.
inline constexpr unsigned IDS_READING_NETWORK = 12526;
inline constexpr unsigned IDS_WRITING_NETWORK = 12527;
inline constexpr unsigned IDS_NETWORK_SETTINGS_FAILED = 12530;
inline constexpr unsigned IDS_NOT_SUPPORTED = 12536;
inline constexpr unsigned IDS_RESTARTING = 12550;
inline constexpr unsigned IDS_RESTART_NOTICE = 59474;
inline constexpr unsigned IDS_WEB_PASSWORD_FAILED = 59540;
inline constexpr unsigned IDS_WEB_PASSWORD_TITLE = 59832;
inline constexpr unsigned IDS_WEB_PASSWORD_PROMPT = 59833;
// The Wi-Fi module's firmware update: the notice while it runs and its status text.
inline constexpr unsigned IDS_MODULE_UPDATE_NOTICE = 59888;
inline constexpr unsigned IDS_MODULE_UPDATING = 59889;
// The installation of a module image sent by the firmware update window: percent and time left.
inline constexpr unsigned IDS_MODULE_INSTALL_MINUTES_LEFT = 59886;
inline constexpr unsigned IDS_MODULE_INSTALL_SECONDS_LEFT = 59887;

// The logger IDs.
inline constexpr unsigned IDS_WRITE_LOGGER_ID_FAILED = 12367;
inline constexpr unsigned IDS_LOGGER_ID_RETRY_FAILED = 12368;
inline constexpr unsigned IDS_WRITE_MODEL_FAILED = 12369;
inline constexpr unsigned IDS_MODEL_RESTORE_FAILED = 12370;
inline constexpr unsigned IDS_LOGGER_IDS_WRITTEN = 12371;

// The modem string.
inline constexpr unsigned IDS_READING_MODEM_STRING = 12406;
inline constexpr unsigned IDS_WRITING_MODEM_STRING = 12407;
inline constexpr unsigned IDS_MODEM_STRING_WRITTEN = 12366;
inline constexpr unsigned IDS_READ_MODEM_STRING_FAILED = 12364;
inline constexpr unsigned IDS_WRITE_MODEM_STRING_FAILED = 12365;

// The calibration scalars.
inline constexpr unsigned IDS_READ_SCALARS_FAILED = 12372;
inline constexpr unsigned IDS_SCALARS_READ = 12373;
inline constexpr unsigned IDS_SCALARS_WRITTEN = 12374;
inline constexpr unsigned IDS_WRITE_SCALARS_FAILED = 12375;
inline constexpr unsigned IDS_SCALARS_RESTORE_FAILED = 12376;
inline constexpr unsigned IDS_UPDATING_CAL_CONSTANTS = 12378;

// The calibration dialogs.
inline constexpr unsigned IDS_CALIBRATION_NO_LOGGER = 59472;
inline constexpr unsigned IDS_CALIBRATION_FIRMWARE_TOO_OLD = 59473;
inline constexpr unsigned IDS_READY_TO_CALIBRATE = 12404;

// The link speed: the modem link's question, the speed the older Nimbo firmware cannot take, the change.
inline constexpr unsigned IDS_CONFIRM_MODEM_SPEED = 12339;
inline constexpr unsigned IDS_CONFIRM_MODEM_SPEED_TITLE = 12344;
inline constexpr unsigned IDS_CHANGE_SPEED_BUTTON = 12345;
inline constexpr unsigned IDS_KEEP_SPEED_BUTTON = 12346;
inline constexpr unsigned IDS_SPEED_NOT_SUPPORTED = 12444;
inline constexpr unsigned IDS_CHANGING_SPEED = 12341;  // %d speed
inline constexpr unsigned IDS_SPEED_CHANGED = 12342;   // %d speed
inline constexpr unsigned IDS_CHANGE_SPEED_FAILED = 12340;
inline constexpr unsigned IDS_MATCH_STORED_SPEED_BUTTON = 12473;

// The call schedule.
inline constexpr unsigned IDS_READING_CALL_SCHEDULE = 12432;
inline constexpr unsigned IDS_READ_CALL_SCHEDULE_FAILED = 12433;
inline constexpr unsigned IDS_RESTARTING_SCHEDULE = 12469;
inline constexpr unsigned IDS_SCHEDULE_RESTARTED = 12470;
inline constexpr unsigned IDS_WRITING_CALL_SCHEDULE = 12430;
inline constexpr unsigned IDS_CALL_SCHEDULE_WRITTEN = 12431;
inline constexpr unsigned IDS_WRITE_CALL_SCHEDULE_FAILED = 12429;

// The terminal window's raw command.
inline constexpr unsigned IDS_TERMINAL_COMMAND_FAILED = 59556;
