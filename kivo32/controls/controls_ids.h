// Ids of the custom controls and dialog toolkit: controls, texts, button answers and style bits; fixed
// numbers: never renumber.
#pragma once

#include "shared/controls/controls_ids.h"  // IDS_OK and IDS_CANCEL, the first two labels

// CProgressDialog.
inline constexpr int IDC_PROGRESS_TEXT = 2443;
inline constexpr int IDC_PROGRESS_MESSAGE = 2445;
inline constexpr int IDC_PROGRESS_BAR = 2446;

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
