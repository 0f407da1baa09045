// Dialog and control ids of the windows that both programs share, and the styles, answers and labels of
// their message boxes; fixed numbers: never renumber.
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

// CModelessMessageBox.
inline constexpr int IDC_MODELESS_MESSAGE = 1527;

// XMessageBox: the button sets beyond the standard ones (style bits 0-3).
inline constexpr unsigned MB_CANCELTRYCONTINUE = 0x00000006;
inline constexpr unsigned MB_CONTINUEABORT = 0x00000007;
inline constexpr unsigned MB_SKIPSKIPALLCANCEL = 0x00000008;
inline constexpr unsigned MB_IGNOREIGNOREALLCANCEL = 0x00000009;
// Default buttons beyond the third.
inline constexpr unsigned MB_DEFBUTTON4 = 0x00000300;
inline constexpr unsigned MB_DEFBUTTON5 = 0x00000400;
inline constexpr unsigned MB_DEFBUTTON6 = 0x00000500;
// The other style bits.
inline constexpr unsigned MB_HELP = 0x00004000;
inline constexpr unsigned MB_DONOTASKAGAIN = 0x01000000;
inline constexpr unsigned MB_DONOTTELLAGAIN = 0x02000000;
inline constexpr unsigned MB_DONOTSHOWAGAIN = 0x04000000;
inline constexpr unsigned MB_CHECKBOXMASK = 0x07000000;
inline constexpr unsigned MB_YESTOALL = 0x08000000;
inline constexpr unsigned MB_NOTOALL = 0x10000000;
inline constexpr unsigned MB_NORESOURCE = 0x20000000;
inline constexpr unsigned MB_NOSOUND = 0x40000000;

// XMessageBox answers beyond IDOK to IDNO; the check-box bits of the style come back in the answer.
inline constexpr int IDTRYAGAIN = 10;
inline constexpr int IDCONTINUE = 11;
inline constexpr int IDSKIP = 14;
inline constexpr int IDSKIPALL = 15;
inline constexpr int IDIGNOREALL = 16;
inline constexpr int IDYESTOALL = 19;
inline constexpr int IDNOTOALL = 20;
inline constexpr int IDCUSTOM1 = 23;
inline constexpr int IDHELP_BUTTON = 300;
inline constexpr int IDREPORT = 301;
inline constexpr int IDC_XMESSAGEBOX_CHECK = 5555;
inline constexpr int IDC_XMESSAGEBOX_TEXT = 1001;
inline constexpr int IDC_XMESSAGEBOX_ICON = 1000;
// Set in the answer when the count-down pressed the button.
inline constexpr unsigned XMESSAGEBOX_TIMED_OUT = 0x80000000u;

// XMessageBox button and check-box labels.
inline constexpr unsigned IDS_IGNORE = 9003;
inline constexpr unsigned IDS_RETRY = 9004;
inline constexpr unsigned IDS_ABORT = 9005;
inline constexpr unsigned IDS_HELP = 9006;
inline constexpr unsigned IDS_YES = 9007;
inline constexpr unsigned IDS_NO = 9008;
inline constexpr unsigned IDS_CONTINUE = 9009;
inline constexpr unsigned IDS_DONOTASKAGAIN = 9010;
inline constexpr unsigned IDS_DONOTTELLAGAIN = 9011;
inline constexpr unsigned IDS_DONOTSHOWAGAIN = 9012;
inline constexpr unsigned IDS_YESTOALL = 9013;
inline constexpr unsigned IDS_NOTOALL = 9014;
inline constexpr unsigned IDS_TRYAGAIN = 9015;
inline constexpr unsigned IDS_REPORT = 9016;
inline constexpr unsigned IDS_IGNOREALL = 9017;
inline constexpr unsigned IDS_SKIP = 9018;
inline constexpr unsigned IDS_SKIPALL = 9019;
// The baud-rate lists of both programs' PC settings.
inline constexpr unsigned IDS_PC_TIP_BAUD = 59594;
inline constexpr unsigned IDS_PC_BAUD_NOT_IN_LIST = 21065;
