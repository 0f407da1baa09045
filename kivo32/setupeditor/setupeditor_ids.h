// Control, command and text ids of the setup-table document and the setup editor (fixed numbers: never
// renumber); the labels of the dialogs and of the print-out are ours.
#pragma once

// CGetSUTTypeDlg and its help box CSUTTypeHelp.
inline constexpr int IDC_SUT_TYPE_LIST = 1267;
inline constexpr int IDC_SUT_TYPE_HELP = 1277;
inline constexpr int IDC_SUT_TYPE_HELP_ICON = 1278;

// CSUTCTSizeDlg.
inline constexpr int IDC_CT_SIZE = 1577;
// CSUTCTSizeAmbrixDlg: the two kinds, the size and factor with their labels, the catalogue button.
inline constexpr int IDC_CT_KIND_SIZED = 2226;
inline constexpr int IDC_CT_SIZE_LABEL = 2227;
inline constexpr int IDC_CT_AMBRIX_SIZE = 2228;
inline constexpr int IDC_CT_FACTOR_LABEL = 2229;
inline constexpr int IDC_CT_FACTOR = 2230;
inline constexpr int IDC_CT_KIND_FIXED = 2231;
inline constexpr int IDC_CT_CATALOGUE = 2051;

// The setup form's program commands, one button at each end of the general page: the program programs
// the logger with the open setup.
inline constexpr unsigned ID_SUT_PROGRAM_FROM_FORM = 32823;
inline constexpr unsigned ID_SUT_PROGRAM_FROM_FORM_FOOT = 32825;
// The form's messages: timed start or stop refused (firmware too old, or not known); make the chosen
// line frequency the program's default; a short interval; a default setup's name before programming.
inline constexpr unsigned IDS_TIMED_START_FIRMWARE_TOO_OLD = 12541;
inline constexpr unsigned IDS_TIMED_START_FIRMWARE_UNKNOWN = 12542;
inline constexpr unsigned IDS_LINE_FREQUENCY_AS_DEFAULT = 59483;
inline constexpr unsigned IDS_SHORT_INTERVAL = 12474;
inline constexpr unsigned IDS_DEFAULT_SETUP_NAME = 59559;

// CCTChooser: its list, the headings of its five columns (picture, name, output kind, rated value,
// second value), the message of a missing catalogue ("%s" the path); ours: title and the list's tip.
inline constexpr int IDC_CT_CHOOSER_LIST = 59859;
inline constexpr unsigned kCTChooserHeadingIds[5] = {59864, 59865, 59758, 59625, 59785};
inline constexpr unsigned IDS_FILE_DOES_NOT_EXIST = 59490;
inline constexpr unsigned IDS_CT_CHOOSER_TITLE = 22791;
inline constexpr unsigned IDS_CT_CHOOSER_LIST_TIP = 22792;
inline constexpr unsigned IDS_CT_CHOOSER_OK_TIP = 22797;
inline constexpr unsigned IDS_CT_CHOOSER_CANCEL_TIP = 22798;

// Posted to the setup view's frame when the wiring check failed.
inline constexpr unsigned ID_SETUP_WIRING_FAILED = 32775;

// Questions of the setup-table document: no hardware channel in use; save the changes ("%s" the name).
inline constexpr unsigned IDS_NO_CHANNEL_IN_USE = 12295;
inline constexpr unsigned IDS_SAVE_SETUP_CHANGES = 59841;

// Ours: the model chooser and its help box.
inline constexpr unsigned IDS_SUT_TYPE_TITLE = 20300;
inline constexpr unsigned IDS_SUT_TYPE_LABEL = 20301;
inline constexpr unsigned IDS_SUT_TYPE_HELP_TITLE = 20302;
inline constexpr unsigned IDS_SUT_TYPE_HELP_TEXT = 20303;
// Ours: the CT-size dialogs.
inline constexpr unsigned IDS_CT_SIZE_TITLE = 20304;
inline constexpr unsigned IDS_CT_SIZE_LABEL = 20305;
inline constexpr unsigned IDS_CT_AMBRIX_TITLE = 20306;
inline constexpr unsigned IDS_CT_KIND_SIZED = 20307;
inline constexpr unsigned IDS_CT_KIND_FIXED = 20308;
inline constexpr unsigned IDS_CT_AMBRIX_SIZE_LABEL = 20309;
inline constexpr unsigned IDS_CT_FACTOR_LABEL = 20310;
inline constexpr unsigned IDS_CT_CATALOGUE = 20311;
inline constexpr unsigned IDS_CT_SIZE_NOT_POSITIVE = 20312;

