// CTHDCalculator: the THD of a load estimated from a meter's volts, amps, kW, kVAR and power factor. Each
// reading that takes part is ticked; leaving a reading (or Enter) checks what is missing and calculates.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "kivo32/harmonics/thd_calculator_rules.h"
#include "platform/ui/dialog.h"

class CTHDCalculator : public platform::Dialog {
    Q_OBJECT

public:
    // A modeless calculator hides its window on OK and Cancel (its owner keeps it); a modal one ends as
    // Cancel.
    CTHDCalculator(bool modeless, QWidget* parent = nullptr);

    // Reads the readings, calculates and shows the result, its indicators and the status.
    void Calculate();
    // The status of the first missing reading, else Calculate.
    void Validate();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    THDReadingTexts ReadingTexts() const;
    void End();

    bool modeless_;
    std::array<QLineEdit*, kTHDReadings> edits_{};
    std::array<QCheckBox*, kTHDReadings> used_{};
    QLabel* result_;
    QCheckBox* result_valid_;
    QLabel* status_;
};
