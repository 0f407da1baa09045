// Control and text ids of the real-time values windows, their small dialogs and the waveform capture,
// as the resource library numbers them.
#pragma once

// CSetRefreshCountDlg.
inline constexpr int IDC_REFRESH_COUNT = 1292;
inline constexpr int IDC_REFRESH_COUNT_DEFAULT = 1293;

// Messages and status texts.
inline constexpr unsigned IDS_REFRESH_COUNT_RANGE = 9337;

// Titles, labels and tips of the windows built here in place of the resource library's templates.
inline constexpr unsigned IDS_REFRESH_COUNT_TITLE = 22300;
inline constexpr unsigned IDS_REFRESH_COUNT_LABEL = 22301;
inline constexpr unsigned IDS_REFRESH_COUNT_TIP = 22302;
inline constexpr unsigned IDS_REFRESH_COUNT_DEFAULT = 22303;
inline constexpr unsigned IDS_REFRESH_COUNT_DEFAULT_TIP = 22304;
