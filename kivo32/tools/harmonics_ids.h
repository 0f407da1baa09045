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
