// Control and text ids of the scalar, calibration, logger-ID and I/O configuration windows.
#pragma once

// The calibration windows.
inline constexpr int IDC_CAL_EXPECTED_INPUT = 1280;  // current (A) or voltage (V)
inline constexpr int IDC_CAL_RANGE = 1281;
inline constexpr int IDC_CAL_AMP_SCALAR_VALUE = 1157;
inline constexpr int IDC_CAL_AMP_EXPECTED = 1159;
inline constexpr int IDC_CAL_AMP_MEASURED = 1161;
inline constexpr int IDC_CAL_ERROR = 1163;
inline constexpr int IDC_CAL_VOLT_SCALAR_VALUE = 1166;
inline constexpr int IDC_CAL_VOLT_EXPECTED = 1169;
inline constexpr int IDC_CAL_VOLT_MEASURED = 1171;
inline constexpr int IDC_CAL_WAKE = 1183;
inline constexpr int IDC_CAL_AMP_CHECK = 1282;
inline constexpr int IDC_CAL_AMP_CALIBRATE = 1283;
inline constexpr int IDC_CAL_SEND = 1284;
inline constexpr int IDC_CAL_VOLT_CHECK = 1285;
inline constexpr int IDC_CAL_VOLT_CALIBRATE = 1286;
inline constexpr int IDC_CAL_SCALAR_LABEL = 2270;
inline constexpr int IDC_CAL_EXPECTED_LABEL = 2271;
inline constexpr int IDC_CAL_MEASURED_LABEL = 2272;
inline constexpr int IDC_CAL_RANGE_LABEL = 2273;
// Posted by a calibration window to itself when one of its typed values lost the focus (wParam the
// control id).
inline constexpr unsigned WM_CAL_CHECK_TYPED_VALUE = 0x80D2;

// CSetScalarsDlg.
inline constexpr int IDC_SCALARS_A = 1279;
inline constexpr int IDC_SCALARS_V = 1166;

// CSetLoggerIDsDlg.
inline constexpr int IDC_IDS_LOGGER_ID = 1287;
inline constexpr int IDC_IDS_MODEL = 1289;
inline constexpr int IDC_IDS_VARIANT = 1182;
inline constexpr int IDC_IDS_IO_CONFIG = 2256;

// CLoggerIOConfigDlg: the value shown.
inline constexpr int IDC_IO_CONFIG_VALUE = 2251;

inline constexpr unsigned IDS_UPDATING_VOLT_SCALAR = 12379;
inline constexpr unsigned IDS_SET_SCALARS_TITLE = 22400;
inline constexpr unsigned IDS_SET_SCALARS_AMP = 22401;
inline constexpr unsigned IDS_SET_SCALARS_VOLT = 22402;
inline constexpr unsigned IDS_CAL_AMP_TITLE = 22403;
inline constexpr unsigned IDS_CAL_VOLT_TITLE = 22404;
inline constexpr unsigned IDS_CAL_EXPECTED_CURRENT = 22405;
inline constexpr unsigned IDS_CAL_RANGE = 22406;
inline constexpr unsigned IDS_CAL_SCALAR_VALUE = 22407;
inline constexpr unsigned IDS_CAL_EXPECTED_READING = 22408;
inline constexpr unsigned IDS_CAL_MEASURED_READING = 22409;
inline constexpr unsigned IDS_CAL_ERROR_PERCENT = 22410;
inline constexpr unsigned IDS_CAL_CHECK = 22411;
inline constexpr unsigned IDS_CAL_CALIBRATE = 22412;
inline constexpr unsigned IDS_CAL_SEND = 22413;
inline constexpr unsigned IDS_CAL_WAKE = 22414;
inline constexpr unsigned IDS_CAL_EXPECTED_VOLTAGE = 22415;
inline constexpr unsigned IDS_CAL_VOLTAGE_TITLE = 22416;
inline constexpr unsigned IDS_CAL_VOLTAGE_SCALAR_VALUE = 22417;
inline constexpr unsigned IDS_CAL_VOLTAGE_EXPECTED = 22418;
inline constexpr unsigned IDS_CAL_VOLTAGE_MEASURED = 22419;
inline constexpr unsigned IDS_CAL_AMP_READ_FAILED = 22420;
inline constexpr unsigned IDS_CAL_VOLT_READ_FAILED = 22421;
inline constexpr unsigned IDS_LOGGER_IDS_TITLE = 22422;
inline constexpr unsigned IDS_LOGGER_IDS_ID = 22423;
inline constexpr unsigned IDS_LOGGER_IDS_MODEL = 22424;
inline constexpr unsigned IDS_LOGGER_IDS_VARIANT = 22425;
inline constexpr unsigned IDS_LOGGER_IDS_IO_CONFIG = 22426;
inline constexpr unsigned IDS_IO_CONFIG_QUARVEN_ONLY = 22427;
inline constexpr unsigned IDS_IO_CONFIG_READ_FAILED = 22428;
inline constexpr unsigned IDS_IO_CONFIG_SENT = 22429;
inline constexpr unsigned IDS_IO_CONFIG_SEND_FAILED = 22430;
inline constexpr unsigned IDS_IO_CONFIG_TITLE = 22431;
inline constexpr unsigned IDS_IO_CONFIG_SWITCH_FIRST = 22432;  // seven captions, bit 0 first
inline constexpr unsigned IDS_IO_CONFIG_VALUE = 22439;
