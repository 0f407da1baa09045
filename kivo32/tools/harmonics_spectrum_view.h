// The spectrum of the harmonics window: for harmonics 0 to 31 a bar of the voltage's and one of the
// current's percentage, side by side, over a numbered harmonic axis. Drawn on the screen or a printer.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "kivo32/analysis/harmonics_loop.h"

class QPainter;

class CHarmonicsSpectrumView : public QWidget {
    Q_OBJECT

public:
    explicit CHarmonicsSpectrumView(QWidget* parent = nullptr);

    // The two subsets (0 voltage, 1 current) and their legend texts ("Volts %").
    void SetSpectrum(const std::array<float, kSpectrumPoints>& volts,
                     const std::array<float, kSpectrumPoints>& amps, std::string voltsLabel,
                     std::string ampsLabel);
    const std::array<float, kSpectrumPoints>& Subset(int index) const { return subsets_[index]; }

    // Draws the spectrum into `area` of any paint device.
    void Paint(QPainter& painter, const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<std::array<float, kSpectrumPoints>, 2> subsets_{};
    std::array<std::string, 2> labels_;
};
