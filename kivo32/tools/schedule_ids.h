// The host-call schedule window and its call-time dialog: control ids and text ids.
#pragma once

// Controls of the schedule window.
inline constexpr int IDC_SCHEDULE_NONE = 1396;
inline constexpr int IDC_SCHEDULE_ONCE = 1355;
inline constexpr int IDC_SCHEDULE_DAILY = 1356;
inline constexpr int IDC_SCHEDULE_WEEKLY = 1357;
inline constexpr int IDC_SCHEDULE_MONTHLY = 1394;
inline constexpr int IDC_ONCE_HOUR = 1202;
inline constexpr int IDC_ONCE_MINUTE = 1205;
inline constexpr int IDC_ONCE_SPIN = 1206;
inline constexpr int IDC_DAILY_HOUR = 1210;
inline constexpr int IDC_DAILY_MINUTE = 1214;
inline constexpr int IDC_DAILY_SPIN = 1215;
inline constexpr int IDC_WEEKDAY_FIRST = 1412;  // Sunday; Saturday is 1418
inline constexpr int IDC_MONTH_GRID = 1395;
inline constexpr int IDC_HOST_TEXT = 1406;
inline constexpr int IDC_OPTION_A = 1381;
inline constexpr int IDC_OPTION_B = 1380;
inline constexpr int IDC_OPTION_B_FIRST = 1383;
inline constexpr int IDC_OPTION_B_SECOND = 1382;
inline constexpr int IDC_SCHEDULE_STATUS = 1482;
inline constexpr int IDC_RESTART_ONLY = 1487;

// Controls of the call-time dialog.
inline constexpr int IDC_CALL_HOUR = 1156;
inline constexpr int IDC_CALL_MINUTE = 1160;
inline constexpr int IDC_CALL_SPIN = 1401;
inline constexpr int IDC_CALL_AT_TIME = 1410;
inline constexpr int IDC_CALL_NOT = 1411;

// Messages and texts.
inline constexpr unsigned IDS_CALL_TOO_SOON = 12438;
inline constexpr unsigned IDS_CALL_MOVED_ON = 12439;
inline constexpr unsigned IDS_NO_HOST_TEXT = 12440;
inline constexpr unsigned IDS_NO_CALL_OPTION = 12441;
inline constexpr unsigned IDS_SCHEDULE_STATUS = 12471;
inline constexpr unsigned IDS_NO_WEEKDAY_CALL = 12491;
inline constexpr unsigned IDS_SCHEDULE_TITLE = 21400;
inline constexpr unsigned IDS_SCHEDULE_KIND_NONE = 21401;
inline constexpr unsigned IDS_SCHEDULE_KIND_ONCE = 21402;
inline constexpr unsigned IDS_SCHEDULE_KIND_DAILY = 21403;
inline constexpr unsigned IDS_SCHEDULE_KIND_WEEKLY = 21404;
inline constexpr unsigned IDS_SCHEDULE_KIND_MONTHLY = 21405;
inline constexpr unsigned IDS_SCHEDULE_HOST = 21406;
inline constexpr unsigned IDS_SCHEDULE_OPTION_A = 21407;
inline constexpr unsigned IDS_SCHEDULE_OPTION_B = 21408;
inline constexpr unsigned IDS_SCHEDULE_OPTION_B_FIRST = 21409;
inline constexpr unsigned IDS_SCHEDULE_OPTION_B_SECOND = 21410;
inline constexpr unsigned IDS_SCHEDULE_RESTART_ONLY = 21411;
inline constexpr unsigned IDS_WEEKDAY_NAMES = 21412;  // seven names, Sunday first, separated by commas
inline constexpr unsigned IDS_CALL_TIME_TITLE = 21413;
inline constexpr unsigned IDS_CALL_AT_TIME = 21414;
inline constexpr unsigned IDS_CALL_NOT = 21415;
inline constexpr unsigned IDS_CALL_TIME_LABEL = 21416;
