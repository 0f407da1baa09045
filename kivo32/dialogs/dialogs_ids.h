// Control and text ids of the application shell's dialogs; fixed numbers: never renumber.
#pragma once

// CDisplayTextDlg.
inline constexpr int IDC_DISPLAY_TEXT = 2251;
inline constexpr int IDC_DISPLAY_REFRESH = 1349;
inline constexpr int IDC_DISPLAY_GRIP = 2360;

// Labels of the dialogs built here in place of the resource library's templates.
inline constexpr unsigned IDS_DISPLAY_REFRESH = 20200;

// CPCSetupDlg: its controls (dialog 132).
inline constexpr int IDC_PC_DATA_DIR = 1002;
inline constexpr int IDC_PC_MODEM_LINE = 1004;
inline constexpr int IDC_PC_SETUP_DIR = 1005;
inline constexpr int IDC_PC_LOGGER_LIST_DIR = 1006;
inline constexpr int IDC_PC_PORT = 1007;
inline constexpr int IDC_PC_DIRECT_BAUD = 1009;
inline constexpr int IDC_PC_MODEM_BAUD = 1013;
inline constexpr int IDC_PC_BROWSE_DATA_DIR = 1274;
inline constexpr int IDC_PC_BROWSE_SETUP_DIR = 1275;
inline constexpr int IDC_PC_BROWSE_LOGGER_LIST_DIR = 1276;
inline constexpr int IDC_PC_MODEM_LINE_LABEL = 1428;
inline constexpr int IDC_PC_DIRECT_BAUD_LABEL = 2242;
inline constexpr int IDC_PC_PORT_PREFS = 2261;
inline constexpr int IDC_PC_OLDER_MODELS = 2264;
inline constexpr int IDC_PC_MODEM_BAUD_LABEL = 2265;
inline constexpr int IDC_PC_MODEM_GROUP_LABEL = 2266;
inline constexpr int IDC_PC_LOGGER_KIND = 2277;
inline constexpr int IDC_PC_TELDRIN_LAUNCH = 2420;
// Its texts.
inline constexpr unsigned IDS_FOLDER_NOT_FOUND = 12298;
inline constexpr unsigned IDS_NO_MODEM_LINE = 9310;
inline constexpr unsigned IDS_BROWSE_DATA_DIR = 59437;
inline constexpr unsigned IDS_NOT_A_FOLDER = 59438;
inline constexpr unsigned IDS_BROWSE_SETUP_DIR = 59440;
inline constexpr unsigned IDS_BROWSE_LOGGER_LIST_DIR = 59441;
inline constexpr unsigned IDS_NO_LOGGER_KNOWN = 59442;
inline constexpr unsigned IDS_NEW_PROTOCOL_LOGGER = 59443;
inline constexpr unsigned IDS_OLDER_MODEL_LOGGER = 59444;
inline constexpr unsigned IDS_PC_TIP_OK = 59587;
inline constexpr unsigned IDS_PC_TIP_CANCEL = 59588;
inline constexpr unsigned IDS_PC_TIP_DATA_DIR = 59589;
inline constexpr unsigned IDS_PC_TIP_BROWSE = 59590;
inline constexpr unsigned IDS_PC_TIP_SETUP_DIR = 59591;
inline constexpr unsigned IDS_PC_TIP_LOGGER_LIST_DIR = 59592;
inline constexpr unsigned IDS_PC_TIP_PORT = 59593;
inline constexpr unsigned IDS_PC_TIP_PORT_PREFS = 59595;
inline constexpr unsigned IDS_PC_TIP_MODEM_LINE = 59596;
inline constexpr unsigned IDS_PC_TIP_OLDER_MODELS = 59597;
inline constexpr unsigned IDS_PC_TIP_TELDRIN_LAUNCH = 59828;
// Labels of the dialog built here in place of template 132, and our own refusal of a baud rate.
inline constexpr unsigned IDS_PC_SETUP_TITLE = 21052;
inline constexpr unsigned IDS_PC_DATA_DIR_LABEL = 21053;
inline constexpr unsigned IDS_PC_SETUP_DIR_LABEL = 21054;
inline constexpr unsigned IDS_PC_LOGGER_LIST_DIR_LABEL = 21055;
inline constexpr unsigned IDS_PC_BROWSE = 21056;
inline constexpr unsigned IDS_PC_PORT_LABEL = 21057;
inline constexpr unsigned IDS_PC_DIRECT_BAUD_LABEL = 21058;
inline constexpr unsigned IDS_PC_MODEM_LINE_LABEL = 21059;
inline constexpr unsigned IDS_PC_MODEM_BAUD_LABEL = 21060;
inline constexpr unsigned IDS_PC_MODEM_GROUP_LABEL = 21061;
inline constexpr unsigned IDS_PC_PORT_PREFS = 21062;
inline constexpr unsigned IDS_PC_OLDER_MODELS = 21063;
inline constexpr unsigned IDS_PC_TELDRIN_LAUNCH = 21064;
// CConnectionTypeSelectionDlg and CNetworkAddressDlg.
inline constexpr int IDC_CONNECT_DIRECT = 1700;
inline constexpr int IDC_CONNECT_MODEM = 1701;
inline constexpr int IDC_CONNECT_NETWORK = 1702;
inline constexpr int IDC_NETWORK_ADDRESS = 1704;
inline constexpr int IDC_NETWORK_PORT = 1706;
inline constexpr unsigned IDP_NO_NETWORK_ADDRESS = 8232;
inline constexpr unsigned IDP_NO_NETWORK_PORT = 8233;
inline constexpr unsigned IDS_CONNECTION_TYPE_TITLE = 21024;
inline constexpr unsigned IDS_CONNECTION_TYPE_PROMPT = 21025;
inline constexpr unsigned IDS_CONNECT_DIRECT_BUTTON = 21026;
inline constexpr unsigned IDS_CONNECT_MODEM_BUTTON = 21027;
inline constexpr unsigned IDS_CONNECT_NETWORK_BUTTON = 21028;
inline constexpr unsigned IDS_NETWORK_ADDRESS_TITLE = 21029;
inline constexpr unsigned IDS_NETWORK_ADDRESS_LABEL = 21030;
inline constexpr unsigned IDS_NETWORK_PORT_LABEL = 21031;
// CModemManDialDlg: the number to dial, its empty-number message, its title and label (ours).
inline constexpr int IDC_MODEM_NUMBER = 1390;
inline constexpr unsigned IDP_NO_MODEM_NUMBER = 8220;
inline constexpr unsigned IDS_MODEM_DIAL_TITLE = 20760;
inline constexpr unsigned IDS_MODEM_NUMBER_LABEL = 20761;
// The document-kind choice and the file dialogs of File New and File Open.
inline constexpr unsigned IDS_FILE_NEW_TITLE = 9306;
inline constexpr unsigned IDS_FILE_OPEN_TITLE = 9348;

