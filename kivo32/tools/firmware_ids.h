// The firmware update window: text ids.
#pragma once

inline constexpr unsigned IDS_FW_SAME_VERSION = 59409;
inline constexpr unsigned IDS_FW_NEWER_VERSION = 59410;
inline constexpr unsigned IDS_FW_STEPPING_STONE = 9614;
inline constexpr unsigned IDS_FW_HOURS = 59478;
inline constexpr unsigned IDS_FW_MINUTES = 59479;
inline constexpr unsigned IDS_FW_SECONDS = 59480;
inline constexpr unsigned IDS_FW_ABOUT = 59620;
inline constexpr unsigned IDS_FW_REMAINING = 59523;
inline constexpr unsigned IDS_FW_TRANSFER_PROGRESS = 59508;
inline constexpr unsigned IDS_FW_UNKNOWN_VERSION = 59883;

inline constexpr int IDC_FW_PATH = 1894;
inline constexpr int IDC_FW_BROWSE = 1398;
inline constexpr int IDC_FW_FILE_VERSION = 1896;
inline constexpr int IDC_FW_INSTALLED_VERSION = 1898;
inline constexpr int IDC_FW_TARGET_NAME = 1289;
inline constexpr int IDC_FW_NOTE = 1903;
inline constexpr int IDC_FW_PROGRESS = 1900;

inline constexpr unsigned IDS_FW_TITLE = 59489;
inline constexpr unsigned IDS_FW_FILE_MISSING = 59490;
inline constexpr unsigned IDS_FW_NO_FILE = 59505;
inline constexpr unsigned IDS_FW_CHOOSE_FILE = 59506;
inline constexpr unsigned IDS_FW_FILE_VERSION = 59507;
inline constexpr unsigned IDS_FW_NO_VERSION = 59509;
inline constexpr unsigned IDS_FW_UNREADABLE = 59411;
inline constexpr unsigned IDS_FW_FILE_REFUSED = 59412;
inline constexpr unsigned IDS_FW_BROWSE = 21430;
inline constexpr unsigned IDS_FW_CANCEL_TIP = 59609;

inline constexpr unsigned IDS_FW_SENT = 59501;
inline constexpr unsigned IDS_FW_IMAGE_SENT = 59860;
inline constexpr unsigned IDS_FW_NOT_SENT = 59502;
inline constexpr unsigned IDS_FW_REASON_NO_ANSWER = 59493;
inline constexpr unsigned IDS_FW_REASON_FILE_REFUSED = 59494;
inline constexpr unsigned IDS_FW_REASON_LINK_LOST = 59495;
inline constexpr unsigned IDS_FW_REASON_SEND_FAILED = 59496;
inline constexpr unsigned IDS_FW_REASON_BLOCK_REFUSED = 59497;
inline constexpr unsigned IDS_FW_REASON_RESENT_TOO_OFTEN = 59498;
inline constexpr unsigned IDS_FW_REASON_TOO_LONG = 59499;
inline constexpr unsigned IDS_FW_REASON_CANCELLED = 59500;

inline constexpr unsigned IDS_FW_CONFIRM_SEND = 59492;
inline constexpr unsigned IDS_FW_CONFIRM_CANCEL = 59491;
inline constexpr unsigned IDS_FW_CLOSE = 9335;
inline constexpr unsigned IDS_FW_LOGGER_UPDATED = 59503;
inline constexpr unsigned IDS_FW_MODULE_UPDATED = 59862;
inline constexpr unsigned IDS_FW_RECONNECT_TITLE = 59529;
inline constexpr unsigned IDS_FW_RECONNECT_MESSAGE = 59884;
inline constexpr unsigned IDS_FW_RECONNECT_PROGRESS = 59885;
