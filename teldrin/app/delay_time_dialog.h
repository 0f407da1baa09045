// CDelayTimeDialog: how long today's calls wait, as hours and minutes (one spin serves both edits; a digit
// typed past 23 hours or 59 minutes is dropped).
#pragma once

#include <QDialog>
#include <ctime>

class NumberPairEdit;

namespace teldrin {

class CDelayTimeDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the hours within a day and the minutes within an hour of `delay` (seconds).
    explicit CDelayTimeDialog(std::time_t delay, QWidget* parent = nullptr);
    // The delay entered, in seconds.
    std::time_t Delay() const;

private:
    NumberPairEdit* time_;
};

}  // namespace teldrin
