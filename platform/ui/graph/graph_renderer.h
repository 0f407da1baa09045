// Draws a graph on a canvas: desk, titles, read-out and statistics tables, axes, grid, the subsets
// with at most one min/max pair per pixel column, annotations. Also finds the point under the mouse.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/ui/graph/graph_canvas.h"
#include "platform/ui/graph/graph_data.h"
#include "platform/ui/graph/graph_scale.h"
#include "platform/ui/graph/graph_settings.h"

namespace platform {

// What to draw: the settings, the data and the part of the X axis in view.
struct GraphScene {
    const GraphSettings& settings;
    const GraphData& data;
    double xFrom = 0.0;
    double xTo = 0.0;
    // The point that the data cursor marks, when cursorSubset >= 0.
    int cursorSubset = -1;
    std::size_t cursorPoint = 0;
};

// Where the last drawing put things, for hit tests and zooming.
struct GraphLayout {
    GraphRect plot;
    double xFrom = 0.0;
    double xTo = 0.0;
    std::vector<ValueScale> axisScales;  // one per axis in use
    std::vector<int> axisOfSubset;
    // Points handed to the canvas for the subsets, and whether any point was drawn one per column.
    std::size_t vertices = 0;
    bool decimated = false;
    bool labelsDrawn = false;

    double XToPixel(double serialDate) const;
    double PixelToX(double pixel) const;
    double YToPixel(int axis, double value) const;
};

GraphLayout DrawGraph(const GraphScene& scene, GraphCanvas& canvas, const GraphRect& area);

enum class GraphHitKind { Nothing, PlotArea, DataPoint };
struct GraphHit {
    GraphHitKind kind = GraphHitKind::Nothing;
    int subset = -1;
    std::size_t point = 0;
};

// Whether (x, y) lies on the plot, its edges included: the lowest and highest values lie on them.
bool InPlot(const GraphLayout& layout, int x, int y);

// The data point within a few pixels of (x, y), else the plot area or nothing.
GraphHit HitTestGraph(const GraphScene& scene, const GraphLayout& layout, int x, int y);
// The data point on the plot nearest (x, y): the point nearest in X, of the subset nearest in Y there;
// the plot area or nothing when no point shows.
GraphHit NearestDataPoint(const GraphScene& scene, const GraphLayout& layout, int x, int y);

// The axis (0-2) of each subset from the axes' subset counts; with one axis all are on it.
std::vector<int> AxisOfEachSubset(const GraphSettings& settings, std::size_t subsetCount);

}  // namespace platform
