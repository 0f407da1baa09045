// Control and text ids of the harmonics windows, the THD calculator and the THD help, as the resource
// library numbers them; the labels of the dialogs are ours. Fixed numbers: never renumber.
#pragma once

// CTHDHelpDlg (template 59843): its text, the help-document and picture buttons, their tips and that of
// OK.
inline constexpr int IDC_THD_HELP_TEXT = 59846;
inline constexpr int IDC_THD_HELP_DOCUMENT = 59845;
inline constexpr int IDC_THD_HELP_PICTURE = 59844;
inline constexpr unsigned IDS_THD_HELP_TEXT = 59847;
inline constexpr unsigned IDS_THD_HELP_TIP_DOCUMENT = 59848;
inline constexpr unsigned IDS_THD_HELP_TIP_PICTURE = 59849;
inline constexpr unsigned IDS_THD_HELP_TIP_OK = 59588;
// Ours: its title and the labels of its two buttons.
inline constexpr unsigned IDS_THD_HELP_TITLE = 23600;
inline constexpr unsigned IDS_THD_HELP_DOCUMENT = 23601;
inline constexpr unsigned IDS_THD_HELP_PICTURE = 23602;

// CTHDCalculator (template 253): the edits of the five readings with their indicators, the result with
// its indicator, the status line.
inline constexpr int IDC_THD_VOLTS = 2428;
inline constexpr int IDC_THD_VOLTS_USED = 2429;
inline constexpr int IDC_THD_AMPS = 2430;
inline constexpr int IDC_THD_AMPS_USED = 2431;
inline constexpr int IDC_THD_KW = 1328;
inline constexpr int IDC_THD_KW_USED = 2433;
inline constexpr int IDC_THD_KVAR = 1331;
inline constexpr int IDC_THD_KVAR_USED = 2435;
inline constexpr int IDC_THD_POWER_FACTOR = 1330;
inline constexpr int IDC_THD_POWER_FACTOR_USED = 2440;
inline constexpr int IDC_THD_RESULT = 2436;
inline constexpr int IDC_THD_RESULT_VALID = 2437;
inline constexpr int IDC_THD_STATUS = 2438;
// Ours: its title and labels.
inline constexpr unsigned IDS_THD_CALCULATOR_TITLE = 23603;
inline constexpr unsigned IDS_THD_LABEL_VOLTS = 23604;
inline constexpr unsigned IDS_THD_LABEL_AMPS = 23605;
inline constexpr unsigned IDS_THD_LABEL_KW = 23606;
inline constexpr unsigned IDS_THD_LABEL_KVAR = 23607;
inline constexpr unsigned IDS_THD_LABEL_POWER_FACTOR = 23608;
inline constexpr unsigned IDS_THD_LABEL_RESULT = 23609;
// Its status lines.
inline constexpr unsigned IDS_THD_NOT_VALID = 23610;
inline constexpr unsigned IDS_THD_VALID = 23611;
inline constexpr unsigned IDS_THD_VALID_DISTORTED = 23612;
inline constexpr unsigned IDS_THD_ENTER_VOLTS = 23613;
inline constexpr unsigned IDS_THD_ENTER_AMPS = 23614;
inline constexpr unsigned IDS_THD_ENTER_KW = 23615;
inline constexpr unsigned IDS_THD_ENTER_KVAR_OR_PF = 23616;

