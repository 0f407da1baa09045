// Control and text ids of the web file download dialog; fixed numbers: never renumber.
#pragma once

// CGetWebFileDlg's controls.
inline constexpr int IDC_WEB_FILE_PROGRESS = 1173;
inline constexpr int IDC_WEB_FILE_BROWSE = 1398;
inline constexpr int IDC_WEB_FILE_ADDRESS = 1777;
inline constexpr int IDC_WEB_FILE_PATH = 2247;
inline constexpr int IDC_WEB_FILE_STATUS = 2438;

// Its texts.
inline constexpr unsigned IDS_TIME_REMAINING = 59523;
inline constexpr unsigned IDS_SAVE_WEB_FILE_TITLE = 59763;  // the title's first word; the file type follows
inline constexpr unsigned IDS_WEB_FILE_PROGRESS = 20872;  // %3d%% percent, %dK done, %dK total, %s time left
inline constexpr unsigned IDS_WEB_FILE_CLICK_START = 20873;
inline constexpr unsigned IDS_WEB_FILE_TIP_START = 20874;
inline constexpr unsigned IDS_WEB_FILE_TIP_CANCEL = 20875;
inline constexpr unsigned IDS_WEB_FILE_TIP_BROWSE = 20876;
inline constexpr unsigned IDS_WEB_FILE_TIP_PATH = 20877;
inline constexpr unsigned IDS_WEB_FILE_TIP_ADDRESS = 20878;
inline constexpr unsigned IDS_WEB_FILE_TYPE_UNKNOWN = 20879;
inline constexpr unsigned IDS_WEB_FILE_TYPE_FIRMWARE = 20880;
inline constexpr unsigned IDS_WEB_FILE_TYPE_INSTALLER = 20881;
inline constexpr unsigned IDS_WEB_FILE_TYPE_MODULE_FIRMWARE = 20882;
inline constexpr unsigned IDS_WEB_FILE_TITLE = 20883;
inline constexpr unsigned IDS_WEB_FILE_START = 20884;
