// CPeakKWWindowDlg: switches the logger's peak-demand calculation off or gives it to channel 5 or 6, and
// chooses the length of the demand window.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <string>

#include "kivo32/setuprules/peak_window_rules.h"
#include "platform/ui/dialog.h"

class CPeakKWWindowDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `channelOffered` 5 offers channel 5, anything else channel 6.
    CPeakKWWindowDlg(int channelOffered, const std::string& caption, QWidget* parent = nullptr);

    void SetFromSettings(const PeakWindowSettings& settings);
    // 0 off, else the channel (5 or 6) chosen.
    int GetModeCode() const;
    bool IsOptionOff() const { return option_ == 0; }
    // The typed window length; false, after its message, when a chosen channel cannot take it.
    bool GetWindowMinutes(int* minutes) const;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    void EnableWindowControls(bool enable);

    int channel_offered_;
    int mode_ = 0;
    int settings_code_ = 0;
    int option_ = 1;
    int length_index_ = kDefaultPeakWindowIndex;
    std::string length_text_;
    QRadioButton* off_;
    QRadioButton* channel_;
    QComboBox* length_;
    QLabel* length_label_;
    QRadioButton* option_off_;
    QRadioButton* option_on_;
    QLabel* prompt_;
};
