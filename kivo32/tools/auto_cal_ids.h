// The production calibration window: control ids and text ids.
#pragma once

// What the window shows of the logger and of the calibration.
inline constexpr int IDC_CAL_DESCRIPTION = 1148;
inline constexpr int IDC_CAL_AMP_SCALAR = 1157;
inline constexpr int IDC_CAL_MEASURED_AMPS = 1161;
inline constexpr int IDC_CAL_AMP_ERROR = 1164;
inline constexpr int IDC_CAL_VOLT_SCALAR = 1166;
inline constexpr int IDC_CAL_MEASURED_VOLTS = 1171;
inline constexpr int IDC_CAL_STATUS = 1172;
inline constexpr int IDC_CAL_PHASE_VOLTS = 1173;
inline constexpr int IDC_CAL_SERIAL_NUMBER = 1174;
inline constexpr int IDC_CAL_TYPE_NAME = 1175;
inline constexpr int IDC_CAL_ID = 1176;
inline constexpr int IDC_CAL_PHASE_AMPS = 1179;
inline constexpr int IDC_CAL_LOG_STATE = 1181;
inline constexpr int IDC_CAL_BAUD = 1212;
inline constexpr int IDC_CAL_VOLT_SOURCE = 1280;
inline constexpr int IDC_CAL_AMP_SOURCE = 1281;
inline constexpr int IDC_CAL_REFERENCE_VOLTS = 1514;
inline constexpr int IDC_CAL_REFERENCE_AMPS = 1515;
inline constexpr int IDC_CAL_VOLT_ERROR = 1522;
inline constexpr int IDC_CAL_COMMENT = 1525;
// The phase, modem and memory choices.
inline constexpr int IDC_CAL_PHASE_L1 = 1194;
inline constexpr int IDC_CAL_PHASE_L2 = 1517;
inline constexpr int IDC_CAL_PHASE_L3 = 1518;
inline constexpr int IDC_CAL_MODEM_NONE = 1193;
inline constexpr int IDC_CAL_MODEM_2400 = 1513;
inline constexpr int IDC_CAL_MODEM_9600 = 1516;
inline constexpr int IDC_CAL_MODEM_14400 = 1882;
inline constexpr int IDC_CAL_MEMORY_128K = 1523;
inline constexpr int IDC_CAL_MEMORY_512K = 1524;
// The three steps.
inline constexpr int IDC_CAL_MEASURE = 1519;
inline constexpr int IDC_CAL_AUTO_CAL = 1520;
inline constexpr int IDC_CAL_STORE = 1521;

// Titles and labels of the window, built here in place of the resource library's template.
inline constexpr unsigned IDS_CAL_TITLE = 22100;
inline constexpr unsigned IDS_CAL_LOGGER_GROUP = 22101;
inline constexpr unsigned IDS_CAL_ID_LABEL = 22102;
inline constexpr unsigned IDS_CAL_TYPE_LABEL = 22103;
inline constexpr unsigned IDS_CAL_DESCRIPTION_LABEL = 22104;
inline constexpr unsigned IDS_CAL_LOG_LABEL = 22105;
inline constexpr unsigned IDS_CAL_BAUD_LABEL = 22106;
inline constexpr unsigned IDS_CAL_SERIAL_LABEL = 22107;
inline constexpr unsigned IDS_CAL_VOLT_SOURCE_LABEL = 22108;
inline constexpr unsigned IDS_CAL_AMP_SOURCE_LABEL = 22109;
inline constexpr unsigned IDS_CAL_SCALAR_HEADING = 22110;
inline constexpr unsigned IDS_CAL_REFERENCE_HEADING = 22111;
inline constexpr unsigned IDS_CAL_MEASURED_HEADING = 22112;
inline constexpr unsigned IDS_CAL_ERROR_HEADING = 22113;
inline constexpr unsigned IDS_CAL_VOLTS_LABEL = 22114;
inline constexpr unsigned IDS_CAL_AMPS_LABEL = 22115;
inline constexpr unsigned IDS_CAL_PHASE_GROUP = 22116;
inline constexpr unsigned IDS_CAL_MODEM_GROUP = 22117;
inline constexpr unsigned IDS_CAL_MEMORY_GROUP = 22118;
inline constexpr unsigned IDS_CAL_NONE = 22119;
inline constexpr unsigned IDS_CAL_COMMENT_LABEL = 22120;
inline constexpr unsigned IDS_CAL_AUTO_CAL = 22121;
inline constexpr unsigned IDS_CAL_MEASURE = 22122;
inline constexpr unsigned IDS_CAL_STORE = 22123;
inline constexpr unsigned IDS_CAL_CLOSE = 22124;

// Instructions of the status line, questions and messages.
inline constexpr unsigned IDS_CAL_START = 22130;
inline constexpr unsigned IDS_CAL_BEGINNING = 22131;
inline constexpr unsigned IDS_CAL_COUNTS_UNREAD = 22132;
inline constexpr unsigned IDS_CAL_NO_VOLT_INPUT = 22133;
inline constexpr unsigned IDS_CAL_BEGINNING_AMPS = 22134;
inline constexpr unsigned IDS_CAL_NO_AMP_INPUT = 22135;
inline constexpr unsigned IDS_CAL_AMP_SCALAR_RANGE = 22136;
inline constexpr unsigned IDS_CAL_VOLT_SCALAR_RANGE = 22137;
inline constexpr unsigned IDS_CAL_CONTINUE_BUTTON = 22138;
inline constexpr unsigned IDS_CAL_CANCEL_BUTTON = 22139;
inline constexpr unsigned IDS_CAL_UPDATING = 22140;
inline constexpr unsigned IDS_CAL_DONE = 22141;
inline constexpr unsigned IDS_CAL_MEASURE_FIRST = 22142;
inline constexpr unsigned IDS_CAL_SAMPLING = 22143;
inline constexpr unsigned IDS_CAL_L1_DONE = 22144;
inline constexpr unsigned IDS_CAL_L2_DONE = 22145;
inline constexpr unsigned IDS_CAL_L3_DONE = 22146;
inline constexpr unsigned IDS_CAL_ALREADY_STORED = 22147;
inline constexpr unsigned IDS_CAL_STORE_FIRST = 22148;
inline constexpr unsigned IDS_CAL_PHASE_UNMEASURED = 22149;
inline constexpr unsigned IDS_CAL_VOLT_ERRORS = 22150;
inline constexpr unsigned IDS_CAL_AMP_ERRORS = 22151;
inline constexpr unsigned IDS_CAL_STORE_BUTTON = 22152;
inline constexpr unsigned IDS_CAL_CREATE_FILE = 22153;
inline constexpr unsigned IDS_CAL_FILE_FILTER = 22154;
inline constexpr unsigned IDS_CAL_STORED = 22155;
inline constexpr unsigned IDS_CAL_STORE_BEFORE_CLOSING = 22156;
// Ours: the number the resource library gives this message is taken by the graph's wording.
inline constexpr unsigned IDS_CAL_FILE_NOT_OPENED = 22157;
inline constexpr unsigned IDS_CAL_NOT_WRITTEN = 22158;
