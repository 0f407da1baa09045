// Control and text ids of the real-time values windows, their small dialogs and the waveform capture,
// as the resource library numbers them.
#pragma once

// CSetRefreshCountDlg.
inline constexpr int IDC_REFRESH_COUNT = 1292;
inline constexpr int IDC_REFRESH_COUNT_DEFAULT = 1293;

// CRTValsSelectData: the six channel boxes, the label beside the last two, the ten value choices.
inline constexpr int IDC_SELECT_CHANNEL1 = 1319;
inline constexpr int IDC_SELECT_CHANNEL2 = 1321;
inline constexpr int IDC_SELECT_CHANNEL3 = 1322;
inline constexpr int IDC_SELECT_CHANNEL4 = 1323;
inline constexpr int IDC_SELECT_CHANNEL5 = 1324;
inline constexpr int IDC_SELECT_CHANNEL6 = 1325;
inline constexpr int IDC_SELECT_LABEL56 = 1334;
inline constexpr int kChoiceIds[] = {1326, 1327, 1328, 1329, 1330, 1331, 1332, 1333, 1336, 1337};

// Messages and status texts.
inline constexpr unsigned IDS_REFRESH_COUNT_RANGE = 9337;

// Titles, labels and tips of the windows built here in place of the resource library's templates.
inline constexpr unsigned IDS_REFRESH_COUNT_TITLE = 22300;
inline constexpr unsigned IDS_REFRESH_COUNT_LABEL = 22301;
inline constexpr unsigned IDS_REFRESH_COUNT_TIP = 22302;
inline constexpr unsigned IDS_REFRESH_COUNT_DEFAULT = 22303;
inline constexpr unsigned IDS_REFRESH_COUNT_DEFAULT_TIP = 22304;

// Readouts.
inline constexpr unsigned IDS_RT_MINUTE = 59466;
inline constexpr unsigned IDS_RT_MINUTES = 9249;
inline constexpr unsigned IDS_RT_HOUR = 59636;
inline constexpr unsigned IDS_RT_HOURS = 9246;
inline constexpr unsigned IDS_RT_SECOND = 9250;
inline constexpr unsigned IDS_RT_SECONDS = 9251;
inline constexpr unsigned IDS_RT_ONE_SECOND_FAST = 9255;
inline constexpr unsigned IDS_RT_DAYS = 59626;
inline constexpr unsigned IDS_RT_MEMORY_RING = 9273;
inline constexpr unsigned IDS_RT_MEMORY_FILL = 9274;
inline constexpr unsigned IDS_RT_EXTERNAL_POWER = 9326;
inline constexpr unsigned IDS_RT_BATTERY_LOW = 9327;
inline constexpr unsigned IDS_RT_BATTERY_EMPTY = 9328;
inline constexpr unsigned IDS_RT_MAINS_POWERED = 9329;
// Ours: 9325, the number of the weak battery text, is taken by another text in our tables.
inline constexpr unsigned IDS_RT_BATTERY_WEAK = 22305;

// Graph axes.
inline constexpr unsigned IDS_RT_VOLTS = 59623;
inline constexpr unsigned IDS_RT_AMPS = 59625;
inline constexpr unsigned IDS_RT_TEMPERATURE = 59765;
inline constexpr unsigned IDS_RT_ANALOG = 59766;
inline constexpr unsigned IDS_RT_ON_OFF = 59767;

// Grid cells and rows.
inline constexpr unsigned IDS_RT_STATE_ON = 9330;
inline constexpr unsigned IDS_RT_STATE_OFF = 9331;
inline constexpr unsigned IDS_RT_NO_UNIT = 9332;
inline constexpr unsigned IDS_RT_CHANNEL_OFF = 9243;
// Ours: the row names of the channel types; their numbers in the resource library (9204-9208, 9225)
// are taken by other texts in our tables.
inline constexpr unsigned IDS_RT_TYPE_POWER_VOLTS = 22310;
inline constexpr unsigned IDS_RT_TYPE_TEMPERATURE = 22311;
inline constexpr unsigned IDS_RT_TYPE_ON_OFF = 22312;
inline constexpr unsigned IDS_RT_TYPE_POWER = 22313;
inline constexpr unsigned IDS_RT_TYPE_CURRENT = 22314;

// The real-time windows: readouts, Run/Hold, refresh count, grids.
inline constexpr int IDC_RT_FIRST_ID = 1174;
inline constexpr int IDC_RT_SECOND_ID = 1148;
inline constexpr int IDC_RT_THIRD_ID = 1184;
inline constexpr int IDC_RT_DAYS_LEFT = 1185;
inline constexpr int IDC_RT_MEMORY_USED = 1186;
inline constexpr int IDC_RT_BATTERY_STATE = 1187;
inline constexpr int IDC_RT_BATTERY_VOLTS = 1195;
inline constexpr int IDC_RT_DATE = 1189;
inline constexpr int IDC_RT_TIME = 1190;
inline constexpr int IDC_RT_RECORDING = 1191;
inline constexpr int IDC_RT_MEMORY_MODE = 1192;
inline constexpr int IDC_RT_SUPPLY = 1193;
inline constexpr int IDC_RT_INTERVAL = 1194;
inline constexpr int IDC_RT_FREQUENCY = 1865;
inline constexpr int IDC_RT_RUN_HOLD = 1337;
inline constexpr int IDC_RT_REFRESH_COUNT = 1291;
inline constexpr int IDC_RT_GRID = 1264;
// The analog inputs' grid of the model code 14.
inline constexpr int IDC_RT_ANALOG_GRID = 2367;

