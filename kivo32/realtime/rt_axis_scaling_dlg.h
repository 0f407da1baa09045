// CRTGraphAxisScaling: the Y range (automatic or manual) and the time span of the real-time graph.
#pragma once

#include <QLineEdit>
#include <QRadioButton>

#include "platform/ui/dialog.h"

class CRTGraphAxisScaling : public platform::Dialog {
    Q_OBJECT

public:
    explicit CRTGraphAxisScaling(QWidget* parent = nullptr);

    // In and, after OK, out: automatic scaling (1) or manual (0), the manual Y range and the time span
    // in whole seconds (1-10000). OK refuses a span out of range and a minimum not below the maximum.
    int mode = 1;
    double yMinimum = 0.0;
    double yMaximum = 0.0;
    int timeSpan = 60;

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    // The Y range can be typed in manual mode only.
    void ShowMode();

    QRadioButton* automatic_;
    QRadioButton* manual_;
    QLineEdit* minimum_;
    QLineEdit* maximum_;
    QLineEdit* span_;
};
