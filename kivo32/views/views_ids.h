// Control and text ids of the data-file document and its dialogs (fixed numbers: never renumber); the
// labels of the dialogs are ours.
#pragma once

#include "platform/base/window_messages.h"

// CDataFileSaveDlg: its two option check boxes; its titles with the first option checked or cleared.
inline constexpr int IDC_SAVE_OPTION_EXISTING = 1429;
inline constexpr int IDC_SAVE_OPTION_CSV = 1430;
inline constexpr unsigned IDS_SAVE_TITLE_EXISTING = 9301;
inline constexpr unsigned IDS_SAVE_TITLE_NEW = 9302;

// The name of the data-file type in file dialogs, filled into "%s (*.kivo; *.dat)".
inline constexpr unsigned IDS_DATA_FILE_FILTER = 9354;
// The title of an extracted range; "%s" the title of the document it came from.
inline constexpr unsigned IDS_EXTRACTED_TITLE = 9312;
// Save As over a file: "%s" the path; over a file open in another document.
inline constexpr unsigned IDS_REPLACE_FILE = 12478;
inline constexpr unsigned IDS_REPLACE_OPEN_FILE = 12485;
// A range save: "%d record%s ... %d record%s", followed by the second text; nothing from the grid.
inline constexpr unsigned IDS_RANGE_SAVED = 59535;
inline constexpr unsigned IDS_RANGE_EMPTY = 59536;
inline constexpr unsigned IDS_RANGE_SAVED_NEXT = 59537;

// Ours: the option labels of CDataFileSaveDlg.
inline constexpr unsigned IDS_SAVE_OPTION_EXISTING = 20400;
inline constexpr unsigned IDS_SAVE_OPTION_CSV = 20401;
// Ours: CExtractedRangeSaveDlg ("%s" the name of the extracted data) and its choices.
inline constexpr unsigned IDS_EXTRACTED_SAVE_TITLE = 20402;
inline constexpr unsigned IDS_EXTRACTED_SAVE_PROMPT = 20403;
inline constexpr unsigned IDS_EXTRACTED_SAVE_CHOICE = 20404;
inline constexpr unsigned IDS_EXTRACTED_CLOSE_CHOICE = 20405;
// Ours: before a gap of many records is filled; "%ld" the records, "%d" the grid row after the gap.
inline constexpr unsigned IDS_FILL_LONG_GAP = 20406;

// The graph attribute file: "%s" the path. It cannot be opened; it cannot be created; writing failed
// (the last shares its wording with the setup-table file).
inline constexpr unsigned IDS_GRAPH_ATTRIBUTES_NOT_OPENED = 12459;
inline constexpr unsigned IDS_GRAPH_ATTRIBUTES_NOT_CREATED = 8201;
inline constexpr unsigned IDS_GRAPH_ATTRIBUTES_NOT_WRITTEN = 8195;

