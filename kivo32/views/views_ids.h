// Control and text ids of the data-file document and its dialogs, as the system numbers them; the
// labels of the dialogs are ours.
#pragma once

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
