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
inline constexpr unsigned IDS_FW_INSTALL_MINUTES_LEFT = 59886;
inline constexpr unsigned IDS_FW_INSTALL_SECONDS_LEFT = 59887;