// CGraphOptions: its controls.
inline constexpr int IDC_GRAPH_OPTIONS_ANNOTATION = 1583;
inline constexpr int IDC_GRAPH_OPTIONS_DATA_CURSOR = 1582;
inline constexpr int IDC_GRAPH_OPTIONS_DATA_POINTS = 1586;
inline constexpr int IDC_GRAPH_OPTIONS_ANALYSIS_VALUES = 1680;
inline constexpr int IDC_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES = 1584;
inline constexpr int IDC_GRAPH_OPTIONS_OWN_ATTRIBUTES = 1585;
inline constexpr int IDC_GRAPH_OPTIONS_EXPORT_TYPE = 2235;
inline constexpr int IDC_GRAPH_OPTIONS_EXPORT_SIZE = 2236;
// Ours: its title and labels.
inline constexpr unsigned IDS_GRAPH_OPTIONS_TITLE = 20660;
inline constexpr unsigned IDS_GRAPH_OPTIONS_ANNOTATION = 20661;
inline constexpr unsigned IDS_GRAPH_OPTIONS_DATA_CURSOR = 20662;
inline constexpr unsigned IDS_GRAPH_OPTIONS_DATA_POINTS = 20663;
inline constexpr unsigned IDS_GRAPH_OPTIONS_ANALYSIS_VALUES = 20664;
inline constexpr unsigned IDS_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES = 20665;
inline constexpr unsigned IDS_GRAPH_OPTIONS_OWN_ATTRIBUTES = 20666;
inline constexpr unsigned IDS_GRAPH_OPTIONS_EXPORT_TYPE = 20667;
inline constexpr unsigned IDS_GRAPH_OPTIONS_EXPORT_SIZE = 20668;
// The named choices of the two export settings, in the order of their stored numbers 0 to 3.
inline constexpr unsigned IDS_EXPORT_TYPE_METAFILE = 21103;
inline constexpr unsigned IDS_EXPORT_TYPE_BMP = 21104;
inline constexpr unsigned IDS_EXPORT_TYPE_JPEG = 21105;
inline constexpr unsigned IDS_EXPORT_TYPE_PNG = 21106;
inline constexpr unsigned IDS_EXPORT_SIZE_SCREEN = 21107;
inline constexpr unsigned IDS_EXPORT_SIZE_SMALL = 21108;
inline constexpr unsigned IDS_EXPORT_SIZE_MEDIUM = 21109;
inline constexpr unsigned IDS_EXPORT_SIZE_LARGE = 21110;

// The graph dialogs. The range dialog: all records, from and to, the channel list, their labels and
// the record-range control; the Back button of the two modal dialogs.
inline constexpr int IDC_GRAPH_ALL_RECORDS = 1294;
inline constexpr int IDC_GRAPH_FROM_RECORD = 1295;
inline constexpr int IDC_GRAPH_TO_RECORD = 1296;
inline constexpr int IDC_GRAPH_CHANNELS = 1297;
inline constexpr int IDC_GRAPH_FROM_LABEL = 1298;
inline constexpr int IDC_GRAPH_TO_LABEL = 1299;
inline constexpr int IDC_GRAPH_RECORD_RANGE = 1300;
inline constexpr int IDC_GRAPH_BACK = 1301;
// The type dialog: method list, Y-axis check, the three show checks, the attribute source.
inline constexpr int IDC_GRAPH_METHOD = 1302;
inline constexpr int IDC_GRAPH_ASSIGN_Y_AXES = 1685;
inline constexpr int IDC_GRAPH_TYPE_DATA_CURSOR = 1582;
inline constexpr int IDC_GRAPH_TYPE_DATA_POINTS = 1583;
inline constexpr int IDC_GRAPH_TYPE_ANALYSIS_VALUES = 1680;
inline constexpr int IDC_GRAPH_TYPE_DEFAULT_ATTRIBUTES = 1584;
inline constexpr int IDC_GRAPH_TYPE_OWN_ATTRIBUTES = 1585;
// The Y-axis dialog's group box.
inline constexpr int IDC_GRAPH_Y_AXES_GROUP = 1608;
// Messages: no channel chosen, more than 17 channels, an empty record range.
inline constexpr unsigned IDP_GRAPH_NO_CHANNEL = 12421;
inline constexpr unsigned IDP_GRAPH_TOO_MANY_CHANNELS = 12423;
inline constexpr unsigned IDP_GRAPH_EMPTY_RANGE = 8210;
// The type dialog's OK caption with and without the Y-axis step.
inline constexpr unsigned IDS_GRAPH_TYPE_NEXT = 9334;
inline constexpr unsigned IDS_GRAPH_TYPE_FINISH = 9335;
// Posted to the main frame when the graph dialogs are through: it opens the graph of the active grid's
// selection.
inline constexpr unsigned WM_SHOW_DATA_GRAPH = WM_APP + 0xD8;
// Ours: the titles and labels of the three dialogs.
inline constexpr unsigned IDS_GRAPH_RANGE_TITLE = 20670;
inline constexpr unsigned IDS_GRAPH_RANGE_CHANNELS = 20671;
inline constexpr unsigned IDS_GRAPH_RANGE_ALL_RECORDS = 20672;
inline constexpr unsigned IDS_GRAPH_RANGE_FROM = 20673;
inline constexpr unsigned IDS_GRAPH_RANGE_TO = 20674;
inline constexpr unsigned IDS_GRAPH_RANGE_RECORDS = 20675;
inline constexpr unsigned IDS_GRAPH_BACK = 20676;
inline constexpr unsigned IDS_GRAPH_TYPE_TITLE = 20677;
inline constexpr unsigned IDS_GRAPH_TYPE_METHOD = 20678;
inline constexpr unsigned IDS_GRAPH_TYPE_ASSIGN_Y_AXES = 20679;
inline constexpr unsigned IDS_GRAPH_Y_AXES_TITLE = 20680;
inline constexpr unsigned IDS_GRAPH_Y_AXES_GROUP = 20681;
inline constexpr unsigned IDS_GRAPH_Y_AXIS_1 = 20682;
inline constexpr unsigned IDS_GRAPH_Y_AXIS_2 = 20683;
inline constexpr unsigned IDS_GRAPH_Y_AXIS_3 = 20684;
// Ours: the plotting methods in the order of the type dialog's list.
inline constexpr unsigned IDS_GRAPH_METHOD_NAME_FIRST = 20690;

