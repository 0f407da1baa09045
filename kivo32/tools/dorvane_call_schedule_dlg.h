// CDorvaneCallScheduleDlg: the logger's host-call schedule: no calls, once, daily, per weekday or per day
// of the month, with the host to call and the two call options.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <chrono>
#include <ctime>

#include "platform/ui/dialog.h"
#include "shared/logger/call_schedule.h"

class CCallTimeFields;
class CGridControl;

class CDorvaneCallScheduleDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `read`: the schedule as the logger holds it; `loggerTime`: the logger's clock at the opening, from
    // which the calls are placed when OK is pressed.
    CDorvaneCallScheduleDlg(const CallScheduleRecord& read, const std::tm& loggerTime,
                            QWidget* parent = nullptr);

    // After OK: the schedule to write, its block holding the calls, and whether only the logger's
    // schedule is to be restarted.
    CallScheduleRecord schedule;
    bool restartOnly = false;

    void OnMessage(platform::Message& message) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    int Kind() const;
    void ShowKind();
    void ShowWeekday(int weekday);
    void ShowDay(int day);
    void EditWeekday(int weekday);
    void EditDay(int day);
    std::tm LoggerNow() const;

    CallScheduleRecord editing_;
    std::tm logger_time_;
    std::chrono::steady_clock::time_point opened_;

    std::array<QRadioButton*, 5> kinds_{};  // none, once, daily, weekly, monthly
    CCallTimeFields* once_;
    CCallTimeFields* daily_;
    std::array<QPushButton*, 7> weekdays_{};
    CGridControl* month_;
    QLineEdit* host_;
    QCheckBox* option_a_;
    QCheckBox* option_b_;
    QRadioButton* option_b_first_;
    QRadioButton* option_b_second_;
    QLabel* status_;
    QCheckBox* restart_only_;
};
