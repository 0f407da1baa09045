#include "shared/controls/logger_list_teldrin_tab.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>

#include "platform/ui/control_id.h"
#include "shared/controls/logger_list_ids.h"
#include "shared/controls/number_pair_edit.h"
#include "shared/controls/windows1252_validator.h"

namespace {

// The parts of IDS_LIST_SCHEDULE_TEXTS.
enum ScheduleText {
    kOn,
    kImmediate,  // then the four other kinds in the page's order
    kDateFormat = 6,
    kCallTime,
    kFirstCall,
    kCallEvery,
    kSunday,  // then Monday to Saturday
    kSetClock = 17,
    kTransfer,
    kAllData,
    kNewData,
    kCsv,
};

constexpr int kKindIds[] = {IDC_SCHED_IMMEDIATE, IDC_SCHED_SINGLE, IDC_SCHED_MULTIPLE, IDC_SCHED_DAILY,
                            IDC_SCHED_WEEKLY};

template <class Control>
Control* Made(Control* control, int id) {
    platform::SetControlId(control, id);
    return control;
}

QString Part(int index) {
    return TextPart(IDS_LIST_SCHEDULE_TEXTS, index);
}

NumberPairEdit* TimeEdit(QWidget* parent, int hourId, int minuteId, HourMinute time) {
    auto* edit = new NumberPairEdit({hourId, 0, 23}, {minuteId, 0, 59}, ":", parent);
    edit->SetValues(time.hour, time.minute);
    return edit;
}

HourMinute TimeOf(const NumberPairEdit* edit) {
    return {edit->First(), edit->Second()};
}

}  // namespace

CLoggerListTeldrinTab::CLoggerListTeldrinTab(const CLogger& entry, QWidget* parent)
    : QWidget(parent), block_(entry.GetScheduleBlock()), opened_(DecodeSchedule(block_)) {
    auto* layout = new QGridLayout(this);
    on_ = Made(new QCheckBox(Part(kOn), this), IDC_SCHED_ON);
    on_->setChecked(entry.IsScheduleOn());
    layout->addWidget(on_, 0, 0, 1, 3);

    auto* kindGroup = new QButtonGroup(this);
    for (int kind = 0; kind < 5; ++kind) {
        kinds_[kind] = Made(new QRadioButton(Part(kImmediate + kind), this), kKindIds[kind]);
        kindGroup->addButton(kinds_[kind], kind);
        layout->addWidget(kinds_[kind], 1 + kind, 0);
    }
    kinds_[opened_.choice]->setChecked(true);

    single_date_ = new NumberPairEdit({IDC_SCHED_MONTH, 1, 12}, {IDC_SCHED_DAY, 1, 31}, "/", this);
    single_date_->SetValues(opened_.singleMonth, opened_.singleDay);
    single_time_ = TimeEdit(this, IDC_SCHED_SINGLE_HOUR, IDC_SCHED_SINGLE_MINUTE, opened_.singleTime);
    layout->addWidget(new QLabel(Part(kDateFormat), this), 2, 1);
    layout->addWidget(single_date_, 2, 2);
    layout->addWidget(single_time_, 2, 3);

    multi_first_ = TimeEdit(this, IDC_SCHED_MULTI_HOUR, IDC_SCHED_MULTI_MINUTE, opened_.multiFirst);
    multi_interval_ =
        TimeEdit(this, IDC_SCHED_INTERVAL_HOUR, IDC_SCHED_INTERVAL_MINUTE, opened_.multiInterval);
    layout->addWidget(new QLabel(Part(kFirstCall), this), 3, 1);
    layout->addWidget(multi_first_, 3, 2);
    layout->addWidget(new QLabel(Part(kCallEvery), this), 3, 3);
    layout->addWidget(multi_interval_, 3, 4);

    daily_ = TimeEdit(this, IDC_SCHED_DAILY_HOUR, IDC_SCHED_DAILY_MINUTE, opened_.daily);
    layout->addWidget(new QLabel(Part(kCallTime), this), 4, 1);
    layout->addWidget(daily_, 4, 2);

    for (int day = 0; day < 7; ++day) {
        days_[day] = Made(new QCheckBox(Part(kSunday + day), this), IDC_SCHED_SUNDAY + day);
        days_[day]->setChecked(opened_.weekDayOn[day]);
        day_times_[day] =
            TimeEdit(this, kWeekDayHourIds[day], kWeekDayMinuteIds[day], opened_.weekDayTime[day]);
        layout->addWidget(days_[day], 6 + day, 1);
        layout->addWidget(day_times_[day], 6 + day, 2);
    }

    set_clock_ = Made(new QCheckBox(Part(kSetClock), this), IDC_SCHED_SET_CLOCK);
    set_clock_->setChecked(opened_.setClock);
    transfer_ = Made(new QCheckBox(Part(kTransfer), this), IDC_SCHED_TRANSFER);
    transfer_->setChecked(opened_.dataTransfer);
    all_data_ = Made(new QRadioButton(Part(kAllData), this), IDC_SCHED_ALL_DATA);
    new_data_ = Made(new QRadioButton(Part(kNewData), this), IDC_SCHED_NEW_DATA);
    (opened_.transferKind == 0 ? all_data_ : new_data_)->setChecked(true);
    csv_ = Made(new QCheckBox(Part(kCsv), this), IDC_SCHED_CSV);
    csv_->setChecked(opened_.createCsv);
    int row = 13;
    for (QWidget* control :
         std::initializer_list<QWidget*>{set_clock_, transfer_, all_data_, new_data_, csv_}) {
        layout->addWidget(control, row++, 0, 1, 3);
    }
    layout->setRowStretch(row, 1);

    connect(on_, &QCheckBox::toggled, this, &CLoggerListTeldrinTab::ScheduleSwitched);
    connect(kindGroup, &QButtonGroup::idClicked, this, &CLoggerListTeldrinTab::EnableGroups);
    connect(transfer_, &QCheckBox::toggled, this, &CLoggerListTeldrinTab::EnableGroups);
    EnableGroups();
}

