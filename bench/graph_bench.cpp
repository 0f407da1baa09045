// The graph control's cost: building the min/max pyramids of 10 million points, then redrawing 1, 4 and
// 17 subsets of 1 and 10 million one-second points at 1920 pixels into an image, the whole range and an
// hour of it. Prints the time per redraw, the vertices drawn and the memory per million points.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/ui/graph/graph_renderer.h"
#include "platform/ui/graph/qpainter_graph_canvas.h"
#include "platform/ui/graph/serial_date.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRedraws = 15;
constexpr float kNull = -9999.0f;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

std::vector<float> Values(std::size_t points, std::size_t subset) {
    std::vector<float> values(points);
    for (std::size_t p = 0; p < points; ++p) {
        values[p] = 230.0f + static_cast<float>(subset) + 5.0f * static_cast<float>(std::sin(static_cast<double>(p) / (20000.0 + 1000.0 * subset)));
    }
    values[points / 3] = 400.0f;  // one short peak
    return values;
}

platform::GraphData MakeData(std::size_t points, std::size_t subsets, double& buildMs) {
    platform::GraphData data;
    const double start = platform::CreateSerialDate({3, 1, 126, 0, 0, 0});
    data.x.resize(points);
    for (std::size_t p = 0; p < points; ++p) {
        data.x[p] = start + static_cast<double>(p) / 86400.0;
    }
    buildMs = 0.0;
    for (std::size_t s = 0; s < subsets; ++s) {
        const std::vector<float> values = Values(points, s);
        const auto begin = Clock::now();
        data.subsets.emplace_back(values, kNull);
        buildMs += Milliseconds(Clock::now() - begin);
    }
    return data;
}

// The median time of a redraw of [from, to], and the vertices of the last.
void Redraw(const platform::GraphSettings& settings, const platform::GraphData& data, double from, double to,
            const char* what) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::vector<double> times;
    platform::GraphLayout layout;
    for (int i = 0; i < kRedraws; ++i) {
        QPainter painter(&image);
        platform::QPainterGraphCanvas canvas(painter);
        const auto begin = Clock::now();
        layout = platform::DrawGraph({settings, data, from, to}, canvas, {0, 0, kWidth, kHeight});
        painter.end();
        times.push_back(Milliseconds(Clock::now() - begin));
    }
    std::sort(times.begin(), times.end());
    std::printf("  %-13s %2zu subsets: %7.2f ms per redraw, %6zu vertices\n", what, data.SubsetCount(),
                times[times.size() / 2], layout.vertices);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);

    double buildMs = 0.0;
    {
        const platform::GraphData data = MakeData(10'000'000, 1, buildMs);
        const double bytes = static_cast<double>(data.subsets[0].MemoryBytes()) + data.x.capacity() * sizeof(double);
        std::printf("pyramid of 10 million points: %.0f ms; %.1f MB per million points (values, blocks and times)\n",
                    buildMs, bytes / 10.0 / 1e6);
    }
    for (const std::size_t points : {std::size_t{1'000'000}, std::size_t{10'000'000}}) {
        for (const std::size_t subsets : {std::size_t{1}, std::size_t{4}, std::size_t{17}}) {
            const platform::GraphData data = MakeData(points, subsets, buildMs);
            platform::GraphSettings settings;
            for (std::size_t s = 0; s < subsets; ++s) {
                settings.subsets.push_back({"Channel " + std::to_string(s + 1), 0xFF000000u + static_cast<unsigned>(s) * 0x0F0F0F, 0, 3});
            }
            std::printf("%zu million points:\n", points / 1'000'000);
            Redraw(settings, data, data.x.front(), data.x.back(), "whole range");
            const double hour = data.x.front() + static_cast<double>(points / 2) / 86400.0;
            Redraw(settings, data, hour, hour + 1.0 / 24.0, "one hour");
        }
    }
    return 0;
}
