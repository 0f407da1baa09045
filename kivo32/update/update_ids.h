// The texts and messages of the version check and of its result dialog.
#pragma once

#include "platform/base/window_messages.h"

// The version check's message texts.
inline constexpr unsigned IDS_VC_NO_VERSION_KNOWN = 9028;
inline constexpr unsigned IDS_VC_NEWER_PUBLISHED = 59812;
inline constexpr unsigned IDS_VC_USE_LOCAL_FILE = 59827;
inline constexpr unsigned IDS_VC_PAGE_UNREAD = 59811;
// The summary when nothing newer is published, and the label of a published version in it.
inline constexpr unsigned IDS_VC_UP_TO_DATE = 59813;
inline constexpr unsigned IDS_VC_LATEST = 59890;
// After a download: update the firmware now; run the installer now.
inline constexpr unsigned IDS_VC_UPDATE_FIRMWARE_NOW = 59861;
inline constexpr unsigned IDS_VC_RUN_INSTALLER_NOW = 59868;
// The Wi-Fi module told no firmware version; a module to update over FTP on a logger linked through it.
inline constexpr unsigned IDS_VC_NO_MODULE_VERSION = 59876;
inline constexpr unsigned IDS_VC_MODULE_LINKED_THROUGH_WIFI = 59877;

// The result dialog: tool tips of its controls, its title and the labels of its rows.
inline constexpr unsigned IDS_VC_TIP_DOWNLOAD = 2001;
inline constexpr unsigned IDS_VC_TIP_THIS_VERSION = 2002;
inline constexpr unsigned IDS_VC_TIP_LATEST_APP = 2003;
inline constexpr unsigned IDS_VC_TIP_APP_MESSAGE = 2004;
inline constexpr unsigned IDS_VC_TIP_DEVICE_VERSION = 9209;
inline constexpr unsigned IDS_VC_TIP_LATEST_DEVICE = 9248;
inline constexpr unsigned IDS_VC_TIP_DEVICE_MESSAGE = 9252;
inline constexpr unsigned IDS_VC_TIP_OK = 59588;
inline constexpr unsigned IDS_VC_DIALOG_TITLE = 20885;
inline constexpr unsigned IDS_VC_PROGRAM_ROW = 20886;
inline constexpr unsigned IDS_VC_INSTALLED_LABEL = 20887;
inline constexpr unsigned IDS_VC_PUBLISHED_LABEL = 20888;
inline constexpr unsigned IDS_VC_DOWNLOAD_BUTTON = 20889;
inline constexpr unsigned IDS_VC_DEVICE_ROW = 20890;

// The firmware update command, posted to the main window, and the session's Wi-Fi settings command,
// which then has the module fetch its new firmware over FTP. The only definitions of these numbers: the
// program's ID_LOGGER_FIRMWARE_UPDATE (command_ids.h) and WM_SESSION_SET_WIFI_INFO
// (session_messages.h) are defined by them.
inline constexpr unsigned ID_VC_FIRMWARE_UPDATE = 32944;
inline constexpr unsigned WM_VC_MODULE_UPDATE = WM_APP + 0x152;

// The answers of the result dialog besides OK and Cancel.
inline constexpr int IDC_VC_DOWNLOAD_INSTALLER = 100;
inline constexpr int IDC_VC_DOWNLOAD_LOGGER_FIRMWARE = 101;
inline constexpr int IDC_VC_DOWNLOAD_MODULE_FIRMWARE = 102;
