// Control and text ids of the logger setting dialogs, as the resource library numbers them.
#pragma once

// The two lines that name the logger, in most of the dialogs.
inline constexpr int IDC_SETTING_LOGGER_SECOND_TEXT = 1148;
inline constexpr int IDC_SETTING_LOGGER_FIRST_TEXT = 1149;

// CLoggerSUTListDlg.
inline constexpr int IDC_SUT_LIST = 1238;
// CSetBaudDlg.
inline constexpr int IDC_BAUD_RATE = 1212;
// CSetDescriptionDlg, CSetModemStringDlg, CSetTechNameDlg.
inline constexpr int IDC_DESCRIPTION = 1219;
inline constexpr int IDC_MODEM_STRING = 1228;
inline constexpr int IDC_TECH_NAME = 1526;

// CSetTimeDlg: the six fields, their separators, the two spins and the date label.
inline constexpr int IDC_TIME_MONTH = 1150;
inline constexpr int IDC_TIME_DATE_SEPARATOR1 = 1151;
inline constexpr int IDC_TIME_DAY = 1152;
inline constexpr int IDC_TIME_DATE_SEPARATOR2 = 1153;
inline constexpr int IDC_TIME_YEAR = 1154;
inline constexpr int IDC_TIME_DATE_SPIN = 1155;
inline constexpr int IDC_TIME_HOUR = 1156;
inline constexpr int IDC_TIME_TIME_SEPARATOR1 = 1158;
inline constexpr int IDC_TIME_MINUTE = 1160;
inline constexpr int IDC_TIME_TIME_SEPARATOR2 = 1162;
inline constexpr int IDC_TIME_SECOND = 1164;
inline constexpr int IDC_TIME_TIME_SPIN = 1167;
inline constexpr int IDC_TIME_DATE_LABEL = 1339;

// Titles and labels of the dialogs built here in place of the resource library's templates.
inline constexpr unsigned IDS_SUT_LIST_TITLE = 21720;
inline constexpr unsigned IDS_SUT_LIST_PROMPT = 21721;
inline constexpr unsigned IDS_SET_BAUD_TITLE = 21722;
inline constexpr unsigned IDS_SET_BAUD_LABEL = 21723;
inline constexpr unsigned IDS_SET_DESCRIPTION_TITLE = 21724;
inline constexpr unsigned IDS_SET_DESCRIPTION_LABEL = 21725;
inline constexpr unsigned IDS_SET_MODEM_STRING_TITLE = 21726;
inline constexpr unsigned IDS_SET_MODEM_STRING_LABEL = 21727;
inline constexpr unsigned IDS_TECH_NAME_TITLE = 21728;
inline constexpr unsigned IDS_TECH_NAME_LABEL = 21729;
inline constexpr unsigned IDS_SET_TIME_TITLE = 21730;
inline constexpr unsigned IDS_DATE_LABEL_MDY = 21731;
inline constexpr unsigned IDS_DATE_LABEL_DMY = 21732;
inline constexpr unsigned IDS_DATE_LABEL_YMD = 21733;
inline constexpr unsigned IDS_TIME_LABEL = 21734;
inline constexpr unsigned IDS_LOGGER_PROPERTIES_TITLE = 21735;
