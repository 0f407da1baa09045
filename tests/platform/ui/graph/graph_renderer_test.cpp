// Drawing on the recording canvas: one min/max pair per pixel column, spikes, gaps, markers and labels,
// axes, tables, annotations, hit tests.
#include "platform/ui/graph/graph_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "platform/ui/graph/serial_date.h"
#include "tests/support/ui/recording_graph_canvas.h"

namespace {

using platform::GraphData;
using platform::GraphRect;
using platform::GraphSettings;
using testsupport::RecordingGraphCanvas;

constexpr double kSecond = 1.0 / 86400.0;
constexpr float kNull = -9999.0f;
const double kStart = platform::CreateSerialDate({3, 1, 126, 0, 0, 0});

// `points` one-second points per subset, the values from `value(subset, point)`.
GraphData MakeData(std::size_t points, std::size_t subsets, const std::function<float(std::size_t, std::size_t)>& value) {
    GraphData data;
    data.x.resize(points);
    for (std::size_t p = 0; p < points; ++p) {
        data.x[p] = kStart + static_cast<double>(p) * kSecond;
    }
    for (std::size_t s = 0; s < subsets; ++s) {
        std::vector<float> y(points);
        for (std::size_t p = 0; p < points; ++p) {
            y[p] = value(s, p);
        }
        data.subsets.emplace_back(y, kNull);
    }
    return data;
}

GraphSettings SettingsFor(std::size_t subsets) {
    GraphSettings settings;
    for (std::size_t s = 0; s < subsets; ++s) {
        settings.subsets.push_back({"Ch" + std::to_string(s + 1), 0xFF000010u + static_cast<unsigned>(s), 0, 3});
    }
    return settings;
}

class GraphRendererTest : public testing::Test {
protected:
    platform::GraphLayout Draw(const GraphSettings& settings, const GraphData& data, const GraphRect& area = {0, 0, 1920, 1080}) {
        const platform::GraphScene scene{settings, data, data.x.front(), data.x.back()};
        return platform::DrawGraph(scene, canvas, area);
    }

