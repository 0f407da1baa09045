// CLoggerListTeldrinTab: the scheduled-calling page of the entry configuration dialog: when teldrin
// calls the entry and what the call does. It shows the entry's schedule block and computes it back.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <ctime>
#include <optional>

#include "shared/loggerlist/schedule_block.h"

class NumberPairEdit;

class CLoggerListTeldrinTab : public QWidget {
    Q_OBJECT
public:
    explicit CLoggerListTeldrinTab(const CLogger& entry, QWidget* parent = nullptr);

    bool IsScheduleOn() const;
    SchedulePage Page() const;
    // Computes the block from the page (schedule_block.h); on a fault nothing changes and the field at
    // fault has the focus.
    std::optional<ScheduleFault> UpdateSchedule(std::time_t now);
    const CLogger::ScheduleBlock& GetScheduleBlock() const { return block_; }

signals:
    void ScheduleSwitched(bool on);

private:
    void EnableGroups();
    void FocusFault(const ScheduleFault& fault);

    CLogger::ScheduleBlock block_;
    SchedulePage opened_;
    QCheckBox* on_;
    std::array<QRadioButton*, 5> kinds_{};
    NumberPairEdit* single_date_;
    NumberPairEdit* single_time_;
    NumberPairEdit* daily_;
    std::array<QCheckBox*, 7> days_{};
    std::array<NumberPairEdit*, 7> day_times_{};
    NumberPairEdit* multi_first_;
    NumberPairEdit* multi_interval_;
    QCheckBox* set_clock_;
    QCheckBox* transfer_;
    QRadioButton* all_data_;
    QRadioButton* new_data_;
    QCheckBox* csv_;
};
