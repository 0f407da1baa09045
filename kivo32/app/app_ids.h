// Control and text ids of the application shell's dialogs, as the resource library numbers them.
#pragma once

// CDisplayTextDlg.
inline constexpr int IDC_DISPLAY_TEXT = 2251;
inline constexpr int IDC_DISPLAY_REFRESH = 1349;
inline constexpr int IDC_DISPLAY_GRIP = 2360;

// Labels of the dialogs built here in place of the resource library's templates.
inline constexpr unsigned IDS_DISPLAY_REFRESH = 20200;

// The settings file "KIVOAppInfo.ini" and the settings store.
inline constexpr unsigned IDS_APP_INFO_NOT_OPENED = 20930;
inline constexpr unsigned IDS_APP_INFO_NOT_WRITTEN = 20931;
inline constexpr unsigned IDS_APP_INFO_LINES_NOT_READ = 20932;
inline constexpr unsigned IDS_SETTINGS_VALUES_NOT_READ = 20933;
inline constexpr unsigned IDS_SETTINGS_NOT_READ_WHOLE = 20934;

// The document-kind choice and the file dialogs of File New and File Open.
inline constexpr unsigned IDS_FILE_NEW_TITLE = 9306;
inline constexpr unsigned IDS_FILE_OPEN_TITLE = 9348;
// The help file cannot be opened before the main window exists; %s its path.
inline constexpr unsigned IDS_HELP_FILE_NOT_OPENED = 9303;

// The about box and the about picture.
inline constexpr unsigned IDS_ABOUT_TITLE = 20950;
inline constexpr unsigned IDS_ABOUT_NOTICE = 20951;
inline constexpr unsigned IDS_ABOUT_RELEASE_DATE = 20952;
