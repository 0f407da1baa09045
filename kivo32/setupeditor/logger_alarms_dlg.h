// CLoggerAlarmsDlg: one alarm of a setup channel: a high and a low alarm, each on or off with its limit,
// or for a counting channel a high alarm with a whole-number count.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <string>

#include "kivo32/setuprules/alarm_rules.h"
#include "platform/ui/dialog.h"

class CLoggerAlarmsDlg : public platform::Dialog {
    Q_OBJECT

public:
    CLoggerAlarmsDlg(const AlarmDialogValues& values, const std::string& title, bool countMode,
                     QWidget* parent = nullptr);

    // The values as accepted (after OK).
    const AlarmDialogValues& Values() const { return values_; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    void EnableHigh(bool on);
    void EnableLow(bool on);

    AlarmDialogValues values_;
    bool count_mode_;
    QCheckBox* high_on_;
    QCheckBox* low_on_;
    QLabel* low_label_;
    QLabel* high_label_;
    QLabel* count_label_;
    QLineEdit* low_edit_;
    QLineEdit* high_edit_;
};