// Ours: the general-settings page of the print-out.
inline constexpr unsigned IDS_PRINT_TITLE = 20320;
inline constexpr unsigned IDS_PRINT_FILE = 20321;
inline constexpr unsigned IDS_PRINT_MODEL = 20322;
inline constexpr unsigned IDS_PRINT_SETUP_NAME = 20323;
inline constexpr unsigned IDS_PRINT_LINE_FREQUENCY = 20324;
inline constexpr unsigned IDS_PRINT_INTERVAL = 20325;
inline constexpr unsigned IDS_PRINT_START = 20326;
inline constexpr unsigned IDS_PRINT_STOP = 20327;
inline constexpr unsigned IDS_PRINT_START_AT_ONCE = 20328;
inline constexpr unsigned IDS_PRINT_NO_STOP_TIME = 20329;
inline constexpr unsigned IDS_PRINT_END_TITLE = 20330;
inline constexpr unsigned IDS_PRINT_YES = 20331;
inline constexpr unsigned IDS_PRINT_NO = 20332;
inline constexpr unsigned IDS_PRINT_OPTION_80 = 20333;
inline constexpr unsigned IDS_PRINT_AUTO_LINE_FREQUENCY = 20334;
inline constexpr unsigned IDS_PRINT_OPTION_08 = 20335;
inline constexpr unsigned IDS_PRINT_MEMORY = 20336;
inline constexpr unsigned IDS_PRINT_MEMORY_MODE = 20337;
inline constexpr unsigned IDS_PRINT_MEMORY_RING = 20338;
inline constexpr unsigned IDS_PRINT_MEMORY_LINEAR = 20339;
inline constexpr unsigned IDS_PRINT_DEMAND_WINDOW = 20340;
inline constexpr unsigned IDS_PRINT_MINUTES = 20341;  // %d the minutes
// Ours: the channel pages of the print-out.
inline constexpr unsigned IDS_PRINT_NOT_USED = 20350;
inline constexpr unsigned IDS_PRINT_POWER_CHANNEL = 20351;
inline constexpr unsigned IDS_PRINT_TEMPERATURE_CHANNEL = 20352;
inline constexpr unsigned IDS_PRINT_DC_CHANNEL = 20353;
inline constexpr unsigned IDS_PRINT_RNDC_CHANNEL = 20354;
inline constexpr unsigned IDS_PRINT_CURRENT_CHANNEL = 20355;
inline constexpr unsigned IDS_PRINT_SOFTWARE_CHANNEL = 20356;
inline constexpr unsigned IDS_PRINT_PULSE_CHANNEL = 20357;
inline constexpr unsigned IDS_PRINT_NAME = 20358;
inline constexpr unsigned IDS_PRINT_VOLTS = 20359;
inline constexpr unsigned IDS_PRINT_AMPS = 20360;
inline constexpr unsigned IDS_PRINT_SCALE_LOW = 20361;
inline constexpr unsigned IDS_PRINT_SCALE_HIGH = 20362;
inline constexpr unsigned IDS_PRINT_UNITS = 20363;
inline constexpr unsigned IDS_PRINT_VALUES = 20364;
inline constexpr unsigned IDS_PRINT_LOGGER_LABEL = 20365;
inline constexpr unsigned IDS_PRINT_SCALE = 20366;
inline constexpr unsigned IDS_PRINT_CHANNELS = 20367;
inline constexpr unsigned IDS_PRINT_NOTE = 20368;
