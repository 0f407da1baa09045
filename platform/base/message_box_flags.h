// Message-box types, results and the own dialog's button ids, with the numbers the system uses.
#pragma once

// Buttons.
inline constexpr unsigned MB_OK = 0x00000000;
inline constexpr unsigned MB_OKCANCEL = 0x00000001;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x00000002;
inline constexpr unsigned MB_YESNOCANCEL = 0x00000003;
inline constexpr unsigned MB_YESNO = 0x00000004;
inline constexpr unsigned MB_RETRYCANCEL = 0x00000005;
inline constexpr unsigned MB_TYPEMASK = 0x0000000F;

// Icons.
inline constexpr unsigned MB_ICONHAND = 0x00000010;
inline constexpr unsigned MB_ICONQUESTION = 0x00000020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x00000030;
inline constexpr unsigned MB_ICONASTERISK = 0x00000040;
inline constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr unsigned MB_ICONMASK = 0x000000F0;

// Default button and modality.
inline constexpr unsigned MB_DEFBUTTON1 = 0x00000000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x00000100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x00000200;
inline constexpr unsigned MB_DEFMASK = 0x00000F00;
inline constexpr unsigned MB_APPLMODAL = 0x00000000;
inline constexpr unsigned MB_SYSTEMMODAL = 0x00001000;
inline constexpr unsigned MB_TASKMODAL = 0x00002000;
inline constexpr unsigned MB_SETFOREGROUND = 0x00010000;
inline constexpr unsigned MB_TOPMOST = 0x00040000;
// The program's own: Esc and the close box do nothing, for a question that only a button may answer.
inline constexpr unsigned MB_NOESCAPE = 0x00800000;

// Results of the standard box.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Results of the program's own message dialog: the control id of the button that closed it (IDCANCEL
// for Esc or the close box), with the top bit set when its check box was ticked.
inline constexpr int IDC_MSGBOX_BUTTON1 = 1271;
inline constexpr int IDC_MSGBOX_BUTTON2 = 1272;
inline constexpr int IDC_MSGBOX_BUTTON3 = 1273;
inline constexpr unsigned MSGBOX_CHECKED = 0x80000000u;

// The button of an own-dialog result, without the check-box bit.
inline constexpr int MessageBoxButton(int result) {
    return static_cast<int>(static_cast<unsigned>(result) & ~MSGBOX_CHECKED);
}
inline constexpr bool MessageBoxChecked(int result) {
    return (static_cast<unsigned>(result) & MSGBOX_CHECKED) != 0;
}
