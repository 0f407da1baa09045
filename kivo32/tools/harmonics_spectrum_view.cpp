// The spectrum of the harmonics window.
#include "kivo32/tools/harmonics_spectrum_view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/ui/qt_text.h"

namespace {

const QColor kSubsetColors[] = {QColor(0, 80, 192), QColor(192, 0, 0)};
constexpr int kMargin = 8;
constexpr int kAxisWidth = 44;
constexpr int kAxisHeight = 36;

// The top of the value axis: 10, 20, 50, 100, 200 ... above the largest value.
float AxisTop(float largest) {
    constexpr float kSteps[] = {2.0f, 2.5f, 2.0f};
    float top = 10;
    // Float rounding may put a fundamental of 100 % a hair above 100.
    for (int step = 0; top * 1.0001f < largest; ++step) {
        top *= kSteps[step % 3];
    }
    return top;
}

}  // namespace

CHarmonicsSpectrumView::CHarmonicsSpectrumView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(400, 180);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void CHarmonicsSpectrumView::SetSpectrum(const std::array<float, kSpectrumPoints>& volts,
                                         const std::array<float, kSpectrumPoints>& amps,
                                         std::string voltsLabel, std::string ampsLabel) {
    subsets_ = {volts, amps};
    labels_ = {std::move(voltsLabel), std::move(ampsLabel)};
    update();
}

void CHarmonicsSpectrumView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, rect());
}

void CHarmonicsSpectrumView::Paint(QPainter& painter, const QRect& area) const {
    const QRect plot = area.adjusted(kMargin + kAxisWidth, kMargin + kAxisHeight / 2, -kMargin, -kAxisHeight);
    if (plot.width() < kSpectrumPoints * 2 || plot.height() < 20) {
        return;
    }
    float largest = 0;
    for (const auto& subset : subsets_) {
        for (float value : subset) {
            largest = std::isfinite(value) ? std::max(largest, value) : largest;
        }
    }
    const float top = AxisTop(largest);
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    // Five value marks.
    for (int mark = 0; mark <= 5; ++mark) {
        const int y = plot.bottom() - plot.height() * mark / 5;
        painter.setPen(mark == 0 ? Qt::black : Qt::lightGray);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.left(), y - 8, kAxisWidth, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(top * mark / 5, 'g', 4));
    }
    const double slot = static_cast<double>(plot.width()) / kSpectrumPoints;
    for (int k = 0; k < kSpectrumPoints; ++k) {
        const int left = plot.left() + static_cast<int>(k * slot);
        for (int s = 0; s < 2; ++s) {
            const float value = std::isfinite(subsets_[s][k]) ? std::clamp(subsets_[s][k], 0.0f, top) : 0.0f;
            const int height = static_cast<int>(plot.height() * value / top);
            const int width = std::max(1, static_cast<int>(slot / 2.5));
            painter.fillRect(left + 1 + s * width, plot.bottom() - height, width, height, kSubsetColors[s]);
        }
        if (k % 2 == 1 || slot > 20) {
            painter.drawText(QRect(left, plot.bottom() + 2, static_cast<int>(slot * 2), 14), Qt::AlignLeft,
                             QString::number(k));
        }
    }
    // The legend above the plot.
    int x = plot.left();
    for (int s = 0; s < 2; ++s) {
        painter.fillRect(x, area.top() + kMargin, 10, 10, kSubsetColors[s]);
        const QString label = platform::ToQString(labels_[s]);
        painter.drawText(x + 14, area.top() + kMargin + 10, label);
        x += 30 + painter.fontMetrics().horizontalAdvance(label);
    }
}
