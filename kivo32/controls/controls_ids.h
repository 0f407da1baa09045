// Ids of the custom controls and dialog toolkit: controls, texts and messages; fixed numbers: never
// renumber.
#pragma once

#include "shared/controls/controls_ids.h"  // IDS_OK and IDS_CANCEL, the first two labels

// CProgressDialog.
inline constexpr int IDC_PROGRESS_TEXT = 2443;
inline constexpr int IDC_PROGRESS_MESSAGE = 2445;
inline constexpr int IDC_PROGRESS_BAR = 2446;

// CCheckComboBox: posted to the form when a drop-down list closed (wParam 0).
inline constexpr unsigned WM_CHECKCOMBO_CLOSED = 0x8000 + 0xCD;
// The items of its lists.
inline constexpr unsigned IDS_CHECK_AVERAGE = 9295;
inline constexpr unsigned IDS_CHECK_MINIMUM = 9296;
inline constexpr unsigned IDS_CHECK_MAXIMUM = 9297;
inline constexpr unsigned IDS_CHECK_INSTANTANEOUS = 59780;
inline constexpr unsigned IDS_CHECK_ALARM = 59781;
inline constexpr unsigned IDS_CHECK_PEAK_DEMAND = 59782;
inline constexpr unsigned IDS_CHECK_RATE = 59640;
inline constexpr unsigned IDS_CHECK_NUMBER = 59783;
inline constexpr unsigned IDS_CHECK_DURATION = 59641;
inline constexpr unsigned IDS_CHECK_COUNT = 9321;

// CToggleButton: sent to its dialog after each toggle by the user (wParam the control id, lParam 0).
inline constexpr unsigned WM_TOGGLE_BUTTON_TOGGLED = WM_APP + 0xD4;

// CPictureDlg: its picture control and Print button; the titles of its pictures.
inline constexpr int IDC_PICTURE = 1787;
inline constexpr int IDC_PICTURE_PRINT = 1789;
inline constexpr unsigned IDS_PICTURE_TITLE_1 = 59581;
inline constexpr unsigned IDS_PICTURE_TITLE_2 = 59582;
inline constexpr unsigned IDS_PICTURE_TITLE_3 = 59583;
inline constexpr unsigned IDS_PICTURE_TITLE_4 = 59584;
inline constexpr unsigned IDS_PICTURE_TITLE_5 = 59891;
// Ours: the Print button's label.
inline constexpr unsigned IDS_PICTURE_PRINT = 20650;
