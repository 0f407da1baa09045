// Draws a graph on a canvas and finds the point under the mouse.
#include "platform/ui/graph/graph_renderer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace platform {
namespace {

constexpr int kMargin = 8;
constexpr int kGap = 4;
constexpr int kTickLength = 4;
constexpr int kMarkerHalf = 3;
// Markers and data labels only while the points lie at least this many pixels apart.
constexpr double kMarkerSpacing = 3.0;
// A data point counts as hit within this many pixels of the mouse.
constexpr int kHitRadius = 5;
// Time labels at least this many pixels apart.
constexpr int kTimeLabelPixels = 100;
constexpr GraphColor kGridColor = 0xFFC0C0C0;

int BasePixels(int fontSize) {
    switch (fontSize) {
        case 0:
            return 13;
        case 2:
            return 9;
        default:
            return 11;
    }
}

GraphFont ToFont(const GraphFontChoice& choice, int pixels) {
    return {choice.face, pixels, choice.attributes[0] != 0, choice.attributes[1] != 0, choice.attributes[2] != 0};
}

GraphLineStyle ToLineStyle(int lineType) {
    return lineType >= 0 && lineType <= 4 ? static_cast<GraphLineStyle>(lineType) : GraphLineStyle::Solid;
}

GraphColor SubsetColor(const GraphSettings& settings, std::size_t subset) {
    if (settings.style.viewingStyle != 0 || subset >= settings.subsets.size()) {
        return settings.colors.graphForeground;
    }
    return settings.subsets[subset].color;
}

// The part `index` (0 left, 1 centre, 2 right) of "left|centre|right".
std::string_view AnnotationPart(std::string_view line, int index) {
    for (int i = 0; i < index; ++i) {
        const auto bar = line.find('|');
        if (bar == std::string_view::npos) {
            return {};
        }
        line.remove_prefix(bar + 1);
    }
    return line.substr(0, line.find('|'));
}

int TableWidth(GraphCanvas& canvas, const GraphTable& table) {
    int width = 0;
    for (const auto& row : table.rows) {
        width = std::max(width, canvas.TextWidth(row.text));
    }
    return width + 2 * kGap;
}

void DrawTable(GraphCanvas& canvas, const GraphTable& table, const GraphRect& box, GraphColor frame) {
    canvas.FillRect(box, table.background);
    canvas.SetPen(frame, 1, GraphLineStyle::Solid);
    canvas.Rectangle(box);
    int y = box.top + kGap / 2;
    for (const auto& row : table.rows) {
        canvas.SetPen(row.color, 1, GraphLineStyle::Solid);
        canvas.Text(box.left + kGap, y, row.text);
        y += canvas.TextHeight();
    }
}

bool DrawsLine(PlottingMethod method) {
    return method != PlottingMethod::Points && method != PlottingMethod::Bar && method != PlottingMethod::Stick;
}

bool DrawsMarkers(const GraphSettings& settings) {
    const auto method = static_cast<PlottingMethod>(settings.style.plottingMethod);
    return settings.style.showDataPoints || method == PlottingMethod::Points ||
           method == PlottingMethod::PointsAndLine;
}

void DrawMarker(GraphCanvas& canvas, int pointType, double x, double y, GraphColor color) {
    const int left = static_cast<int>(std::lround(x)) - kMarkerHalf;
    const int top = static_cast<int>(std::lround(y)) - kMarkerHalf;
    const GraphRect box{left, top, left + 2 * kMarkerHalf + 1, top + 2 * kMarkerHalf + 1};
    const GraphPoint triangle[] = {{x, y - kMarkerHalf}, {x + kMarkerHalf, y + kMarkerHalf},
                                   {x - kMarkerHalf, y + kMarkerHalf}, {x, y - kMarkerHalf}};
    canvas.SetPen(color, 1, GraphLineStyle::Solid);
    switch (pointType) {
        case 0:
            canvas.Line(x - kMarkerHalf, y, x + kMarkerHalf, y);
            canvas.Line(x, y - kMarkerHalf, x, y + kMarkerHalf);
            break;
        case 1:
            canvas.Line(x - kMarkerHalf, y - kMarkerHalf, x + kMarkerHalf, y + kMarkerHalf);
            canvas.Line(x - kMarkerHalf, y + kMarkerHalf, x + kMarkerHalf, y - kMarkerHalf);
            break;
        case 2:
            canvas.FillRect({box.left + 2, box.top + 2, box.right - 2, box.bottom - 2}, color);
            break;
        case 4:
            canvas.Rectangle(box);
            break;
        case 5:
        case 6:
            canvas.Ellipse(box, pointType == 5);
            break;
        case 7:
            canvas.Polygon(triangle);
            break;
        case 8:
            canvas.Polyline(triangle);
            break;
        default:
            canvas.FillRect(box, color);
            break;
    }
}

// How the points of a decimated redraw fall into pixel columns, the same for every subset: runs of
// points each wholly inside one column, as large as the pyramid's blocks that fit into a column, so
// that a subset's redraw reads one block or two per column whatever the number of points.
struct ColumnRun {
    std::size_t first;
    std::size_t last;
    int column;
    bool wholeBlock;
};
struct ColumnPlan {
    std::size_t level = 0;
    std::vector<ColumnRun> runs;
};

ColumnPlan PlanColumns(const GraphData& data, const GraphLayout& layout, std::size_t first, std::size_t last) {
    ColumnPlan plan;
    const int columns = layout.plot.Width();
    const auto columnOf = [&](std::size_t point) {
        return std::clamp(static_cast<int>(layout.XToPixel(data.x[point])) - layout.plot.left, 0, columns - 1);
    };
    const std::size_t perColumn = (last - first) / static_cast<std::size_t>(std::max(1, columns));
    const std::size_t levels = data.subsets.empty() ? 0 : data.subsets.front().LevelCount();
    if (perColumn < MinMaxPyramid::kLeafSamples || levels == 0) {
        // Few points per column: each column's exact points.
        std::size_t index = first;
        for (int column = 0; column < columns && index < last; ++column) {
            const std::size_t end = column + 1 == columns
                                        ? last
                                        : std::clamp(data.FirstPointFrom(layout.PixelToX(layout.plot.left + column + 1)), index, last);
            if (end > index) {
                plan.runs.push_back({index, end, column, false});
            }
            index = end;
        }
        return plan;
    }
    while (plan.level + 1 < levels && MinMaxPyramid::BlockSamples(plan.level + 1) <= perColumn) {
        ++plan.level;
    }
    // A block belongs to the column of its first point: a column's edge moves by less than a block,
    // less than a column.
    const std::size_t block = MinMaxPyramid::BlockSamples(plan.level);
    for (std::size_t index = first; index < last;) {
        const std::size_t end = std::min(last, (index / block + 1) * block);
        plan.runs.push_back({index, end, columnOf(index), end - index == block});
        index = end;
    }
    return plan;
}

// Draws one subset's points [first, last) into the plot.
class SubsetPainter {
public:
    SubsetPainter(const GraphScene& scene, GraphCanvas& canvas, GraphLayout& layout, std::size_t subset)
        : scene_(scene),
          canvas_(canvas),
          layout_(layout),
          series_(scene.data.subsets[subset]),
          subset_(subset),
          axis_(layout.axisOfSubset[subset]),
          method_(static_cast<PlottingMethod>(scene.settings.style.plottingMethod)),
          color_(SubsetColor(scene.settings, subset)) {
        const ValueScale& scale = layout.axisScales[static_cast<std::size_t>(axis_)];
        baseline_ = layout.YToPixel(axis_, std::clamp(0.0, scale.minimum, scale.maximum));
    }

