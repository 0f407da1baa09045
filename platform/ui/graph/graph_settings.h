// Everything the graph control shows besides its data: titles, subsets' looks, axes, tables,
// annotations, the context menu and the style switches. Values are stored as given; the drawing
// decides what each one looks like.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/graph/graph_canvas.h"
#include "platform/ui/graph/graph_scale.h"

namespace platform {

// How a subset is drawn.
enum class PlottingMethod {
    Line = 0,
    Bar = 1,
    Points = 2,
    Area = 3,
    PointsAndLine = 4,
    Step = 8,
    Stick = 13,
    Spline = 15,
    BestFitLine = 16,
    BestFitCurve = 17,
};

// Grid lines: 0 both, 1 across Y only, 2 across X only, anything else none.
enum class GridLines { Both = 0, YOnly = 1, XOnly = 2, None = 3 };

// Style numbers kept by the attributes file; the graph reads those it draws by.
struct GraphStyle {
    int borderType = 3;                 // 0 no border; any other value a frame round the control
    std::array<int, 2> quickStyle{1, 0};  // stored only
    int viewingStyle = 0;               // 0 colour; any other value every subset in the foreground colour
    int fontSize = 1;                   // 0 large, 1 medium, 2 small
    int numericPrecision = 1;           // decimals of axis values and data labels (0-4)
    std::array<int, 4> gridAttributes{3, 0, 0, 0};  // the first chooses GridLines; the others are stored only
    int plottingMethod = 0;             // a PlottingMethod code; unknown codes draw lines
    bool showDataPoints = false;        // markers on the points while they are no closer than 3 pixels
    bool includeDataLabels = false;     // the value beside each marker while markers are drawn
};

struct GraphColors {
    GraphColor graphForeground = 0xFF000000;
    GraphColor graphBackground = 0xFFFFFFFF;
    GraphColor deskForeground = 0xFF000000;
    GraphColor deskBackground = 0xFFC0C0C0;
};

// A font by name with the three attribute words of the attributes file: bold, italic, underline.
struct GraphFontChoice {
    std::string face = "Arial";
    std::array<int, 3> attributes{1, 0, 0};
};

struct GraphSubsetLook {
    std::string label;
    GraphColor color = 0xFF000000;
    int lineType = 0;   // GraphLineStyle by number
    int pointType = 3;  // 0 plus, 1 cross, 2 dot, 3 filled square, 4 square, 5 filled circle, 6 circle,
                        // 7 filled triangle, 8 triangle; others a filled square
};

struct GraphAxis {
    std::string label;
    GraphColor color = 0xFF000000;
    int subsetCount = 0;  // the subsets of this axis follow those of the axes before it
    // The range shown when set (low below high); otherwise the axis fits the values in view.
    std::optional<std::pair<double, double>> manualRange = std::nullopt;
};

// A numeric X axis over a fixed range (seconds of a running graph) in place of the time axis; the
// view shows the range whatever the data holds.
struct NumericXAxis {
    double from = 0.0;
    double to = 1.0;
};

// A table of one column drawn in a box: the statistics to the right of the plot, the read-out above it.
struct GraphTableRow {
    std::string text;
    GraphColor color = 0xFF000000;
};
struct GraphTable {
    bool shown = false;
    GraphColor background = 0xFFFFFFFF;
    std::vector<GraphTableRow> rows;
};

struct GraphMenuItem {
    std::string text;  // "|" is a separator
    bool checked = false;
};

struct GraphSettings {
    std::string mainTitle;
    std::string subtitle;
    GraphFontChoice mainTitleFont{"Arial", {1, 1, 0}};
    GraphFontChoice subtitleFont;
    GraphFontChoice labelFont;
    GraphColors colors;
    GraphStyle style;
    // One entry per subset, in subset order.
    std::vector<GraphSubsetLook> subsets;
    // Up to three Y axes; with one axis every subset is on it whatever its count says.
    std::vector<GraphAxis> axes{GraphAxis{}};
    // Y values equal to this are gaps.
    float nullValue = -9999.0f;
    // The data cursor: the read-out follows the mouse and a cursor line marks the point.
    bool dataCursor = false;
    GraphTable statistics;
    GraphTable readout;
    // Lines under the plot, each "left|centre|right" (any part may be empty).
    std::vector<std::string> annotations;
    // Items of the view in the context menu, before the control's own.
    std::vector<GraphMenuItem> menuItems;
    // The dates under the time axis, in the user's order.
    DateTextFn dateText;
    std::optional<NumericXAxis> numericX;
};

}  // namespace platform
