// Messages, controls and texts of the main frame, its menus and its connection status window.
#pragma once

#include "platform/base/window_messages.h"

// ---- Messages to the main frame (those of the links are in shared/link/link_ids.h).
inline constexpr unsigned WM_STATUS_WINDOW_STOP = WM_APP + 0xCF;
inline constexpr unsigned WM_LOST_PORT = WM_APP + 0xEE;

// ---- Controls of the connection status window, named after the status codes that fill them.
inline constexpr unsigned IDC_STATUS_CONNECTION = 1148;
inline constexpr unsigned IDC_STATUS_LINE = 1172;
inline constexpr unsigned IDC_STATUS_PROGRESS = 1173;
inline constexpr unsigned IDC_STATUS_LOGGER_TITLE = 1174;
inline constexpr unsigned IDC_STATUS_MODEL = 1175;
inline constexpr unsigned IDC_STATUS_LAMP_SENT = 1176;
inline constexpr unsigned IDC_STATUS_LAMP_RECEIVED = 1177;
inline constexpr unsigned IDC_STATUS_LAMP_FAILED = 1178;
inline constexpr unsigned IDC_STATUS_PORT = 1179;
inline constexpr unsigned IDC_STATUS_PICTURE = 1180;
inline constexpr unsigned IDC_STATUS_RECORDING = 1181;
inline constexpr unsigned IDC_STATUS_SPEED = 1212;
// Ours: the model field until the logger is identified, and what each part of the window shows.
inline constexpr unsigned IDS_STATUS_CONNECTING = 59966;
inline constexpr unsigned IDS_STATUS_TIP_CONNECTION = 59967;
inline constexpr unsigned IDS_STATUS_TIP_MODEL = 59968;
inline constexpr unsigned IDS_STATUS_TIP_PORT = 59969;
inline constexpr unsigned IDS_STATUS_TIP_SPEED = 59970;
inline constexpr unsigned IDS_STATUS_TIP_LOGGER_TITLE = 59971;
inline constexpr unsigned IDS_STATUS_TIP_RECORDING = 59972;
inline constexpr unsigned IDS_STATUS_TIP_LINE = 59973;
inline constexpr unsigned IDS_STATUS_TIP_LAMP_SENT = 59974;
inline constexpr unsigned IDS_STATUS_TIP_LAMP_RECEIVED = 59975;
inline constexpr unsigned IDS_STATUS_TIP_LAMP_FAILED = 59976;
inline constexpr unsigned IDS_STATUS_TIP_PROGRESS = 59977;
inline constexpr unsigned IDS_STATUS_TIP_PICTURE = 59978;

// ---- Texts of the logger menu's rule.
inline constexpr unsigned IDS_MENU_WIFI_INFO = 59769;
inline constexpr unsigned IDS_MENU_SET_BAUD = 59770;
inline constexpr unsigned IDS_MENU_CONNECT_MODEM = 59771;
inline constexpr unsigned IDS_MENU_MODEM_STRING = 59773;
inline constexpr unsigned IDS_MENU_CALL_SCHEDULE = 59774;
inline constexpr unsigned IDS_MENU_CAL_VOLT_TEMP_OLDER = 59775;
inline constexpr unsigned IDS_MENU_CAL_AMP = 59776;
inline constexpr unsigned IDS_MENU_SET_SCALARS = 59777;
inline constexpr unsigned IDS_MENU_CAL_VOLT_TEMP = 59778;
inline constexpr unsigned IDS_MENU_LOGGER_FIRST = 59779;  // the logger menu's first entry
inline constexpr unsigned IDS_MENU_ANSWER_MODE = 9241;    // %s its state
inline constexpr unsigned IDS_MENU_ANSWER_MODE_OFF = 9243;
// Ours: 9242, the number beside its pair, is taken by another text in our tables.
inline constexpr unsigned IDS_MENU_ANSWER_MODE_ON = 20762;