    // With a plan: more points than pixel columns. Without one: every point.
    void Draw(const ColumnPlan* plan, std::size_t first, std::size_t last) {
        const int lineType = subset_ < scene_.settings.subsets.size() ? scene_.settings.subsets[subset_].lineType : 0;
        canvas_.SetPen(color_, 1, ToLineStyle(lineType));
        if (plan != nullptr) {
            DrawColumns(*plan);
        } else {
            DrawPoints(first, last);
        }
        Flush();
    }

private:
    // Each column gets its minimum and maximum, one pair at most. A column without points is passed
    // over: the line runs on to the next.
    void DrawColumns(const ColumnPlan& plan) {
        SampleSummary column;
        int current = -1;
        for (const ColumnRun& run : plan.runs) {
            if (run.column != current) {
                DrawColumn(current, column);
                column = {};
                current = run.column;
            }
            column.Add(run.wholeBlock ? series_.Block(plan.level, run.first / MinMaxPyramid::BlockSamples(plan.level))
                                      : series_.Summarise(run.first, run.last));
        }
        DrawColumn(current, column);
    }

    void DrawColumn(int column, const SampleSummary& summary) {
        if (column < 0) {
            return;
        }
        if (summary.Empty()) {
            Flush();  // only gaps here: the line breaks
            return;
        }
        const double x = layout_.plot.left + column + 0.5;
        const double low = layout_.YToPixel(axis_, summary.minimum);
        const double high = layout_.YToPixel(axis_, summary.maximum);
        if (!DrawsLine(method_)) {
            const bool fromBase = method_ != PlottingMethod::Points;
            canvas_.Line(x, fromBase ? std::max(low, baseline_) : low, x,
                         fromBase ? std::min(high, baseline_) : high);
            layout_.vertices += 2;
            return;
        }
        const bool highFirst = !run_.empty() && std::abs(run_.back().y - high) < std::abs(run_.back().y - low);
        run_.push_back({x, highFirst ? high : low});
        if (summary.minimum != summary.maximum) {
            run_.push_back({x, highFirst ? low : high});
        }
    }