    RecordingGraphCanvas canvas;
};

TEST_F(GraphRendererTest, TenMillionPointsDrawAtMostOnePairPerColumnAndKeepASpike) {
    constexpr std::size_t kPoints = 10'000'000;
    constexpr std::size_t kSpike = 6'543'210;
    const GraphData data = MakeData(kPoints, 1, [](std::size_t, std::size_t p) {
        return p == kSpike ? 500.0f : static_cast<float>(std::sin(static_cast<double>(p) / 50000.0));
    });
    const auto layout = Draw(SettingsFor(1), data);

    EXPECT_TRUE(layout.decimated);
    std::map<long, int> perColumn;
    double highest = 1e9;
    for (const auto& line : canvas.polylines) {
        for (const auto& point : line.points) {
            ++perColumn[std::lround(point.x * 2)];
            highest = std::min(highest, point.y);
        }
    }
    ASSERT_FALSE(perColumn.empty());
    for (const auto& [column, count] : perColumn) {
        ASSERT_LE(count, 2) << "column " << column / 2;
    }
    EXPECT_LE(layout.vertices, 2u * static_cast<std::size_t>(layout.plot.Width()));
    // The spike's column reaches the value 500, the top of the scale.
    EXPECT_NEAR(highest, layout.YToPixel(0, 500.0), 0.5);
    const double spikeX = layout.XToPixel(data.x[kSpike]);
    EXPECT_TRUE(std::any_of(canvas.polylines[0].points.begin(), canvas.polylines[0].points.end(), [&](const auto& point) {
        return std::abs(point.x - spikeX) <= 1.0 && std::abs(point.y - highest) < 0.5;
    }));
}

TEST_F(GraphRendererTest, GapsBreakTheLineAndAreNoValues) {
    const GraphData data = MakeData(100, 1, [](std::size_t, std::size_t p) { return p >= 40 && p < 50 ? kNull : 2.0f; });
    const auto layout = Draw(SettingsFor(1), data);
    EXPECT_FALSE(layout.decimated);
    ASSERT_EQ(canvas.polylines.size(), 2u);
    EXPECT_EQ(canvas.polylines[0].points.size(), 40u);
    EXPECT_EQ(canvas.polylines[1].points.size(), 50u);
    // The null value never widens the scale.
    EXPECT_GT(layout.axisScales[0].minimum, -10.0);
}

TEST_F(GraphRendererTest, MarkersAndDataLabelsOnlyWhereThePointsHaveRoom) {
    GraphSettings settings = SettingsFor(1);
    settings.style.showDataPoints = true;
    settings.style.includeDataLabels = true;
    settings.style.numericPrecision = 2;
    settings.subsets[0].pointType = 5;  // circles
    const GraphData few = MakeData(100, 1, [](std::size_t, std::size_t p) { return static_cast<float>(p) / 4; });
    auto layout = Draw(settings, few);
    EXPECT_EQ(canvas.markers, 100);
    EXPECT_TRUE(layout.labelsDrawn);
    EXPECT_NE(canvas.FindText("24.75"), nullptr);

    canvas = {};
    const GraphData crowded = MakeData(1500, 1, [](std::size_t, std::size_t p) { return static_cast<float>(p); });
    layout = Draw(settings, crowded);
    EXPECT_EQ(canvas.markers, 0);
    EXPECT_FALSE(layout.labelsDrawn);
}

TEST_F(GraphRendererTest, SubsetsFollowTheirAxesAndColours) {
    GraphSettings settings = SettingsFor(3);
    settings.axes = {{"Volts", 0xFF000010, 2}, {"Amps", 0xFF000012, 1}};
    // Two subsets around 230 on axis 0, one around 5 on axis 1.
    const GraphData data = MakeData(50, 3, [](std::size_t s, std::size_t p) {
        return s < 2 ? 230.0f + static_cast<float>(p % 3) : 5.0f + static_cast<float>(p % 2);
    });
    const auto layout = Draw(settings, data);
    EXPECT_EQ(layout.axisOfSubset, (std::vector<int>{0, 0, 1}));
    ASSERT_EQ(layout.axisScales.size(), 2u);
    EXPECT_GT(layout.axisScales[0].minimum, 100.0);
    EXPECT_LT(layout.axisScales[1].maximum, 10.0);
    ASSERT_EQ(canvas.polylines.size(), 3u);
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_EQ(canvas.polylines[s].color, settings.subsets[s].color);
    }
    ASSERT_NE(canvas.FindText("Amps"), nullptr);
    EXPECT_EQ(canvas.FindText("Amps")->color, 0xFF000012u);
    EXPECT_GE(canvas.FindText("Amps")->x, layout.plot.right);

    // One axis holds every subset whatever the counts say; monochrome draws all in the foreground.
    EXPECT_EQ(platform::AxisOfEachSubset(SettingsFor(3), 3), (std::vector<int>{0, 0, 0}));
    settings.style.viewingStyle = 1;
    canvas = {};
    Draw(settings, data);
    EXPECT_EQ(canvas.polylines[2].color, settings.colors.graphForeground);
}

