// Dialog and control ids of the windows that both programs share, as the resource library numbers them.
#pragma once

#include "platform/base/window_messages.h"

// The program's own message dialog (its button ids are in platform/base/message_box_flags.h).
inline constexpr int IDC_MSGBOX_TEXT1 = 1268;
inline constexpr int IDC_MSGBOX_TEXT2 = 1269;
inline constexpr int IDC_MSGBOX_ICON = 1270;
inline constexpr int IDC_MSGBOX_CHECK = 2264;

// The toolkit's words for the buttons that end a dialog.
inline constexpr unsigned IDS_OK = 9001;
inline constexpr unsigned IDS_CANCEL = 9002;
inline constexpr unsigned IDS_CLOSE = 9029;

// CCOMPortPrefsDlg (dialog 244): the check list of ports (checked = offered) and its buttons.
inline constexpr int IDC_PORT_PREFS_LIST = 2258;
inline constexpr int IDC_PORT_PREFS_UP = 2051;
inline constexpr int IDC_PORT_PREFS_DOWN = 2259;
inline constexpr int IDC_PORT_PREFS_REMOVE = 2263;
inline constexpr int IDC_PORT_PREFS_HELP = 2262;
// A device path typed in, and the button that adds it to the list.
inline constexpr int IDC_PORT_PREFS_PATH = 2267;
inline constexpr int IDC_PORT_PREFS_ADD = 2268;

// CLostPortDialog (dialog 239): its icon and its text.
inline constexpr int IDC_LOST_PORT_ICON = 2244;
inline constexpr int IDC_LOST_PORT_TEXT = 2245;

// CGridControl posts this for a click on a push-button cell: wParam the row, lParam the column (from 1).
inline constexpr unsigned WM_GRID_BUTTON_CLICKED = WM_APP + 0xD9;