// The about box and the about picture.
inline constexpr unsigned IDS_ABOUT_TITLE = 20950;
inline constexpr unsigned IDS_ABOUT_NOTICE = 20951;
inline constexpr unsigned IDS_ABOUT_RELEASE_DATE = 20952;

// CScanDialog: the network scan (template 238) and its connection test and settings change.
inline constexpr int IDC_SCAN_AGAIN = 2232;
inline constexpr int IDC_SCAN_LIST = 2233;
inline constexpr int IDC_SCAN_TEST = 2234;
inline constexpr int IDC_SCAN_SETTINGS = 2235;
inline constexpr int IDC_SCAN_STATUS = 2257;
inline constexpr unsigned IDS_SCAN_FAILED = 59538;
inline constexpr unsigned IDS_SCAN_APPLYING_SETTINGS = 59539;
inline constexpr unsigned IDS_SCAN_SETTINGS_NOT_SENT = 59540;  // also the session's web password failure
inline constexpr unsigned IDS_SCAN_TEST_PASSED = 59541;
inline constexpr unsigned IDS_SCAN_TEST_NO_CONNECTION = 59542;
inline constexpr unsigned IDS_SCAN_TEST_SEND_FAILED = 59543;
inline constexpr unsigned IDS_SCAN_TEST_NO_REPLY = 59544;
inline constexpr unsigned IDS_SCAN_TEST_WRONG_REPLY = 59545;
inline constexpr unsigned IDS_SCAN_TIP_OK = 59610;
inline constexpr unsigned IDS_SCAN_TIP_CANCEL = 59611;
inline constexpr unsigned IDS_SCAN_TIP_AGAIN = 59612;
inline constexpr unsigned IDS_SCAN_TIP_TEST = 59613;
inline constexpr unsigned IDS_SCAN_TIP_SETTINGS = 59614;
inline constexpr unsigned IDS_SCAN_TITLE = 20850;
inline constexpr unsigned IDS_SCAN_COLUMN_ADDRESS = 20851;
inline constexpr unsigned IDS_SCAN_COLUMN_SERIAL = 20852;
inline constexpr unsigned IDS_SCAN_COLUMN_MAC = 20853;
inline constexpr unsigned IDS_SCAN_COLUMN_PORT = 20854;
inline constexpr unsigned IDS_SCAN_COLUMN_CONNECTIONS = 20855;
inline constexpr unsigned IDS_SCAN_AGAIN = 20856;
inline constexpr unsigned IDS_SCAN_TEST = 20857;
inline constexpr unsigned IDS_SCAN_SETTINGS = 20858;
inline constexpr unsigned IDS_SCAN_RECEIVE_ERROR = 20859;  // %u the system's error code
// The scan's state below the list: waiting for answers, and none came.
inline constexpr unsigned IDS_SCAN_SCANNING = 20891;
inline constexpr unsigned IDS_SCAN_NO_ANSWER = 20892;
// CNetworkAddressDlg's scan button and its refusal of a port that is no TCP port.
inline constexpr int IDC_NETWORK_SCAN = 2232;
inline constexpr unsigned IDS_NETWORK_SCAN = 20860;
inline constexpr unsigned IDP_BAD_NETWORK_PORT = 20861;
// CSetNetworkInfoDlg: the wired network settings (template 177).
inline constexpr int IDC_NETINFO_FIRST_TEXT = 1149;
inline constexpr int IDC_NETINFO_SECOND_TEXT = 1148;
inline constexpr int IDC_NETINFO_DHCP = 2278;
inline constexpr int IDC_NETINFO_FIXED = 2279;
inline constexpr int IDC_NETINFO_ADDRESS = 1777;
inline constexpr int IDC_NETINFO_MASK = 1778;
inline constexpr int IDC_NETINFO_PORT = 1779;
inline constexpr int IDC_NETINFO_GATEWAY = 1780;
inline constexpr int IDC_NETINFO_MAC = 1781;
inline constexpr int IDC_NETINFO_MAC_LABEL = 1782;
inline constexpr int IDC_NETINFO_PORT_80 = 2423;
inline constexpr int IDC_NETINFO_PORT_3001 = 2424;
inline constexpr int IDC_NETINFO_PORT_OTHER = 2425;
inline constexpr int IDC_NETINFO_PORT_ADVICE = 2233;
inline constexpr unsigned IDS_NETINFO_BAD_MASK = 12532;
inline constexpr unsigned IDS_NETINFO_BAD_GATEWAY = 12533;
inline constexpr unsigned IDS_NETINFO_BAD_MAC = 12534;
inline constexpr unsigned IDS_NETINFO_TIP_FIRST_TEXT = 59786;
inline constexpr unsigned IDS_NETINFO_TIP_SECOND_TEXT = 59787;
inline constexpr unsigned IDS_NETINFO_TIP_PORT = 59788;
inline constexpr unsigned IDS_NETINFO_TIP_MAC = 59789;
inline constexpr unsigned IDS_NETINFO_TIP_DHCP = 59790;
inline constexpr unsigned IDS_NETINFO_TIP_FIXED = 59791;
inline constexpr unsigned IDS_NETINFO_TIP_GATEWAY = 59792;
inline constexpr unsigned IDS_NETINFO_TIP_MASK = 59793;
inline constexpr unsigned IDS_NETINFO_TIP_ADDRESS = 59794;
inline constexpr unsigned IDS_NETINFO_TIP_OK = 59795;
inline constexpr unsigned IDS_NETINFO_TIP_CANCEL = 59796;
inline constexpr unsigned IDS_NETINFO_TIP_PORT_80 = 59878;
inline constexpr unsigned IDS_NETINFO_TIP_PORT_3001 = 59879;
inline constexpr unsigned IDS_NETINFO_TIP_PORT_OTHER = 59880;
inline constexpr unsigned IDS_NETINFO_TIP_PORT_ADVICE = 59881;
inline constexpr unsigned IDS_NETINFO_PORT_ADVICE = 20862;
inline constexpr unsigned IDS_NETINFO_TITLE = 20863;
inline constexpr unsigned IDS_NETINFO_DHCP = 20864;
inline constexpr unsigned IDS_NETINFO_FIXED = 20865;
inline constexpr unsigned IDS_NETINFO_MASK = 20866;
inline constexpr unsigned IDS_NETINFO_GATEWAY = 20867;
inline constexpr unsigned IDS_NETINFO_MAC = 20868;
inline constexpr unsigned IDS_NETINFO_PORT_OTHER = 20869;
