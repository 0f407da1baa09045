// CExtractedRangeSaveDlg: asks, when an extracted range closes, whether to save its data or close
// without saving.
#pragma once

#include <QRadioButton>
#include <string>

#include "platform/ui/dialog.h"

class CExtractedRangeSaveDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The choices after OK.
    static constexpr int kChoiceSave = 1;
    static constexpr int kChoiceClose = 2;

    // `name` names the extracted data in the question.
    explicit CExtractedRangeSaveDlg(const std::string& name, QWidget* parent = nullptr);

    int GetChoice() const { return choice_; }

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    QRadioButton* save_;
    QRadioButton* close_;
    // The index of the checked radio button: the choice less one.
    int choice_index_ = 0;
    int choice_ = kChoiceSave;
};