// The data graph view. Its progress while it reads the records; the headings of its statistics table
// (the statistics, or the channels' legend); the left part of its annotation; the title of its settings
// ("%s - %s" after the document's title); the read-out's point word; its context menu's data-cursor item;
// the word under its time axis (in upper case).
inline constexpr unsigned IDS_GRAPH_LOADING = 9313;
inline constexpr unsigned IDS_GRAPH_STATISTICS_HEADING = 59446;
inline constexpr unsigned IDS_GRAPH_LEGEND_HEADING = 59447;
inline constexpr unsigned IDS_GRAPH_ANNOTATION_LABEL = 59448;
inline constexpr unsigned IDS_GRAPH_SETTINGS_TITLE = 59445;
inline constexpr unsigned IDS_GRAPH_READOUT_POINT = 59564;
inline constexpr unsigned IDS_GRAPH_MENU_DATA_CURSOR = 59565;
inline constexpr unsigned IDS_GRAPH_TIME_AXIS_WORD = 59568;
// The graph of a selection could not be made; no records selected (a single row or none).
inline constexpr unsigned IDP_GRAPH_NOT_MADE = 12424;
inline constexpr unsigned IDP_NO_RECORDS_SELECTED = 12480;
// Ours: records whose date and time make no graph date ("%ld" of them) were left out; data labels held
// off for "%d" points; the caption of that message.
inline constexpr unsigned IDS_GRAPH_UNDATED_RECORDS = 20685;
inline constexpr unsigned IDS_GRAPH_TOO_MANY_LABELS = 20686;
inline constexpr unsigned IDS_GRAPH_CAPTION = 20687;
// Ours: the graphing-keys help window's title and text.
inline constexpr unsigned IDS_GRAPHING_KEYS_TITLE = 20688;
inline constexpr unsigned IDS_GRAPHING_KEYS_TEXT = 20689;
// The data graph's commands: its settings (Ctrl+E), undo zoom; the application's graph of the selected
// column and its graphing-keys help.
inline constexpr unsigned ID_GRAPH_CUSTOMISE = 32942;
inline constexpr unsigned ID_GRAPH_UNDO_ZOOM = 32833;
inline constexpr unsigned ID_GRAPH_SELECTED_COLUMN = 32874;
inline constexpr unsigned ID_GRAPHING_KEYS_HELP = 32940;

