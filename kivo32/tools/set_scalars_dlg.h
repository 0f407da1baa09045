// The connected logger's current and voltage scalars, to look at and change; the third is carried
// unchanged.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

class QLineEdit;

class CSetScalarsDlg : public platform::Dialog {
    Q_OBJECT

public:
    CSetScalarsDlg(float ampScalar, float voltScalar, float thirdScalar, const std::string& firstText,
                   const std::string& secondText, QWidget* parent = nullptr);

    // After OK: the scalars. An edit left as shown keeps its scalar's full precision.
    float a;
    float v;
    float r;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    struct ScalarEdit {
        QLineEdit* edit;
        float* value;
        int decimals;
        QString shown;
    };
    ScalarEdit edits_[2];
};
