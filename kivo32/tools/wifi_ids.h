// Controls and texts of the Wi-Fi windows: the module's settings, the pass phrase and the network scan.
#pragma once

// CSetWiFiInfoDlg (template 242).
inline constexpr int IDC_WIFI_FIRST_TEXT = 1149;
inline constexpr int IDC_WIFI_SECOND_TEXT = 1148;
inline constexpr int IDC_WIFI_SSID = 1787;
inline constexpr int IDC_WIFI_ADDRESS = 1783;
inline constexpr int IDC_WIFI_MASK = 1784;
inline constexpr int IDC_WIFI_GATEWAY = 1785;
inline constexpr int IDC_WIFI_MAC = 1788;
inline constexpr int IDC_WIFI_PORT = 2251;
inline constexpr int IDC_WIFI_SCAN = 2232;
inline constexpr int IDC_WIFI_PORT_ADVICE = 2233;
inline constexpr int IDC_WIFI_PASSWORD = 2263;
inline constexpr int IDC_WIFI_EXTERNAL_ANTENNA = 2264;
inline constexpr int IDC_WIFI_INTERNAL_ANTENNA = 2281;
inline constexpr int IDC_WIFI_ACCESS_POINT = 2267;
inline constexpr int IDC_WIFI_JOIN_NETWORK = 2285;
inline constexpr int IDC_WIFI_DHCP = 2282;
inline constexpr int IDC_WIFI_FIXED = 2283;
inline constexpr int IDC_WIFI_SSID_LABEL = 2286;
inline constexpr int IDC_WIFI_PASSWORD_LABEL = 2287;
inline constexpr int IDC_WIFI_VERSION_NOTE = 2421;
inline constexpr int IDC_WIFI_PORT_80 = 2423;
inline constexpr int IDC_WIFI_PORT_3001 = 2424;
inline constexpr int IDC_WIFI_PORT_OTHER = 2425;
inline constexpr int IDC_WIFI_HELP = 9;
inline constexpr int IDC_WIFI_SAVE_FILE = 59851;
inline constexpr int IDC_WIFI_LOAD_FILE = 59852;
// CWiFiPasswordDlg (template 245).
inline constexpr int IDC_PASSWORD_EDIT = 1786;
inline constexpr int IDC_PASSWORD_MASKED = 2264;
inline constexpr int IDC_PASSWORD_PROMPT = 2275;
// CWiFiScanDlg (template 250).
inline constexpr int IDC_SCAN_NETWORKS = 2419;

// Texts of the settings dialog.
inline constexpr unsigned IDS_WIFI_SSID_LABEL = 9345;
inline constexpr unsigned IDS_WIFI_AP_PASSWORD_TEXT = 59549;
inline constexpr unsigned IDS_WIFI_NETWORK_PASSWORD_TEXT = 59550;
inline constexpr unsigned IDS_WIFI_AP_PASSWORD_BUTTON = 59552;
inline constexpr unsigned IDS_WIFI_NETWORK_PASSWORD_BUTTON = 59553;
inline constexpr unsigned IDS_WIFI_OLD_MODULE_NOTE = 59835;
inline constexpr unsigned IDS_WIFI_AP_PASSWORD_LABEL = 59836;
inline constexpr unsigned IDS_WIFI_NETWORK_PASSWORD_LABEL = 59837;
inline constexpr unsigned IDS_WIFI_UPDATE_OFFER = 59869;
inline constexpr unsigned IDS_WIFI_UPDATE_JOIN = 59870;
inline constexpr unsigned IDS_WIFI_UPDATE_DONE = 59871;
inline constexpr unsigned IDS_WIFI_UPDATE_NOT_DONE = 59872;
inline constexpr unsigned IDS_WIFI_UPDATE_LOAD_FILE = 59873;
inline constexpr unsigned IDS_WIFI_PORT_ADVICE = 59874;
inline constexpr unsigned IDS_WIFI_OFFER_SAVE = 59875;
// Tips of the settings dialog's controls (those of the two description lines, the fixed address and
// Cancel are the wired network dialog's).
inline constexpr unsigned IDS_WIFI_TIP_FIRST_TEXT = 59786;
inline constexpr unsigned IDS_WIFI_TIP_SECOND_TEXT = 59787;
inline constexpr unsigned IDS_WIFI_TIP_FIXED = 59791;
inline constexpr unsigned IDS_WIFI_TIP_CANCEL = 59796;
// The network address dialog's refusal of a port that is no TCP port.
inline constexpr unsigned IDS_WIFI_BAD_PORT = 20861;
// The wired network dialog's refusals of a mask and a gateway.
inline constexpr unsigned IDS_WIFI_BAD_MASK = 12532;
inline constexpr unsigned IDS_WIFI_BAD_GATEWAY = 12533;
inline constexpr unsigned IDS_WIFI_TIP_SSID = 59797;
inline constexpr unsigned IDS_WIFI_TIP_ADDRESS = 59798;
inline constexpr unsigned IDS_WIFI_TIP_PORT = 59799;
inline constexpr unsigned IDS_WIFI_TIP_MAC = 59800;
inline constexpr unsigned IDS_WIFI_TIP_GATEWAY = 59801;
inline constexpr unsigned IDS_WIFI_TIP_MASK = 59802;
inline constexpr unsigned IDS_WIFI_TIP_ACCESS_POINT = 59803;
inline constexpr unsigned IDS_WIFI_TIP_JOIN_NETWORK = 59804;
inline constexpr unsigned IDS_WIFI_TIP_EXTERNAL_ANTENNA = 59805;
inline constexpr unsigned IDS_WIFI_TIP_INTERNAL_ANTENNA = 59806;
inline constexpr unsigned IDS_WIFI_TIP_DHCP = 59807;
inline constexpr unsigned IDS_WIFI_TIP_OK = 59808;
inline constexpr unsigned IDS_WIFI_TIP_PASSWORD = 59829;
inline constexpr unsigned IDS_WIFI_TIP_SCAN = 59834;
inline constexpr unsigned IDS_WIFI_TIP_HELP = 59838;
inline constexpr unsigned IDS_WIFI_TIP_PORT_80 = 59853;
inline constexpr unsigned IDS_WIFI_TIP_PORT_3001 = 59854;
inline constexpr unsigned IDS_WIFI_TIP_PORT_OTHER = 59855;
inline constexpr unsigned IDS_WIFI_TIP_PORT_ADVICE = 59856;
inline constexpr unsigned IDS_WIFI_TIP_SAVE_FILE = 59857;
inline constexpr unsigned IDS_WIFI_TIP_LOAD_FILE = 59858;
// Texts of the pass-phrase dialog.
inline constexpr unsigned IDS_PASSWORD_PROMPT_END = 59551;
inline constexpr unsigned IDS_PASSWORD_TIP_EDIT = 59615;
inline constexpr unsigned IDS_PASSWORD_TIP_MASKED = 59616;
inline constexpr unsigned IDS_PASSWORD_TIP_OK = 59617;
inline constexpr unsigned IDS_PASSWORD_TIP_CANCEL = 59618;

