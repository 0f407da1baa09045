// Texts of the graph control: its context menu and its settings dialog (our own labels).
#pragma once

inline constexpr unsigned IDS_GRAPH_UNDO_ZOOM = 20600;
inline constexpr unsigned IDS_GRAPH_SETTINGS = 20601;
inline constexpr unsigned IDS_GRAPH_METHOD_LABEL = 20602;
inline constexpr unsigned IDS_GRAPH_SHOW_POINTS = 20603;
inline constexpr unsigned IDS_GRAPH_DATA_LABELS = 20604;
inline constexpr unsigned IDS_GRAPH_GRID_LABEL = 20605;
// The plotting methods, in the order of the settings dialog's list.
inline constexpr unsigned IDS_GRAPH_METHOD_LINE = 20610;
inline constexpr unsigned IDS_GRAPH_METHOD_POINTS = 20611;
inline constexpr unsigned IDS_GRAPH_METHOD_POINTS_LINE = 20612;
inline constexpr unsigned IDS_GRAPH_METHOD_AREA = 20613;
inline constexpr unsigned IDS_GRAPH_METHOD_BAR = 20614;
inline constexpr unsigned IDS_GRAPH_METHOD_STEP = 20615;
inline constexpr unsigned IDS_GRAPH_METHOD_STICK = 20616;
// The grid-line choices, in the order of GridLines.
inline constexpr unsigned IDS_GRAPH_GRID_BOTH = 20620;
inline constexpr unsigned IDS_GRAPH_GRID_Y = 20621;
inline constexpr unsigned IDS_GRAPH_GRID_X = 20622;
inline constexpr unsigned IDS_GRAPH_GRID_NONE = 20623;