// The data grid's commands, as the menus and the grid's context menu send them.
inline constexpr unsigned ID_ANALYSIS_VALUES_1 = 32862;
inline constexpr unsigned ID_ANALYSIS_VALUES_2 = 32900;
inline constexpr unsigned ID_ANALYSIS_VALUES_3 = 32860;
inline constexpr unsigned ID_ANALYSIS_VALUES_4 = 32861;
inline constexpr unsigned ID_ANALYSIS_VALUES_5 = 32863;
inline constexpr unsigned ID_GRAPH_SELECTED_DATA = 32873;
inline constexpr unsigned ID_LOAD_PROFILE_SELECTED = 32871;
inline constexpr unsigned ID_LOAD_PROFILE_GRAPH_SELECTED = 32872;
inline constexpr unsigned ID_EXTRACT_SELECTED_RANGE = 32889;
inline constexpr unsigned ID_GRID_SAVE_AS = 32896;
inline constexpr unsigned ID_REOPEN_DATA_DOCUMENT = 32898;
inline constexpr unsigned ID_SAVE_DATA_DOCUMENT_AS = 32897;

// The grid: the title of its context menu; several value kinds in one selection; more than one column
// where the analysis takes one.
inline constexpr unsigned IDS_GRID_MENU_TITLE = 9338;
inline constexpr unsigned IDS_MIXED_VALUE_KINDS = 12481;
inline constexpr unsigned IDS_ONE_COLUMN_ONLY = 12482;

// Ours: the items of the grid's context menu.
inline constexpr unsigned IDS_MENU_ANALYSIS_1 = 20410;
inline constexpr unsigned IDS_MENU_ANALYSIS_2 = 20411;
inline constexpr unsigned IDS_MENU_ANALYSIS_3 = 20412;
inline constexpr unsigned IDS_MENU_ANALYSIS_4 = 20413;
inline constexpr unsigned IDS_MENU_ANALYSIS_5 = 20414;
inline constexpr unsigned IDS_MENU_GRAPH = 20415;
inline constexpr unsigned IDS_MENU_LOAD_PROFILE = 20416;
inline constexpr unsigned IDS_MENU_LOAD_PROFILE_GRAPH = 20417;
inline constexpr unsigned IDS_MENU_EXTRACT_SELECTION = 20418;
inline constexpr unsigned IDS_MENU_SAVE_AS = 20419;

// The reports of a data file: a report that cannot be made or written ("%s" the path); the text viewer
// that would not start.
inline constexpr unsigned IDS_REPORT_CANNOT_CREATE = 12479;
inline constexpr unsigned IDS_REPORT_WRITE_ERROR = 59450;
inline constexpr unsigned IDS_REPORT_WRITTEN_TO = 8218;  // %s the report's full path
// The CSV export of the grid: written ("%s" the path) with its caption; a write error.
inline constexpr unsigned IDS_EXPORT_DONE_CAPTION = 59520;
inline constexpr unsigned IDS_EXPORT_DONE = 59521;
inline constexpr unsigned IDS_EXPORT_WRITE_ERROR = 59566;
// The CSV and all-files entries of the grid's Save As filter.
inline constexpr unsigned IDS_CSV_FILE_FILTER = 59635;
inline constexpr unsigned IDS_ALL_FILES_FILTER = 59634;
// Ours: the data-error report of a file without a logging interval.
inline constexpr unsigned IDS_REPORT_NO_INTERVAL = 20420;

