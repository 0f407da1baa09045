// The window message numbers that the system's posted messages are built on.
#pragma once

inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_QUIT = 0x0012;
inline constexpr unsigned WM_COMMAND = 0x0111;
inline constexpr unsigned WM_TIMER = 0x0113;
inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned WM_APP = 0x8000;

// Notification code of a combo box whose selection the user changed (high word of WM_COMMAND's wParam).
inline constexpr unsigned CBN_SELCHANGE = 1;