    // No more points than pixel columns: every point is drawn, with markers and labels when they fit.
    void DrawPoints(std::size_t first, std::size_t last) {
        const GraphRect& plot = layout_.plot;
        const double spacing = static_cast<double>(plot.Width()) / static_cast<double>(std::max<std::size_t>(1, last - first));
        const bool markers = DrawsMarkers(scene_.settings) && spacing >= kMarkerSpacing;
        std::vector<GraphPoint> marks;
        for (std::size_t p = first; p < last; ++p) {
            if (series_.IsNull(p)) {
                Flush();
                continue;
            }
            const GraphPoint point{layout_.XToPixel(scene_.data.x[p]), layout_.YToPixel(axis_, series_.Sample(p))};
            if (method_ == PlottingMethod::Bar || method_ == PlottingMethod::Stick) {
                canvas_.Line(point.x, baseline_, point.x, point.y);
                layout_.vertices += 2;
            } else if (method_ == PlottingMethod::Points && !markers) {
                const int x = static_cast<int>(point.x);
                const int y = static_cast<int>(point.y);
                canvas_.FillRect({x, y, x + 2, y + 2}, color_);
                ++layout_.vertices;
            } else if (DrawsLine(method_)) {
                if (method_ == PlottingMethod::Step && !run_.empty()) {
                    run_.push_back({point.x, run_.back().y});
                }
                run_.push_back(point);
            }
            if (markers) {
                marks.push_back(point);
            }
        }
        Flush();
        if (!markers) {
            return;
        }
        const int pointType = subset_ < scene_.settings.subsets.size() ? scene_.settings.subsets[subset_].pointType : 3;
        std::size_t p = first;
        for (const GraphPoint& mark : marks) {
            DrawMarker(canvas_, pointType, mark.x, mark.y, color_);
            while (series_.IsNull(p)) {
                ++p;
            }
            if (scene_.settings.style.includeDataLabels) {
                const std::string label = FormatGraphValue(series_.Sample(p), scene_.settings.style.numericPrecision);
                canvas_.Text(static_cast<int>(mark.x) + kMarkerHalf, static_cast<int>(mark.y) - canvas_.TextHeight() - 1, label);
                layout_.labelsDrawn = true;
            }
            ++p;
        }
    }