// ---- Labels of the menu bar.
inline constexpr unsigned IDS_MENU_FILE = 20970;
inline constexpr unsigned IDS_MENU_LOGGER = 20971;
inline constexpr unsigned IDS_MENU_VIEW = 20972;
inline constexpr unsigned IDS_MENU_TOOLS = 20973;
inline constexpr unsigned IDS_MENU_WINDOW = 20974;
inline constexpr unsigned IDS_MENU_CLOCK = 20975;
inline constexpr unsigned IDS_MENU_CALIBRATION = 20976;
inline constexpr unsigned IDS_MENU_FILE_NEW = 20969;
inline constexpr unsigned IDS_MENU_NEW_SETUP_TABLE = 20977;
inline constexpr unsigned IDS_MENU_OPEN_DATA_FILE = 20978;
inline constexpr unsigned IDS_MENU_CLOSE_ALL = 20979;
inline constexpr unsigned IDS_MENU_SAVE = 20980;
inline constexpr unsigned IDS_MENU_PRINT = 20981;
inline constexpr unsigned IDS_MENU_CONVERT_CSV = 20982;
inline constexpr unsigned IDS_MENU_EXPORT_TEXT = 20983;
inline constexpr unsigned IDS_MENU_EXIT = 20984;
inline constexpr unsigned IDS_MENU_PC_SETUP = 20985;
inline constexpr unsigned IDS_MENU_CONNECT_DIRECT = 20986;
inline constexpr unsigned IDS_MENU_CONNECT_NETWORK = 20987;
inline constexpr unsigned IDS_MENU_DISCONNECT = 20988;
inline constexpr unsigned IDS_MENU_CANCEL_COMMAND = 20989;
inline constexpr unsigned IDS_MENU_DOWNLOAD = 20990;
inline constexpr unsigned IDS_MENU_READ_SETUP = 20991;
inline constexpr unsigned IDS_MENU_PROGRAM = 20992;
inline constexpr unsigned IDS_MENU_SET_TIME = 20993;
inline constexpr unsigned IDS_MENU_SYNC_TIME = 20994;
inline constexpr unsigned IDS_MENU_DESCRIPTION = 20995;
inline constexpr unsigned IDS_MENU_START_STOP = 20996;
inline constexpr unsigned IDS_MENU_CLEAR_MEMORY = 20997;
inline constexpr unsigned IDS_MENU_REAL_TIME_TEXT = 20998;
inline constexpr unsigned IDS_MENU_REAL_TIME_GRAPH = 20999;
inline constexpr unsigned IDS_MENU_HARMONICS = 21000;
inline constexpr unsigned IDS_MENU_WAVEFORM = 21001;
inline constexpr unsigned IDS_MENU_PROPERTIES = 21002;
inline constexpr unsigned IDS_MENU_SET_IDS = 21003;
inline constexpr unsigned IDS_MENU_MEMORY_TEST = 21004;
inline constexpr unsigned IDS_MENU_TOGGLE_OPTION = 21005;
inline constexpr unsigned IDS_MENU_AUTO_CALIBRATION = 21006;
inline constexpr unsigned IDS_MENU_NETWORK_INFO = 21007;
inline constexpr unsigned IDS_MENU_START_TELDRIN = 21008;
inline constexpr unsigned IDS_MENU_CALL_SCHEDULE_WRITE = 21009;
inline constexpr unsigned IDS_MENU_CALL_SCHEDULE_READ = 21010;
inline constexpr unsigned IDS_MENU_TOOLBAR = 21011;
inline constexpr unsigned IDS_MENU_CONNECTION_STATUS = 21012;
inline constexpr unsigned IDS_MENU_LOGGER_LIST = 21013;
inline constexpr unsigned IDS_MENU_TERMINAL = 21014;
inline constexpr unsigned IDS_MENU_TRACE = 21015;
inline constexpr unsigned IDS_MENU_CHECK_UPDATES = 21016;
inline constexpr unsigned IDS_MENU_CHECK_AT_START = 21017;
inline constexpr unsigned IDS_MENU_HELP_TOPICS = 21018;
inline constexpr unsigned IDS_MENU_ABOUT = 21019;
// Labels of the commands the menus gained since.
inline constexpr unsigned IDS_MENU_DATA = 21080;
inline constexpr unsigned IDS_MENU_GRAPH_COLUMN = 21081;
inline constexpr unsigned IDS_MENU_DATA_ERRORS = 21082;
inline constexpr unsigned IDS_MENU_FILE_SUMMARY = 21083;
inline constexpr unsigned IDS_MENU_EXTRACT_BY_DATE = 21084;
inline constexpr unsigned IDS_MENU_EXTRACT_BY_RECORD = 21085;
inline constexpr unsigned IDS_MENU_FILE_ENERGY_SUMMARY = 21086;
inline constexpr unsigned IDS_MENU_GRAPH_OPTIONS = 21087;
inline constexpr unsigned IDS_MENU_GRAPHING_KEYS = 21088;
inline constexpr unsigned IDS_MENU_CLEAR_PEAK = 21089;
inline constexpr unsigned IDS_MENU_CLEAR_TOTALS = 21090;
inline constexpr unsigned IDS_MENU_LOGGER_ENERGY_SUMMARY = 21091;
inline constexpr unsigned IDS_MENU_FIRMWARE_UPDATE = 21092;
inline constexpr unsigned IDS_MENU_THD_CALCULATOR = 21093;
inline constexpr unsigned IDS_MENU_TRACE_FILE = 21094;
inline constexpr unsigned IDS_MENU_RESET_STATUS = 21095;
// The menu's own labels of the framework's commands, whose titles name their dialogs.
inline constexpr unsigned IDS_MENU_FILE_OPEN = 21096;
inline constexpr unsigned IDS_MENU_FILE_SAVE_AS = 21097;
inline constexpr unsigned IDS_MENU_CASCADE = 21098;
inline constexpr unsigned IDS_MENU_TILE = 21099;
inline constexpr unsigned IDS_MENU_PRINT_SETUP = 21100;