void CLoggerListTeldrinTab::EnableGroups() {
    const auto chosen = [this](int kind) { return kinds_[kind]->isChecked(); };
    single_date_->setEnabled(chosen(kCallSingle));
    single_time_->setEnabled(chosen(kCallSingle));
    multi_first_->setEnabled(chosen(kCallMultiple));
    multi_interval_->setEnabled(chosen(kCallMultiple));
    daily_->setEnabled(chosen(kCallDaily));
    for (int day = 0; day < 7; ++day) {
        days_[day]->setEnabled(chosen(kCallWeekly));
        day_times_[day]->setEnabled(chosen(kCallWeekly));
    }
    all_data_->setEnabled(transfer_->isChecked());
    new_data_->setEnabled(transfer_->isChecked());
}

bool CLoggerListTeldrinTab::IsScheduleOn() const {
    return on_->isChecked();
}

SchedulePage CLoggerListTeldrinTab::Page() const {
    SchedulePage page = opened_;
    for (int kind = 0; kind < 5; ++kind) {
        if (kinds_[kind]->isChecked()) {
            page.choice = kind;
        }
    }
    page.singleMonth = single_date_->First();
    page.singleDay = single_date_->Second();
    page.singleTime = TimeOf(single_time_);
    page.daily = TimeOf(daily_);
    for (std::size_t day = 0; day < 7; ++day) {
        page.weekDayOn[day] = days_[day]->isChecked();
        page.weekDayTime[day] = TimeOf(day_times_[day]);
    }
    page.multiFirst = TimeOf(multi_first_);
    page.multiInterval = TimeOf(multi_interval_);
    page.setClock = set_clock_->isChecked();
    page.dataTransfer = transfer_->isChecked();
    // A kind only a stored byte gives (2, 3) stays while its radio is not changed.
    if (all_data_->isChecked()) {
        page.transferKind = 0;
    } else if (opened_.transferKind == 0) {
        page.transferKind = 1;
    }
    page.createCsv = csv_->isChecked();
    return page;
}

std::optional<ScheduleFault> CLoggerListTeldrinTab::UpdateSchedule(std::time_t now) {
    CLogger::ScheduleBlock block = block_;
    const auto fault = ComputeSchedule(Page(), opened_, block, now);
    if (fault) {
        FocusFault(*fault);
        return fault;
    }
    block_ = block;
    return std::nullopt;
}

void CLoggerListTeldrinTab::FocusFault(const ScheduleFault& fault) {
    NumberPairEdit* edit = nullptr;
    switch (fault.slot) {
        case ScheduleSlot::kSingle:
            edit = fault.kind == ScheduleFault::kMonth || fault.kind == ScheduleFault::kDayNotInMonth
                       ? single_date_
                       : single_time_;
            break;
        case ScheduleSlot::kDaily:
            edit = daily_;
            break;
        case ScheduleSlot::kWeekDay:
            edit = day_times_[fault.weekDay];
            break;
        case ScheduleSlot::kMultiFirst:
            edit = multi_first_;
            break;
        case ScheduleSlot::kMultiInterval:
            edit = multi_interval_;
            break;
    }
    edit->FirstEdit()->setFocus();
}