    void Flush() {
        if (run_.empty()) {
            return;
        }
        if (method_ == PlottingMethod::Area && run_.size() > 1) {
            std::vector<GraphPoint> shape = run_;
            shape.push_back({run_.back().x, baseline_});
            shape.push_back({run_.front().x, baseline_});
            canvas_.Polygon(shape);
        }
        canvas_.Polyline(run_);
        layout_.vertices += run_.size();
        run_.clear();
    }

    const GraphScene& scene_;
    GraphCanvas& canvas_;
    GraphLayout& layout_;
    const MinMaxPyramid& series_;
    std::size_t subset_;
    int axis_;
    PlottingMethod method_;
    GraphColor color_;
    double baseline_ = 0.0;
    std::vector<GraphPoint> run_;
};

// Axis marks keep at least the decimals that tell them apart.
int MarkDecimals(const ValueScale& scale, int precision) {
    const int needed = scale.step > 0.0 ? static_cast<int>(std::ceil(-std::log10(scale.step) - 1e-9)) : 0;
    return std::max(precision, needed);
}

// The axis's manual range, else the range of the values in view.
ValueScale AxisScale(const GraphAxis& axis, const SampleSummary& range, int maxMarks) {
    if (axis.manualRange && axis.manualRange->first < axis.manualRange->second) {
        const auto [low, high] = *axis.manualRange;
        ValueScale scale = MakeValueScale(low, high, maxMarks);
        scale.minimum = low;
        scale.maximum = high;
        return scale;
    }
    return range.Empty() ? MakeValueScale(0.0, 1.0, maxMarks) : MakeValueScale(range.minimum, range.maximum, maxMarks);
}

// The marks of the X axis: numbers on a numeric axis, else times and dates.
std::vector<TimeMark> XMarks(const GraphSettings& settings, const GraphLayout& layout, double minimumSpacing) {
    if (!settings.numericX) {
        return MakeTimeMarks(layout.xFrom, layout.xTo, minimumSpacing, settings.dateText);
    }
    const double span = layout.xTo - layout.xFrom;
    const ValueScale scale = MakeValueScale(layout.xFrom, layout.xTo, std::max(2, static_cast<int>(span / minimumSpacing)));
    std::vector<TimeMark> marks;
    for (const double mark : scale.Marks()) {
        if (mark >= layout.xFrom && mark <= layout.xTo) {
            marks.push_back({mark, FormatGraphValue(mark, MarkDecimals(scale, 0)), {}});
        }
    }
    return marks;
}

std::size_t AxesInUse(const GraphSettings& settings) {
    return std::clamp<std::size_t>(settings.axes.size(), 1, 3);
}

}  // namespace

double GraphLayout::XToPixel(double serialDate) const {
    return plot.left + (serialDate - xFrom) / (xTo - xFrom) * plot.Width();
}

double GraphLayout::PixelToX(double pixel) const {
    return xFrom + (pixel - plot.left) / plot.Width() * (xTo - xFrom);
}

double GraphLayout::YToPixel(int axis, double value) const {
    const ValueScale& scale = axisScales[static_cast<std::size_t>(axis)];
    return plot.bottom - (value - scale.minimum) / (scale.maximum - scale.minimum) * plot.Height();
}

std::vector<int> AxisOfEachSubset(const GraphSettings& settings, std::size_t subsetCount) {
    std::vector<int> axes(subsetCount, 0);
    const std::size_t used = AxesInUse(settings);
    if (used == 1) {
        return axes;
    }
    std::size_t subset = 0;
    for (std::size_t axis = 0; axis < used; ++axis) {
        const int count = settings.axes[axis].subsetCount;
        for (int i = 0; i < count && subset < subsetCount; ++i) {
            axes[subset++] = static_cast<int>(axis);
        }
    }
    // Subsets beyond the axes' counts stay on the last axis.
    for (; subset < subsetCount; ++subset) {
        axes[subset] = static_cast<int>(used - 1);
    }
    return axes;
}

