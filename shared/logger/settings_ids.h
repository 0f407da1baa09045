// The texts of the logger setting commands.
#pragma once

inline constexpr unsigned IDS_NETWORK_SETTINGS_UNREADABLE = 12529;

// The step of a Wi-Fi settings write that failed (ours); the port has two wordings, one for each mode, as
// the logger's users know them.
inline constexpr unsigned IDS_WIFI_SSID_FAILED = 20810;
inline constexpr unsigned IDS_WIFI_PASSWORD_FAILED = 20811;
inline constexpr unsigned IDS_WIFI_DHCP_FAILED = 20812;
inline constexpr unsigned IDS_WIFI_ADDRESS_FAILED = 20813;
inline constexpr unsigned IDS_WIFI_MASK_FAILED = 20814;
inline constexpr unsigned IDS_WIFI_PORT_FAILED = 20815;
inline constexpr unsigned IDS_WIFI_ACCESS_POINT_PORT_FAILED = 20816;
inline constexpr unsigned IDS_WIFI_GATEWAY_FAILED = 20817;
inline constexpr unsigned IDS_WIFI_ANTENNA_FAILED = 20818;