// The print setup dialog: its controls.
inline constexpr int IDC_PRINT_MARGIN_TOP = 51068;
inline constexpr int IDC_PRINT_MARGIN_LEFT = 51065;
inline constexpr int IDC_PRINT_MARGIN_BOTTOM = 51066;
inline constexpr int IDC_PRINT_MARGIN_RIGHT = 51067;
inline constexpr int IDC_PRINT_CENTER_HORIZONTALLY = 51074;
inline constexpr int IDC_PRINT_CENTER_VERTICALLY = 51073;
inline constexpr int IDC_PRINT_COLUMN_HEADERS = 51070;
inline constexpr int IDC_PRINT_HORIZONTAL_LINES = 51058;
inline constexpr int IDC_PRINT_ROW_HEADERS = 51069;
inline constexpr int IDC_PRINT_VERTICAL_LINES = 51169;
inline constexpr int IDC_PRINT_FRAME = 51076;
// The page-order radios are 51071 and the next; the position radios 1305 and 1308 and the two next.
inline constexpr int IDC_PRINT_PAGE_ORDER = 51071;
inline constexpr int IDC_PRINT_HEADER = 1303;
inline constexpr int IDC_PRINT_FOOTER = 1304;
inline constexpr int IDC_PRINT_HEADER_POSITION = 1305;
inline constexpr int IDC_PRINT_FOOTER_POSITION = 1308;
inline constexpr int IDC_PRINT_PREVIEW = 51062;
// Ours: its labels, in the order of the controls (the margins top, left, bottom, right; the seven
// checks; the page orders; the three cells), and a margin it refuses.
inline constexpr unsigned IDS_PRINT_SETUP_TITLE = 20430;
inline constexpr unsigned IDS_PRINT_MARGINS = 20431;
inline constexpr unsigned IDS_PRINT_MARGIN_TOP = 20432;
inline constexpr unsigned IDS_PRINT_MARGIN_LEFT = 20433;
inline constexpr unsigned IDS_PRINT_MARGIN_BOTTOM = 20434;
inline constexpr unsigned IDS_PRINT_MARGIN_RIGHT = 20435;
inline constexpr unsigned IDS_PRINT_CENTER_HORIZONTALLY = 20436;
inline constexpr unsigned IDS_PRINT_CENTER_VERTICALLY = 20437;
inline constexpr unsigned IDS_PRINT_COLUMN_HEADERS = 20438;
inline constexpr unsigned IDS_PRINT_HORIZONTAL_LINES = 20439;
inline constexpr unsigned IDS_PRINT_ROW_HEADERS = 20440;
inline constexpr unsigned IDS_PRINT_VERTICAL_LINES = 20441;
inline constexpr unsigned IDS_PRINT_FRAME = 20442;
inline constexpr unsigned IDS_PRINT_PAGE_ORDER = 20443;
inline constexpr unsigned IDS_PRINT_DOWN_THEN_ACROSS = 20444;
inline constexpr unsigned IDS_PRINT_ACROSS_THEN_DOWN = 20445;
inline constexpr unsigned IDS_PRINT_HEADER = 20446;
inline constexpr unsigned IDS_PRINT_FOOTER = 20447;
inline constexpr unsigned IDS_PRINT_CELL_LEFT = 20448;
inline constexpr unsigned IDS_PRINT_CELL_MIDDLE = 20449;
inline constexpr unsigned IDS_PRINT_CELL_RIGHT = 20450;
inline constexpr unsigned IDS_PRINT_TOKENS = 20451;
inline constexpr unsigned IDS_PRINT_BAD_MARGIN = 20452;
// The check that keeps the settings as the defaults of new grids, and the printer setup button; ours:
// their labels.
inline constexpr int IDC_PRINT_SAVE_DEFAULTS = 51060;
inline constexpr int IDC_PRINT_PRINTER_SETUP = 51061;
inline constexpr unsigned IDS_PRINT_SAVE_DEFAULTS = 20453;
inline constexpr unsigned IDS_PRINT_PRINTER_SETUP = 20454;