GraphLayout DrawGraph(const GraphScene& scene, GraphCanvas& canvas, const GraphRect& area) {
    const GraphSettings& settings = scene.settings;
    const GraphColors& colors = settings.colors;
    const int base = BasePixels(settings.style.fontSize);
    GraphLayout layout;
    layout.xFrom = scene.xFrom;
    layout.xTo = scene.xTo > scene.xFrom ? scene.xTo : scene.xFrom + 1.0 / 1440.0;

    canvas.FillRect(area, colors.deskBackground);
    if (settings.style.borderType != 0) {
        canvas.SetPen(colors.deskForeground, 1, GraphLineStyle::Solid);
        canvas.Rectangle(area);
    }
    GraphRect inner{area.left + kMargin, area.top + kMargin, area.right - kMargin, area.bottom - kMargin};

    // Titles, centred.
    const auto centred = [&](const std::string& text, const GraphFont& font) {
        if (text.empty()) {
            return;
        }
        canvas.SetFont(font);
        canvas.SetPen(colors.deskForeground, 1, GraphLineStyle::Solid);
        canvas.Text(inner.left + (inner.Width() - canvas.TextWidth(text)) / 2, inner.top, text);
        inner.top += canvas.TextHeight();
    };
    centred(settings.mainTitle, ToFont(settings.mainTitleFont, base + 5));
    centred(settings.subtitle, ToFont(settings.subtitleFont, base + 2));

    canvas.SetFont(ToFont(settings.labelFont, base));
    const int lineHeight = canvas.TextHeight();

    // Annotations from the bottom up.
    canvas.SetPen(colors.deskForeground, 1, GraphLineStyle::Solid);
    for (auto line = settings.annotations.rbegin(); line != settings.annotations.rend(); ++line) {
        inner.bottom -= lineHeight;
        const std::string_view left = AnnotationPart(*line, 0);
        const std::string_view centre = AnnotationPart(*line, 1);
        const std::string_view right = AnnotationPart(*line, 2);
        canvas.Text(inner.left, inner.bottom, left);
        canvas.Text(inner.left + (inner.Width() - canvas.TextWidth(centre)) / 2, inner.bottom, centre);
        canvas.Text(inner.right - canvas.TextWidth(right), inner.bottom, right);
    }

    inner.top += kGap;
    if (settings.readout.shown && !settings.readout.rows.empty()) {
        const int width = TableWidth(canvas, settings.readout);
        const GraphRect box{inner.right - width, inner.top, inner.right,
                            inner.top + lineHeight * static_cast<int>(settings.readout.rows.size()) + kGap};
        DrawTable(canvas, settings.readout, box, colors.deskForeground);
        inner.top = box.bottom + kGap;
    }
    if (settings.statistics.shown && !settings.statistics.rows.empty()) {
        const int width = TableWidth(canvas, settings.statistics);
        const GraphRect box{inner.right - width, inner.top, inner.right,
                            inner.top + lineHeight * static_cast<int>(settings.statistics.rows.size()) + kGap};
        DrawTable(canvas, settings.statistics, box, colors.deskForeground);
        inner.right = box.left - kGap;
    }

    // The axes' labels take a line above the plot; the time labels two lines below it.
    const std::size_t axes = AxesInUse(settings);
    const bool axisLabels = std::any_of(settings.axes.begin(), settings.axes.begin() + static_cast<long>(axes),
                                        [](const GraphAxis& axis) { return !axis.label.empty(); });
    layout.plot.top = inner.top + (axisLabels ? lineHeight + kGap : lineHeight / 2);
    layout.plot.bottom = std::max(layout.plot.top + 1, inner.bottom - 2 * lineHeight - kTickLength - kGap);

    const auto [first, last] = scene.data.PointsBetween(layout.xFrom, layout.xTo);
    layout.axisOfSubset = AxisOfEachSubset(settings, scene.data.SubsetCount());
    const int maxMarks = std::max(2, layout.plot.Height() / (2 * lineHeight));
    std::vector<int> axisWidths;
    for (std::size_t axis = 0; axis < axes; ++axis) {
        SampleSummary range;
        for (std::size_t subset = 0; subset < scene.data.SubsetCount(); ++subset) {
            if (layout.axisOfSubset[subset] == static_cast<int>(axis)) {
                range.Add(scene.data.subsets[subset].Summarise(first, last));
            }
        }
        layout.axisScales.push_back(AxisScale(settings.axes[std::min(axis, settings.axes.size() - 1)], range, maxMarks));
        int width = 0;
        const int decimals = MarkDecimals(layout.axisScales.back(), settings.style.numericPrecision);
        for (const double mark : layout.axisScales.back().Marks()) {
            width = std::max(width, canvas.TextWidth(FormatGraphValue(mark, decimals)));
        }
        axisWidths.push_back(width + kTickLength + kGap);
    }
    layout.plot.left = inner.left + axisWidths[0];
    layout.plot.right = inner.right;
    for (std::size_t axis = 1; axis < axes; ++axis) {
        layout.plot.right -= axisWidths[axis];
    }
    layout.plot.right = std::max(layout.plot.right, layout.plot.left + 1);
    const GraphRect& plot = layout.plot;

    canvas.FillRect(plot, colors.graphBackground);
    const auto grid = static_cast<GridLines>(settings.style.gridAttributes[0]);

    // Time (or number) marks and their labels under the plot.
    const double minimumDays = kTimeLabelPixels * (layout.xTo - layout.xFrom) / plot.Width();
    for (const TimeMark& mark : XMarks(settings, layout, minimumDays)) {
        const double x = layout.XToPixel(mark.serialDate);
        if (grid == GridLines::Both || grid == GridLines::XOnly) {
            canvas.SetPen(kGridColor, 1, GraphLineStyle::Dot);
            canvas.Line(x, plot.top, x, plot.bottom);
        }
        canvas.SetPen(colors.deskForeground, 1, GraphLineStyle::Solid);
        canvas.Line(x, plot.bottom, x, plot.bottom + kTickLength);
        const int textX = static_cast<int>(x);
        canvas.Text(textX - canvas.TextWidth(mark.time) / 2, plot.bottom + kTickLength, mark.time);
        canvas.Text(textX - canvas.TextWidth(mark.date) / 2, plot.bottom + kTickLength + lineHeight, mark.date);
    }

    // Value marks: axis 0 on the left, the others on the right one beside the other.
    int rightEdge = plot.right;
    for (std::size_t axis = 0; axis < axes; ++axis) {
        const int a = static_cast<int>(axis);
        const GraphColor axisColor = axes > 1 ? settings.axes[axis].color : colors.deskForeground;
        const int edge = axis == 0 ? plot.left : rightEdge;
        const int decimals = MarkDecimals(layout.axisScales[axis], settings.style.numericPrecision);
        for (const double mark : layout.axisScales[axis].Marks()) {
            const double y = layout.YToPixel(a, mark);
            if (axis == 0 && (grid == GridLines::Both || grid == GridLines::YOnly)) {
                canvas.SetPen(kGridColor, 1, GraphLineStyle::Dot);
                canvas.Line(plot.left, y, plot.right, y);
            }
            canvas.SetPen(axisColor, 1, GraphLineStyle::Solid);
            const std::string text = FormatGraphValue(mark, decimals);
            const int textY = static_cast<int>(y) - lineHeight / 2;
            if (axis == 0) {
                canvas.Line(edge - kTickLength, y, edge, y);
                canvas.Text(edge - kTickLength - kGap / 2 - canvas.TextWidth(text), textY, text);
            } else {
                canvas.Line(edge, y, edge + kTickLength, y);
                canvas.Text(edge + kTickLength + kGap / 2, textY, text);
            }
        }
        canvas.SetPen(axisColor, 1, GraphLineStyle::Solid);
        const std::string& label = settings.axes[axis].label;
        const int labelX = axis == 0 ? std::max(inner.left, edge - canvas.TextWidth(label) / 2) : edge;
        canvas.Text(labelX, plot.top - lineHeight - kGap, label);
        if (axis > 0) {
            rightEdge += axisWidths[axis];
        }
    }

    canvas.SetClip(plot);
    std::optional<ColumnPlan> plan;
    if (last - first > static_cast<std::size_t>(plot.Width())) {
        plan = PlanColumns(scene.data, layout, first, last);
        layout.decimated = true;
    }
    for (std::size_t subset = 0; subset < scene.data.SubsetCount(); ++subset) {
        SubsetPainter(scene, canvas, layout, subset).Draw(plan ? &*plan : nullptr, first, last);
    }
    if (scene.cursorSubset >= 0 && static_cast<std::size_t>(scene.cursorSubset) < scene.data.SubsetCount() &&
        scene.cursorPoint < scene.data.PointCount()) {
        const double x = layout.XToPixel(scene.data.x[scene.cursorPoint]);
        canvas.SetPen(colors.graphForeground, 1, GraphLineStyle::Dash);
        canvas.Line(x, plot.top, x, plot.bottom);
    }
    canvas.ClearClip();
    canvas.SetPen(colors.graphForeground, 1, GraphLineStyle::Solid);
    canvas.Rectangle(plot);
    return layout;
}