TEST_F(GraphRendererTest, TitlesTablesAndAnnotationsTakeTheirPlaces) {
    GraphSettings settings = SettingsFor(1);
    settings.mainTitle = "Site A";
    settings.subtitle = "03/01/26 - 03/01/26";
    settings.statistics = {true, 0xFFFFFFFF, {{"Statistics", 0xFF000000}, {"Average: 1.50", 0xFF0000FF}}};
    settings.readout = {true, 0xFFC0C0C0, {{"", 0xFF000000}}};
    settings.annotations = {"Printed||TARV Instruments KIVO 15     ", "|CURSOR|"};
    const GraphData data = MakeData(10, 1, [](std::size_t, std::size_t p) { return static_cast<float>(p); });
    const GraphRect area{0, 0, 800, 600};
    const auto layout = Draw(settings, data, area);

    ASSERT_NE(canvas.FindText("Site A"), nullptr);
    EXPECT_LT(canvas.FindText("Site A")->y, canvas.FindText("03/01/26 - 03/01/26")->y);
    const auto* average = canvas.FindText("Average: 1.50");
    ASSERT_NE(average, nullptr);
    EXPECT_EQ(average->color, 0xFF0000FFu);
    EXPECT_GT(average->x, layout.plot.right);
    // The read-out's grey background shows even while its text is empty.
    EXPECT_TRUE(std::any_of(canvas.fills.begin(), canvas.fills.end(), [](const auto& fill) { return fill.color == 0xFFC0C0C0u; }));
    const auto* left = canvas.FindText("Printed");
    const auto* right = canvas.FindText("TARV Instruments KIVO 15     ");
    const auto* centre = canvas.FindText("CURSOR");
    ASSERT_TRUE(left && right && centre);
    EXPECT_EQ(left->x, 8);
    EXPECT_EQ(right->x + static_cast<int>(right->text.size()) * RecordingGraphCanvas::kCharWidth, 800 - 8);
    EXPECT_EQ(centre->x, 8 + (784 - 6 * 6) / 2);
    EXPECT_LT(right->y, centre->y);
    EXPECT_GT(left->y, layout.plot.bottom);
}

TEST_F(GraphRendererTest, NoDataOrOnePointStillLaysOutAPlot) {
    const GraphSettings settings = SettingsFor(1);
    const GraphData empty;
    const platform::GraphScene emptyScene{settings, empty, 0.0, 0.0};
    auto layout = platform::DrawGraph(emptyScene, canvas, {0, 0, 40, 30});  // smaller than the margins
    EXPECT_GE(layout.plot.Width(), 1);
    EXPECT_GE(layout.plot.Height(), 1);
    const int x = (layout.plot.left + layout.plot.right) / 2;
    const int y = (layout.plot.top + layout.plot.bottom) / 2;
    EXPECT_EQ(platform::HitTestGraph(emptyScene, layout, x, y).kind, platform::GraphHitKind::PlotArea);

    const GraphData one = MakeData(1, 1, [](std::size_t, std::size_t) { return 7.0f; });
    layout = Draw(settings, one);
    ASSERT_EQ(canvas.polylines.size(), 1u);
    EXPECT_EQ(canvas.polylines[0].points.size(), 1u);
    EXPECT_LT(layout.axisScales[0].minimum, 7.0);
    EXPECT_GT(layout.axisScales[0].maximum, 7.0);
}

TEST_F(GraphRendererTest, HitTestFindsTheNearestPointWithinAFewPixels) {
    GraphSettings settings = SettingsFor(2);
    const GraphData data = MakeData(20, 2, [](std::size_t s, std::size_t p) { return s == 0 ? 10.0f : static_cast<float>(p); });
    const auto layout = Draw(settings, data);
    const platform::GraphScene scene{settings, data, data.x.front(), data.x.back()};
    const int x = static_cast<int>(std::lround(layout.XToPixel(data.x[7])));
    const int onSecond = static_cast<int>(std::lround(layout.YToPixel(0, 7.0)));
    const int onFirst = static_cast<int>(std::lround(layout.YToPixel(0, 10.0)));
    const int between = (onSecond + onFirst) / 2;

    const struct {
        int x, y;
        platform::GraphHitKind kind;
        int subset;
    } cases[] = {
        {x, onSecond + 2, platform::GraphHitKind::DataPoint, 1},
        {x + 1, onFirst, platform::GraphHitKind::DataPoint, 0},
        {x, between, platform::GraphHitKind::PlotArea, -1},
        {layout.plot.left - 3, onFirst, platform::GraphHitKind::Nothing, -1},
    };
    for (const auto& test : cases) {
        const auto hit = platform::HitTestGraph(scene, layout, test.x, test.y);
        EXPECT_EQ(hit.kind, test.kind) << test.x << "," << test.y;
        EXPECT_EQ(hit.subset, test.subset);
        if (hit.kind == platform::GraphHitKind::DataPoint) {
            EXPECT_EQ(hit.point, 7u);
        }
    }
}

}  // namespace