// CHarmonicsDlg (template 75): the channel radios, the selected harmonic with its spin, the mode radios,
// the readouts, the logger's texts, the buttons.
inline constexpr int IDC_HARM_CHANNEL_1 = 1345;
inline constexpr int IDC_HARM_CHANNEL_2 = 1346;
inline constexpr int IDC_HARM_CHANNEL_3 = 1347;
inline constexpr int IDC_HARM_CHANNEL_4 = 1348;
inline constexpr int IDC_HARM_INDEX = 1497;
inline constexpr int IDC_HARM_MODE_FUNDAMENTAL = 1498;
inline constexpr int IDC_HARM_MODE_TOTAL = 1512;
inline constexpr int IDC_HARM_SELECTED_VOLTS = 1499;
inline constexpr int IDC_HARM_SELECTED_VOLTS_PERCENT = 1500;
inline constexpr int IDC_HARM_SELECTED_AMPS_PERCENT = 1501;
inline constexpr int IDC_HARM_SELECTED_AMPS = 1502;
inline constexpr int IDC_HARM_SELECTED_FREQUENCY = 1503;
inline constexpr int IDC_HARM_VOLTS_PEAK = 1504;
inline constexpr int IDC_HARM_VOLTS_RMS = 1505;
inline constexpr int IDC_HARM_AMPS_PEAK = 1506;
inline constexpr int IDC_HARM_AMPS_RMS = 1507;
inline constexpr int IDC_HARM_VOLTS_THD = 1508;
inline constexpr int IDC_HARM_AMPS_THD = 1509;
inline constexpr int IDC_HARM_VOLTS_CREST = 1510;
inline constexpr int IDC_HARM_AMPS_CREST = 1511;
inline constexpr int IDC_HARM_K_FACTOR = 1783;
inline constexpr int IDC_HARM_FREQUENCY_LABEL = 1864;
inline constexpr int IDC_HARM_FREQUENCY = 1865;
inline constexpr int IDC_HARM_LOGGER_ID = 1174;
inline constexpr int IDC_HARM_DESCRIPTION = 1148;
inline constexpr int IDC_HARM_CLOCK = 1149;
inline constexpr int IDC_HARM_LOG_STATE = 1871;
inline constexpr int IDC_HARM_RUN = 1349;
inline constexpr int IDC_HARM_REFRESH_COUNT = 1350;
inline constexpr int IDC_HARM_PRINT_GRAPH = 1351;
inline constexpr int IDC_HARM_COPY_WINDOW = 1352;
inline constexpr int IDC_HARM_LOGGING = 1868;
inline constexpr int IDC_HARM_VIEW_LOG = 1870;
inline constexpr int IDC_HARM_SPECTRUM = 1001;
inline constexpr unsigned IDS_HARM_RUN = 59428;
inline constexpr unsigned IDS_HARM_STOP = 59429;
inline constexpr unsigned IDS_HARM_VIEW_LOGGING = 59433;  // the log to view is being written: stop first?
inline constexpr unsigned IDS_HARM_STOP_LOGGING_BUTTON = 59434;
inline constexpr unsigned IDS_HARM_START_LOGGING_BUTTON = 59524;
inline constexpr unsigned IDS_HARM_LOG_STATE = 59435;
inline constexpr unsigned IDS_HARM_LOG_NOT_OPENED = 59525;
inline constexpr unsigned IDS_HARM_VOLTS = 59571;
inline constexpr unsigned IDS_HARM_AMPS = 59572;
inline constexpr unsigned IDS_HARM_CSV_FILTER = 59762;
inline constexpr unsigned IDS_HARM_ALL_FILTER = 59634;
inline constexpr unsigned IDS_HARM_NOT_CSV = 9352;  // %s the chosen path
inline constexpr unsigned IDS_HARM_STATE_ON = 20762;
inline constexpr unsigned IDS_HARM_STATE_OFF = 9243;
// CHarmonicLogPrefDlg (template 198): its two check boxes, the warning before raw data.
inline constexpr int IDC_HLOG_SUMMARY = 1872;
inline constexpr int IDC_HLOG_RAW_DATA = 1876;
inline constexpr unsigned IDS_HLOG_RAW_DATA_WARNING = 59432;
// Ours: the labels of the two windows, and the notice of a setup without a channel of volts and amps.
inline constexpr unsigned IDS_HARM_TITLE = 23620;
inline constexpr unsigned IDS_HARM_CHANNEL = 23621;
inline constexpr unsigned IDS_HARM_HARMONIC = 23622;
inline constexpr unsigned IDS_HARM_SELECTED = 23623;
inline constexpr unsigned IDS_HARM_VOLTAGE = 23624;
inline constexpr unsigned IDS_HARM_CURRENT = 23625;
inline constexpr unsigned IDS_HARM_PEAK = 23626;
inline constexpr unsigned IDS_HARM_RMS = 23627;
inline constexpr unsigned IDS_HARM_THD = 23628;
inline constexpr unsigned IDS_HARM_CREST = 23629;
inline constexpr unsigned IDS_HARM_K_FACTOR = 23630;
inline constexpr unsigned IDS_HARM_PERCENT_FUNDAMENTAL = 23631;
inline constexpr unsigned IDS_HARM_PERCENT_TOTAL = 23632;
inline constexpr unsigned IDS_HARM_REFRESH_COUNT = 23633;
inline constexpr unsigned IDS_HARM_PRINT_GRAPH = 23634;
inline constexpr unsigned IDS_HARM_COPY_WINDOW = 23635;
inline constexpr unsigned IDS_HARM_VIEW_LOG = 23636;
inline constexpr unsigned IDS_HARM_CLOCK = 23637;
inline constexpr unsigned IDS_HARM_FREQUENCY = 23638;
inline constexpr unsigned IDS_HARM_LOGGER = 23639;
inline constexpr unsigned IDS_HLOG_PREF_TITLE = 23640;
inline constexpr unsigned IDS_HLOG_PREF_SUMMARY = 23641;
inline constexpr unsigned IDS_HLOG_PREF_RAW_DATA = 23642;
inline constexpr unsigned IDS_HARM_NO_CHANNEL = 23643;
inline constexpr unsigned IDS_HARM_CHANNEL_1 = 23644;
inline constexpr unsigned IDS_HARM_CHANNEL_2 = 23645;
inline constexpr unsigned IDS_HARM_CHANNEL_3 = 23646;
inline constexpr unsigned IDS_HARM_CHANNEL_4 = 23647;