bool InPlot(const GraphLayout& layout, int x, int y) {
    const GraphRect& plot = layout.plot;
    return x >= plot.left && x <= plot.right && y >= plot.top && y <= plot.bottom;
}

GraphHit HitTestGraph(const GraphScene& scene, const GraphLayout& layout, int x, int y) {
    GraphHit hit;
    if (!InPlot(layout, x, y) || layout.axisScales.empty()) {
        return hit;
    }
    hit.kind = GraphHitKind::PlotArea;
    const auto [first, last] =
        scene.data.PointsBetween(layout.PixelToX(x - kHitRadius), layout.PixelToX(x + kHitRadius));
    double best = kHitRadius * kHitRadius + 1.0;
    for (std::size_t subset = 0; subset < scene.data.SubsetCount(); ++subset) {
        const MinMaxPyramid& series = scene.data.subsets[subset];
        const int axis = layout.axisOfSubset[subset];
        for (std::size_t p = first; p < last; ++p) {
            if (series.IsNull(p)) {
                continue;
            }
            const double dx = layout.XToPixel(scene.data.x[p]) - x;
            const double dy = layout.YToPixel(axis, series.Sample(p)) - y;
            const double distance = dx * dx + dy * dy;
            if (distance < best) {
                best = distance;
                hit = {GraphHitKind::DataPoint, static_cast<int>(subset), p};
            }
        }
    }
    return hit;
}