inline constexpr unsigned IDS_RT_REFRESH_BUTTON = 9244;
inline constexpr unsigned IDS_RT_REFRESHING_BUTTON = 9245;
inline constexpr unsigned IDS_RT_GRID_TYPE = 9259;
inline constexpr unsigned IDS_RT_GRID_VALUES = 9260;
// Ours: the labels of the readouts, the titles and tips of the windows.
inline constexpr unsigned IDS_RT_LABEL_FIRST = 22320;  // 22320-22333 in the order of kReadoutIds
inline constexpr unsigned IDS_RT_TEXT_TITLE = 22334;
inline constexpr unsigned IDS_RT_RUN_HOLD_TIP = 22336;
inline constexpr unsigned IDS_RT_REFRESH_COUNT_TIP = 22337;
inline constexpr unsigned IDS_RT_CLOSE_TIP = 22338;
inline constexpr unsigned IDS_RT_RUN_HOLD = 22347;

// CRTGraphAxisScaling.
inline constexpr int IDC_AXIS_AUTOMATIC = 2237;
inline constexpr int IDC_AXIS_MANUAL = 2238;
inline constexpr int IDC_AXIS_Y_MINIMUM = 2239;
inline constexpr int IDC_AXIS_Y_MAXIMUM = 2240;
inline constexpr int IDC_AXIS_TIME_SPAN = 2241;
inline constexpr unsigned IDS_AXIS_TIME_SPAN_RANGE = 9613;

// The real-time graph window: the graph, the auto-scaling toggle, the axis dialog button.
inline constexpr int IDC_RT_GRAPH = 1001;
inline constexpr int IDC_RT_AUTO_SCALE = 1342;
inline constexpr int IDC_RT_AXIS_SCALING = 1880;
inline constexpr int IDC_RT_EXPORT = 1933;

// Ours: the texts of the channel selection, the axis dialog and the graph window.
inline constexpr unsigned IDS_SELECT_TITLE = 22350;
inline constexpr unsigned IDS_SELECT_CHANNELS = 22351;
inline constexpr unsigned IDS_SELECT_CHANNEL = 22352;  // "Ch%d"
inline constexpr unsigned IDS_SELECT_VALUE = 22353;
inline constexpr unsigned IDS_SELECT_CHOICE_FIRST = 22354;  // 22354-22363 in the order of kChoiceIds
inline constexpr unsigned IDS_SELECT_MISSING = 12420;
inline constexpr unsigned IDS_AXIS_TITLE = 22364;
inline constexpr unsigned IDS_AXIS_AUTOMATIC = 22365;
inline constexpr unsigned IDS_AXIS_MANUAL = 22366;
inline constexpr unsigned IDS_AXIS_Y_MINIMUM = 22367;
inline constexpr unsigned IDS_AXIS_Y_MAXIMUM = 22368;
inline constexpr unsigned IDS_AXIS_TIME_SPAN = 22369;
inline constexpr unsigned IDS_AXIS_Y_ORDER = 22373;
inline constexpr unsigned IDS_RT_GRAPH_TITLE = 22370;
inline constexpr unsigned IDS_RT_AXIS_BUTTON = 22371;
inline constexpr unsigned IDS_RT_AUTO_SCALE = 22372;

// The waveform capture windows.
inline constexpr int IDC_WF_CHANNEL1 = 1345;  // 1345-1348 for channels 1-4
inline constexpr int IDC_WF_CAPTURE_TIME = 1149;
inline constexpr int IDC_WF_CONTINUOUS = 1349;
inline constexpr int IDC_WF_REFRESH_COUNT = 1350;
inline constexpr int IDC_WF_PRINT = 1351;
inline constexpr int IDC_WF_COPY = 1352;
inline constexpr unsigned IDS_WF_FLAT = 12477;
inline constexpr unsigned IDS_WF_START_CONTINUOUS = 59428;
inline constexpr unsigned IDS_WF_STOP_CONTINUOUS = 59429;
// Ours: the title, labels and buttons of the capture windows.
inline constexpr unsigned IDS_WF_TITLE = 22374;
inline constexpr unsigned IDS_WF_CAPTURED = 22375;
inline constexpr unsigned IDS_WF_PRINT = 22376;
inline constexpr unsigned IDS_WF_COPY = 22377;
inline constexpr unsigned IDS_WF_CAPTURE_AGAIN = 22378;
inline constexpr int IDC_RT_CAPTURE = 1350;  // the Standard windows' waveform capture
inline constexpr unsigned IDS_RT_CAPTURE_BUTTON = 22379;
// The text window's THD help (Quarven).
inline constexpr int IDC_RT_THD_HELP = 2432;
inline constexpr unsigned IDS_RT_THD_HELP_TIP = 32971;
inline constexpr unsigned IDS_RT_THD_HELP = 22380;

// Graph export: the button, the file dialog's title; the failure shares the data export's text.
inline constexpr unsigned IDS_RT_EXPORT_BUTTON = 22381;
inline constexpr unsigned IDS_RT_EXPORT_TITLE = 22382;
inline constexpr unsigned IDS_RT_EXPORT_FAILED = 59566;