// The extraction dialogs: their controls.
inline constexpr int IDC_EXTRACT_FROM_RECORD = 1534;
inline constexpr int IDC_EXTRACT_TO_RECORD = 1536;
inline constexpr int IDC_EXTRACT_LOWER_LIMIT = 1532;
inline constexpr int IDC_EXTRACT_UPPER_LIMIT = 1533;
inline constexpr int IDC_EXTRACT_FIRST_TIME = 1537;
inline constexpr int IDC_EXTRACT_LAST_TIME = 1538;
// The six fields of the from row (month, day, year, hour, minute, second) and of the to row.
inline constexpr int IDC_EXTRACT_FROM_MONTH = 1539;
inline constexpr int IDC_EXTRACT_FROM_DAY = 1540;
inline constexpr int IDC_EXTRACT_FROM_YEAR = 1541;
inline constexpr int IDC_EXTRACT_FROM_HOUR = 1545;
inline constexpr int IDC_EXTRACT_FROM_MINUTE = 1546;
inline constexpr int IDC_EXTRACT_FROM_SECOND = 1547;
inline constexpr int IDC_EXTRACT_TO_MONTH = 1542;
inline constexpr int IDC_EXTRACT_TO_DAY = 1543;
inline constexpr int IDC_EXTRACT_TO_YEAR = 1544;
inline constexpr int IDC_EXTRACT_TO_HOUR = 1548;
inline constexpr int IDC_EXTRACT_TO_MINUTE = 1549;
inline constexpr int IDC_EXTRACT_TO_SECOND = 1550;
inline constexpr int IDC_EXTRACT_DATE_HINT = 1570;
inline constexpr int IDC_EXTRACT_FROM_DAY_START = 1551;
inline constexpr int IDC_EXTRACT_TO_DAY_START = 1552;
// Their refusals: records reversed, beyond the end, the same, not above 0; dates: from invalid, to
// invalid, from not before to, from before the first record, to after the last, the file's own times
// invalid.
inline constexpr unsigned IDS_EXTRACT_RECORD_REVERSED = 8208;
inline constexpr unsigned IDS_EXTRACT_RECORD_BEYOND_END = 8209;
inline constexpr unsigned IDS_EXTRACT_RECORD_SAME = 8210;
inline constexpr unsigned IDS_EXTRACT_RECORD_NOT_POSITIVE = 8211;
inline constexpr unsigned IDS_EXTRACT_FROM_INVALID = 8212;
inline constexpr unsigned IDS_EXTRACT_TO_INVALID = 8213;
inline constexpr unsigned IDS_EXTRACT_FROM_NOT_BEFORE_TO = 8214;
inline constexpr unsigned IDS_EXTRACT_FROM_TOO_EARLY = 8215;
inline constexpr unsigned IDS_EXTRACT_TO_TOO_LATE = 8216;
inline constexpr unsigned IDS_EXTRACT_FILE_TIMES_INVALID = 8217;
// An extract of data that is itself an extract; its box is titled "KIVO - %s" with the title.
inline constexpr unsigned IDS_EXTRACT_OF_EXTRACT = 12486;
// Ours: a date range that no record falls in (both ends inside one gap of the records).
inline constexpr unsigned IDS_EXTRACT_NO_RECORDS_IN_RANGE = 21172;
// Ours: the labels of the two dialogs.
inline constexpr unsigned IDS_EXTRACT_BY_RECORD_TITLE = 20460;
inline constexpr unsigned IDS_EXTRACT_FIRST_RECORD = 20461;
inline constexpr unsigned IDS_EXTRACT_LAST_RECORD = 20462;
inline constexpr unsigned IDS_EXTRACT_FROM_RECORD = 20463;
inline constexpr unsigned IDS_EXTRACT_TO_RECORD = 20464;
inline constexpr unsigned IDS_EXTRACT_BY_DATE_TITLE = 20465;
inline constexpr unsigned IDS_EXTRACT_FIRST_TIME = 20466;
inline constexpr unsigned IDS_EXTRACT_LAST_TIME = 20467;
inline constexpr unsigned IDS_EXTRACT_FROM_TIME = 20468;
inline constexpr unsigned IDS_EXTRACT_TO_TIME = 20469;
inline constexpr unsigned IDS_EXTRACT_FROM_DAY_START = 20470;
inline constexpr unsigned IDS_EXTRACT_TO_DAY_START = 20471;

// The summary report that cannot be written ("%s" the path).
inline constexpr unsigned IDS_SUMMARY_CANNOT_CREATE = 12577;

// What the user can do about gaps and short intervals found when a data file opens.
inline constexpr unsigned IDS_DATA_ERRORS_HINT = 59991;
// Records whose time goes back: the graph puts its points in time order.
inline constexpr unsigned IDS_GRAPH_RECORDS_OUT_OF_ORDER = 59992;  // %s count
