// Ids of the load-profile windows: templates, commands, messages, controls and texts; fixed numbers:
// never renumber.
#pragma once

#include "kivo32/analysis/load_profile_ids.h"
#include "platform/base/window_messages.h"

// The application's commands that open the table or the graph of the grid's selection, and the grid's
// context menu's own.
inline constexpr unsigned ID_LOAD_PROFILE_TABLE = 32869;
inline constexpr unsigned ID_LOAD_PROFILE_GRAPH = 32870;
inline constexpr unsigned ID_LOAD_PROFILE_TABLE_FROM_GRID = 32871;
inline constexpr unsigned ID_LOAD_PROFILE_GRAPH_FROM_GRID = 32872;
// The table's CSV export, the graph's export under a temporary title, the graph written as a picture.
inline constexpr unsigned ID_LOAD_PROFILE_EXPORT_CSV = 32895;
inline constexpr unsigned ID_LOAD_PROFILE_GRAPH_EXPORT = 32942;
inline constexpr unsigned ID_LOAD_PROFILE_GRAPH_PICTURE = 32899;

// The messages between the dialog bar, the child frame and its view: the frame's parameters (sent to
// a new view), the period type, the day filter type, a presentation command (bar to frame), a combo's
// choice (combo to bar), a presentation value (frame to view); and the worker's result to the view.
inline constexpr unsigned WM_LP_PARAMETERS = WM_APP + 0xE2;
inline constexpr unsigned WM_LP_PERIOD = WM_APP + 0xE3;
inline constexpr unsigned WM_LP_DAYS = WM_APP + 0xE4;
inline constexpr unsigned WM_LP_PRESENTATION_COMMAND = WM_APP + 0xE5;
inline constexpr unsigned WM_LP_COMBO_CHOICE = WM_APP + 0xE7;
inline constexpr unsigned WM_LP_PRESENTATION = WM_APP + 0xE8;
inline constexpr unsigned WM_LP_COMPUTED = WM_APP + 0x260;

// The dialog bar and its combo boxes.
inline constexpr int IDC_DIALOG_BAR_LP = 93;
inline constexpr int IDC_COMBO_PERIOD = 1528;
inline constexpr int IDC_COMBO_DAYS = 1529;
inline constexpr int IDC_COMBO_PRESENTATION = 1530;
// The analysis-values window: its report button, heading and five value lines.
inline constexpr int IDC_ANALYSIS_DIALOG = 97;
inline constexpr int IDC_ANALYSIS_REPORT = 1574;
inline constexpr int IDC_ANALYSIS_HEADING = 1575;
inline constexpr int IDC_ANALYSIS_FIRST_VALUE = 1576;

// The combo entries: table and graph; daily and weekly; all days, weekdays and weekend days. The
// table's column heads: day, start, end. The progress of a computation, a file that could not be read
// ("%s" the record), an interval without profile.
inline constexpr unsigned IDS_LP_TABLE = 21470;
inline constexpr unsigned IDS_LP_GRAPH = 21471;
inline constexpr unsigned IDS_LP_DAILY = 21472;
inline constexpr unsigned IDS_LP_WEEKLY = 21473;
inline constexpr unsigned IDS_LP_ALL_DAYS = 21474;
inline constexpr unsigned IDS_LP_WEEKDAYS = 21475;
inline constexpr unsigned IDS_LP_WEEKEND_DAYS = 21476;
inline constexpr unsigned IDS_LP_DAY = 21477;
inline constexpr unsigned IDS_LP_START = 21478;
inline constexpr unsigned IDS_LP_END = 21479;
inline constexpr unsigned IDS_LP_COMPUTING = 21480;
inline constexpr unsigned IDS_LP_READ_FAILED = 21481;
inline constexpr unsigned IDS_LP_NO_INTERVAL = 21482;
inline constexpr unsigned IDS_LP_REPORT_BUTTON = 21483;
// The Data menu's entries: the table and the graph of the selection, the table's export, the graph's
// picture.
inline constexpr unsigned IDS_MENU_LP_TABLE = 21484;
inline constexpr unsigned IDS_MENU_LP_GRAPH = 21485;
inline constexpr unsigned IDS_MENU_LP_EXPORT_CSV = 21486;
inline constexpr unsigned IDS_MENU_LP_PICTURE = 21487;
// The save dialogs' title, the graph's subtitles, the export's title suffix, the export's outcome
// ("%s" the path), the presentation already shown.
inline constexpr unsigned IDS_LP_SAVE_TITLE = 12512;
inline constexpr unsigned IDS_LP_DAILY_SUBTITLE = 12513;
inline constexpr unsigned IDS_LP_WEEKLY_SUBTITLE = 12514;
inline constexpr unsigned IDS_LP_EXPORT_SUFFIX = 59436;
inline constexpr unsigned IDS_LP_EXPORT_CAPTION = 59520;
inline constexpr unsigned IDS_LP_EXPORTED = 59521;
inline constexpr unsigned IDS_LP_EXPORT_FAILED = 59526;
inline constexpr unsigned IDS_LP_ALREADY_SHOWN = 59619;
inline constexpr unsigned IDS_LP_FILE_IN_USE = 12479;
inline constexpr unsigned IDS_LP_CSV_FILES = 59762;
inline constexpr unsigned IDS_LP_ALL_FILES = 59634;
inline constexpr unsigned IDS_LP_VIEWER_FAILED = 8218;
// The selection refused: none or one row, more than one channel.
inline constexpr unsigned IDS_LP_SELECT_RECORDS = 12480;
inline constexpr unsigned IDS_LP_ONE_CHANNEL = 12482;
