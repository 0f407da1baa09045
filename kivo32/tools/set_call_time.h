// CSetCallTime: one call time of the schedule window, with the choice to call at it or not.
#pragma once

#include <QRadioButton>

#include "platform/ui/dialog.h"

class CCallTimeFields;

class CSetCallTime : public platform::Dialog {
    Q_OBJECT

public:
    static constexpr int kCallAtTime = 0;
    static constexpr int kNoCall = 1;

    CSetCallTime(int hour, int minute, int choice, QWidget* parent = nullptr);

    // In and out: an hour above 23 or a minute above 59 comes back as 0.
    int hour;
    int minute;
    int choice;

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    CCallTimeFields* time_;
    QRadioButton* call_;
    QRadioButton* no_call_;
};