GraphHit NearestDataPoint(const GraphScene& scene, const GraphLayout& layout, int x, int y) {
    GraphHit hit = HitTestGraph(scene, layout, x, y);
    if (hit.kind != GraphHitKind::PlotArea) {
        return hit;
    }
    const auto [first, last] = scene.data.PointsBetween(scene.xFrom, scene.xTo);
    if (first >= last) {
        return hit;
    }
    const std::size_t after = std::clamp(scene.data.FirstPointFrom(layout.PixelToX(x)), first, last - 1);
    std::size_t point = after;
    if (after > first && std::abs(layout.XToPixel(scene.data.x[after - 1]) - x) <=
                             std::abs(layout.XToPixel(scene.data.x[after]) - x)) {
        point = after - 1;
    }
    double best = -1.0;
    for (std::size_t subset = 0; subset < scene.data.SubsetCount(); ++subset) {
        const MinMaxPyramid& series = scene.data.subsets[subset];
        if (series.IsNull(point)) {
            continue;
        }
        const double distance =
            std::abs(layout.YToPixel(layout.axisOfSubset[subset], series.Sample(point)) - y);
        if (best < 0 || distance < best) {
            best = distance;
            hit = {GraphHitKind::DataPoint, static_cast<int>(subset), point};
        }
    }
    return hit;
}

}  // namespace platform
