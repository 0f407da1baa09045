// Control and text ids of the harmonics windows, the THD calculator and the THD help, as the resource
// library numbers them; the labels of the dialogs are ours. Fixed numbers: never renumber.
#pragma once

// CTHDHelpDlg (template 59843): its text, the help-document and picture buttons, their tips and that of
// OK.
inline constexpr int IDC_THD_HELP_TEXT = 59846;
inline constexpr int IDC_THD_HELP_DOCUMENT = 59845;
inline constexpr int IDC_THD_HELP_PICTURE = 59844;
inline constexpr unsigned IDS_THD_HELP_TEXT = 59847;
inline constexpr unsigned IDS_THD_HELP_TIP_DOCUMENT = 59848;
inline constexpr unsigned IDS_THD_HELP_TIP_PICTURE = 59849;
inline constexpr unsigned IDS_THD_HELP_TIP_OK = 59588;
// Ours: its title and the labels of its two buttons.
inline constexpr unsigned IDS_THD_HELP_TITLE = 23600;
inline constexpr unsigned IDS_THD_HELP_DOCUMENT = 23601;
inline constexpr unsigned IDS_THD_HELP_PICTURE = 23602;