// Ours: labels, captions and messages of the three windows.
inline constexpr unsigned IDS_WIFI_TITLE = 21600;
inline constexpr unsigned IDS_WIFI_ACCESS_POINT = 21601;
inline constexpr unsigned IDS_WIFI_JOIN_NETWORK = 21602;
inline constexpr unsigned IDS_WIFI_DHCP = 21603;
inline constexpr unsigned IDS_WIFI_FIXED = 21604;
inline constexpr unsigned IDS_WIFI_EXTERNAL_ANTENNA = 21605;
inline constexpr unsigned IDS_WIFI_INTERNAL_ANTENNA = 21606;
inline constexpr unsigned IDS_WIFI_ADDRESS = 21607;
inline constexpr unsigned IDS_WIFI_MASK = 21608;
inline constexpr unsigned IDS_WIFI_GATEWAY = 21609;
inline constexpr unsigned IDS_WIFI_PORT = 21610;
inline constexpr unsigned IDS_WIFI_MAC = 21611;
inline constexpr unsigned IDS_WIFI_PORT_OTHER = 21612;
inline constexpr unsigned IDS_WIFI_SCAN = 21613;
inline constexpr unsigned IDS_WIFI_SAVE_FILE = 21614;
inline constexpr unsigned IDS_WIFI_LOAD_FILE = 21615;
inline constexpr unsigned IDS_WIFI_HELP = 21616;
inline constexpr unsigned IDS_WIFI_FILE_FILTER = 21617;
inline constexpr unsigned IDS_WIFI_HELP_TITLE = 21618;
inline constexpr unsigned IDS_WIFI_HELP_MISSING = 21619;      // %s the help file
inline constexpr unsigned IDS_WIFI_FILE_NOT_WRITTEN = 21620;  // %s the file
inline constexpr unsigned IDS_WIFI_FILE_NOT_READ = 21621;     // %s the file
inline constexpr unsigned IDS_WIFI_SCAN_FAILED = 21622;
inline constexpr unsigned IDS_WIFI_OFFERED_VERSION = 21624;
inline constexpr unsigned IDS_PASSWORD_MASKED = 21625;
inline constexpr unsigned IDS_PASSWORD_LENGTH = 21626;  // %d shortest, %d longest
inline constexpr unsigned IDS_WIFI_SCAN_TITLE = 21627;
inline constexpr unsigned IDS_WIFI_SCAN_COLUMN_NETWORK = 21628;
inline constexpr unsigned IDS_WIFI_SCAN_COLUMN_CHANNEL = 21629;
inline constexpr unsigned IDS_WIFI_SCAN_COLUMN_SIGNAL = 21630;
inline constexpr unsigned IDS_WIFI_SCAN_COLUMN_SECURITY = 21631;
