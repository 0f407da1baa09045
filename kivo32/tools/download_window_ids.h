// Control and text ids of the download progress window and the recovery question.
#pragma once

// CDownloadDialog.
inline constexpr int IDC_DOWNLOAD_PROGRESS = 2246;
inline constexpr int IDC_DOWNLOAD_OPERATION = 2247;
inline constexpr int IDC_DOWNLOAD_STEP = 2248;
inline constexpr int IDC_DOWNLOAD_LOG = 2249;
inline constexpr unsigned IDS_DOWNLOAD_CANCEL_TIP = 59608;

// CDataRecoveryDlg; its third button is IDC_RECOVERY_TRY_AGAIN.
inline constexpr int IDC_RECOVERY_MESSAGE = 1924;
inline constexpr unsigned IDS_RECOVERY_RECORDS = 59511;            // %s prefix, %d records received
inline constexpr unsigned IDS_RECOVERY_RECORDS_PORT_LOST = 59512;  // %s prefix, %d records received
inline constexpr unsigned IDS_RECOVERY_NOTHING = 59513;            // %s prefix
inline constexpr unsigned IDS_RECOVERY_NOTHING_PORT_LOST = 59514;  // %s prefix
inline constexpr unsigned IDS_RECOVERY_GIVE_UP_TIP = 59605;
inline constexpr unsigned IDS_RECOVERY_KEEP_TIP = 59606;
inline constexpr unsigned IDS_RECOVERY_TRY_AGAIN_TIP = 59607;

// Titles and button labels of the windows built here in place of the resource library's templates.
inline constexpr unsigned IDS_DOWNLOAD_TITLE = 29100;
inline constexpr unsigned IDS_RECOVERY_TITLE = 29101;
inline constexpr unsigned IDS_RECOVERY_KEEP = 29102;
inline constexpr unsigned IDS_RECOVERY_TRY_AGAIN = 29103;
inline constexpr unsigned IDS_RECOVERY_GIVE_UP = 29104;
