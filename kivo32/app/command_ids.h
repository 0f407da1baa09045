// The commands of kivo32's menus and toolbar that the application and its main frame carry. The
// commands of the views (grid, graph, setup table) are named in their own folders' ids headers.
#pragma once

#include "kivo32/update/update_ids.h"

// ---- Logger commands run on the session thread.
inline constexpr unsigned ID_LOGGER_SET_TIME = 32794;
inline constexpr unsigned ID_LOGGER_SYNC_TIME = 32795;
inline constexpr unsigned ID_LOGGER_SET_BAUD = 32796;
inline constexpr unsigned ID_LOGGER_SET_DESCRIPTION = 32797;
inline constexpr unsigned ID_LOGGER_START_STOP = 32798;
inline constexpr unsigned ID_LOGGER_CLEAR_MEMORY = 32799;
inline constexpr unsigned ID_LOGGER_MODEM_STRING = 32800;
inline constexpr unsigned ID_LOGGER_SET_IDS = 32801;
inline constexpr unsigned ID_LOGGER_MEMORY_TEST = 32802;
inline constexpr unsigned ID_LOGGER_SET_SCALARS = 32803;
inline constexpr unsigned ID_LOGGER_CAL_AMP = 32804;
inline constexpr unsigned ID_LOGGER_CAL_VOLT_TEMP = 32830;
inline constexpr unsigned ID_LOGGER_PROGRAM = 32946;
inline constexpr unsigned ID_SUT_PROGRAM_LOGGER = 32823;       // the setup-table view's own program command
inline constexpr unsigned ID_SUT_PROGRAM_LOGGER_FOOT = 32825;  // the same, from the foot of its page
inline constexpr unsigned ID_LOGGER_READ_SETUP = 32793;
inline constexpr unsigned ID_LOGGER_REAL_TIME_TEXT = 32791;
inline constexpr unsigned ID_LOGGER_REAL_TIME_GRAPH = 32792;
inline constexpr unsigned ID_LOGGER_CALL_SCHEDULE = 32843;
inline constexpr unsigned ID_LOGGER_READ_CALL_SCHEDULE = 32844;
inline constexpr unsigned ID_LOGGER_HARMONICS = 32851;
inline constexpr unsigned ID_LOGGER_WAVEFORM = 32850;
inline constexpr unsigned ID_LOGGER_AUTO_CALIBRATION = 32857;
inline constexpr unsigned ID_LOGGER_TOGGLE_OPTION = 32905;
inline constexpr unsigned ID_LOGGER_NETWORK_INFO = 32924;
inline constexpr unsigned ID_LOGGER_CLEAR_PEAK = 32930;
inline constexpr unsigned ID_LOGGER_CLEAR_TOTALS = 32929;
inline constexpr unsigned ID_LOGGER_PROPERTIES = 32959;
inline constexpr unsigned ID_LOGGER_PROPERTIES_TOOLBAR = 32963;
inline constexpr unsigned ID_LOGGER_WIFI_INFO = 32961;
inline constexpr unsigned ID_LOGGER_WEB_PASSWORD = 32969;
inline constexpr unsigned ID_LOGGER_ENERGY_SUMMARY = 32968;
// 32944, defined with the update check, which posts it and sits below the program's headers.
inline constexpr unsigned ID_LOGGER_FIRMWARE_UPDATE = ID_VC_FIRMWARE_UPDATE;
inline constexpr unsigned ID_LOGGER_DOWNLOAD = 32790;
inline constexpr unsigned ID_LOGGER_DOWNLOAD_AGAIN = 32849;

// ---- The link.
inline constexpr unsigned ID_CANCEL_COMMAND = 32826;
inline constexpr unsigned ID_CONNECT_DIRECT = 32785;
inline constexpr unsigned ID_CONNECT_MODEM = 32786;
inline constexpr unsigned ID_CONNECT_NETWORK = 32914;
inline constexpr unsigned ID_ANSWER_MODE = 32847;
inline constexpr unsigned ID_DISCONNECT = 32789;
inline constexpr unsigned ID_PC_SETUP = 32782;
inline constexpr unsigned ID_TERMINAL_MODE = 32909;

// ---- Files, tools and programs.
inline constexpr unsigned ID_START_TELDRIN = 32788;
inline constexpr unsigned ID_START_DORVANE = 32845;
inline constexpr unsigned ID_OPEN_DATA_FILE = 32848;
inline constexpr unsigned ID_OPEN_LOGGER_LIST = 32923;
inline constexpr unsigned ID_EXPORT_DATA_FILE = 32806;
inline constexpr unsigned ID_CONVERT_CSV = 32931;
inline constexpr unsigned ID_NEW_SETUP_TABLE = 32965;
inline constexpr unsigned ID_CLOSE_ALL = 32784;
inline constexpr unsigned ID_THD_CALCULATOR = 32970;
inline constexpr unsigned ID_RESET_STATUS = 32964;

// ---- Commands on the active data grid.
inline constexpr unsigned ID_GRID_EXPORT = 32832;
inline constexpr unsigned ID_GRID_EXPORT_SELECTION = 32835;
inline constexpr unsigned ID_GRID_GRAPH_COLUMN = 32874;
inline constexpr unsigned ID_GRID_LOAD_PROFILE_TABLE = 32869;
inline constexpr unsigned ID_GRID_LOAD_PROFILE_GRAPH = 32870;
inline constexpr unsigned ID_GRID_STATISTICS_1 = 32868;
inline constexpr unsigned ID_GRID_STATISTICS_2 = 32901;
inline constexpr unsigned ID_GRID_STATISTICS_3 = 32864;
inline constexpr unsigned ID_GRID_STATISTICS_4 = 32865;
inline constexpr unsigned ID_GRID_STATISTICS_5 = 32867;
inline constexpr unsigned ID_GRID_DATA_ERRORS = 32945;
inline constexpr unsigned ID_GRID_FILE_SUMMARY = 32890;
inline constexpr unsigned ID_GRID_EXTRACT_BY_DATE = 32891;
inline constexpr unsigned ID_GRID_EXTRACT_BY_RECORD = 32892;
inline constexpr unsigned ID_GRID_DATA_VIEW_0 = 32974;
inline constexpr unsigned ID_GRID_DATA_VIEW_1 = 32941;
inline constexpr unsigned ID_GRAPH_OPTIONS = 32893;
inline constexpr unsigned ID_FILE_ENERGY_SUMMARY = 32967;
inline constexpr unsigned ID_LOAD_PROFILE_ACTION = 32904;

// ---- Help, trace and updates.
inline constexpr unsigned ID_HELP_FILE = 32859;
inline constexpr unsigned ID_HELP_INDEX = 57670;
inline constexpr unsigned ID_APP_ABOUT = 57664;
inline constexpr unsigned ID_TRACE_ON_OFF = 32957;
inline constexpr unsigned ID_TRACE_OPEN_FILE = 32955;
inline constexpr unsigned ID_CHECK_FOR_UPDATES = 32958;

// ---- The main frame's own.
inline constexpr unsigned ID_VIEW_CONNECTION_STATUS = 32824;
inline constexpr unsigned ID_VIEW_TOOLBAR_TOGGLE = 32828;
inline constexpr unsigned ID_VERSION_CHECK_OPTION = 2401;
