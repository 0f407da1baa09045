// CDorvaneCallScheduleDlg: editing the logger's host-call schedule and placing its calls on OK.
#include "kivo32/tools/dorvane_call_schedule_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/tools/call_schedule_rules.h"
#include "kivo32/tools/call_time_fields.h"
#include "kivo32/tools/schedule_ids.h"
#include "kivo32/tools/set_call_time.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/controls_ids.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/controls/grid_control.h"

namespace {

constexpr int kKindIds[] = {IDC_SCHEDULE_NONE, IDC_SCHEDULE_ONCE, IDC_SCHEDULE_DAILY, IDC_SCHEDULE_WEEKLY,
                            IDC_SCHEDULE_MONTHLY};
constexpr unsigned kKindTexts[] = {IDS_SCHEDULE_KIND_NONE, IDS_SCHEDULE_KIND_ONCE, IDS_SCHEDULE_KIND_DAILY,
                                   IDS_SCHEDULE_KIND_WEEKLY, IDS_SCHEDULE_KIND_MONTHLY};

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

QHBoxLayout* TimeRow(QRadioButton* kind, CCallTimeFields* fields) {
    auto* row = new QHBoxLayout;
    row->addWidget(kind);
    row->addWidget(fields->Hour());
    row->addWidget(fields->Minute());
    row->addWidget(fields->Spin());
    row->addStretch();
    return row;
}

}  // namespace

CDorvaneCallScheduleDlg::CDorvaneCallScheduleDlg(const CallScheduleRecord& read, const std::tm& loggerTime,
                                                 QWidget* parent)
    : platform::Dialog(parent),
      schedule(read),
      editing_(ScheduleForEditing(read)),
      logger_time_(loggerTime),
      opened_(std::chrono::steady_clock::now()),
      once_(new CCallTimeFields(this, IDC_ONCE_HOUR, IDC_ONCE_MINUTE, IDC_ONCE_SPIN)),
      daily_(new CCallTimeFields(this, IDC_DAILY_HOUR, IDC_DAILY_MINUTE, IDC_DAILY_SPIN)),
      month_(new CGridControl(Target(), this)),
      host_(new QLineEdit(this)),
      option_a_(new QCheckBox(Text(IDS_SCHEDULE_OPTION_A), this)),
      option_b_(new QCheckBox(Text(IDS_SCHEDULE_OPTION_B), this)),
      option_b_first_(new QRadioButton(Text(IDS_SCHEDULE_OPTION_B_FIRST), this)),
      option_b_second_(new QRadioButton(Text(IDS_SCHEDULE_OPTION_B_SECOND), this)),
      status_(new QLabel(this)),
      restart_only_(new QCheckBox(Text(IDS_SCHEDULE_RESTART_ONLY), this)) {
    setWindowTitle(Text(IDS_SCHEDULE_TITLE));
    // The kinds and option B's choices are two groups of their own among the window's radios.
    auto* kindGroup = new QButtonGroup(this);
    auto* choiceGroup = new QButtonGroup(this);
    choiceGroup->addButton(option_b_first_);
    choiceGroup->addButton(option_b_second_);
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        kinds_[i] = new QRadioButton(Text(kKindTexts[i]), this);
        kindGroup->addButton(kinds_[i]);
        platform::SetControlId(kinds_[i], kKindIds[i]);
        connect(kinds_[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                ShowKind();
            }
        });
    }
    const QStringList names = Text(IDS_WEEKDAY_NAMES).split(',');
    auto* week = new QGridLayout;
    for (int weekday = 0; weekday < 7; ++weekday) {
        auto* button = new QPushButton(this);
        button->setAutoDefault(false);
        platform::SetControlId(button, IDC_WEEKDAY_FIRST + weekday);
        connect(button, &QPushButton::clicked, this, [this, weekday] { EditWeekday(weekday); });
        weekdays_[static_cast<std::size_t>(weekday)] = button;
        week->addWidget(new QLabel(names.value(weekday), this), 0, weekday);
        week->addWidget(button, 1, weekday);
    }
    platform::SetControlId(month_, IDC_MONTH_GRID);
    month_->SetRowCount(kMonthGridRows);
    month_->SetColCount(kMonthGridColumns);
    // Only the days: no header row or column, seven columns that fit without scrolling.
    month_->Grid().SetHeaderHeight(0);
    month_->Grid().SetColumnWidth(0, 0);
    for (int column = 1; column <= kMonthGridColumns; ++column) {
        month_->Grid().SetColumnWidth(column, 80);
    }
    month_->setFixedSize(7 * 80 + 8, kMonthGridRows * (fontMetrics().height() + 6) + 8);
    platform::SetControlId(host_, IDC_HOST_TEXT);
    host_->setMaxLength(static_cast<int>(kHostTextMax));
    platform::SetControlId(option_a_, IDC_OPTION_A);
    platform::SetControlId(option_b_, IDC_OPTION_B);
    platform::SetControlId(option_b_first_, IDC_OPTION_B_FIRST);
    platform::SetControlId(option_b_second_, IDC_OPTION_B_SECOND);
    connect(option_b_, &QCheckBox::toggled, this, [this](bool on) {
        const bool enabled = on && option_b_->isEnabled();
        option_b_first_->setEnabled(enabled);
        option_b_second_->setEnabled(enabled);
    });
    platform::SetControlId(status_, IDC_SCHEDULE_STATUS);
    platform::SetControlId(restart_only_, IDC_RESTART_ONLY);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kinds_[0]);
    layout->addLayout(TimeRow(kinds_[1], once_));
    layout->addLayout(TimeRow(kinds_[2], daily_));
    layout->addWidget(kinds_[3]);
    layout->addLayout(week);
    layout->addWidget(kinds_[4]);
    layout->addWidget(month_);
    auto* hostRow = new QHBoxLayout;
    hostRow->addWidget(new QLabel(Text(IDS_SCHEDULE_HOST), this));
    hostRow->addWidget(host_);
    layout->addLayout(hostRow);
    auto* options = new QHBoxLayout;
    options->addWidget(option_a_);
    options->addWidget(option_b_);
    options->addWidget(option_b_first_);
    options->addWidget(option_b_second_);
    options->addStretch();
    layout->addLayout(options);
    layout->addWidget(status_);
    layout->addWidget(restart_only_);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CDorvaneCallScheduleDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    for (int weekday = 0; weekday < 7; ++weekday) {
        ShowWeekday(weekday);
    }
    for (int day = 1; day <= kLastDayOfMonth; ++day) {
        ShowDay(day);
    }
    // The logger's own state of its schedule, when it gives one.
    const std::uint8_t* state = CallEntry(editing_, 0);
    if (state[0] == ' ') {
        status_->setText(platform::ToQString(platform::FormatLoadedText(
            IDS_SCHEDULE_STATUS, {std::to_string(state[1]), std::to_string(state[2])})));
    } else {
        status_->hide();
        restart_only_->hide();
    }
    ShowKind();
    return result;
}

void CDorvaneCallScheduleDlg::DoDataExchange(platform::DataExchange& exchange) {
    if (!exchange.saving()) {
        kinds_[static_cast<std::size_t>(std::clamp(editing_.kind, 0, 4))]->setChecked(true);
        once_->SetTime(editing_.firstHour, editing_.firstMinute);
        daily_->SetTime(editing_.secondHour, editing_.secondMinute);
    }
    platform::ExchangeText(exchange, host_, editing_.text);
    int optionA = editing_.flagA ? 1 : 0;
    int optionB = editing_.flagB ? 1 : 0;
    int choice = editing_.flagC ? 1 : 0;
    platform::ExchangeCheck(exchange, option_a_, optionA);
    platform::ExchangeCheck(exchange, option_b_, optionB);
    platform::ExchangeRadio(exchange, {option_b_first_, option_b_second_}, choice);
    if (!exchange.saving()) {
        return;
    }
    editing_.kind = Kind();
    editing_.flagA = optionA != 0;
    editing_.flagB = optionB != 0;
    editing_.flagC = choice == 1;
    editing_.firstHour = once_->HourValue();
    editing_.firstMinute = once_->MinuteValue();
    editing_.secondHour = daily_->HourValue();
    editing_.secondMinute = daily_->MinuteValue();
    if (editing_.kind == kCallsNone) {
        return;
    }
    exchange.PrepareControl(host_);
    if (editing_.text.empty()) {
        exchange.Fail(IDS_NO_HOST_TEXT);
        return;
    }
    exchange.PrepareControl(option_a_);
    if (!editing_.flagA && !editing_.flagB) {
        exchange.Fail(IDS_NO_CALL_OPTION);
    }
}

void CDorvaneCallScheduleDlg::OnOK() {
    restartOnly = restart_only_->isVisible() && restart_only_->isChecked();
    if (!UpdateData(true)) {
        return;
    }
    const CallPlacement placed = PlaceCalls(editing_, LoggerNow());
    if (placed.askSoon && ShowMessageBoxId(IDS_CALL_TOO_SOON, MB_YESNO | MB_ICONQUESTION, true) != IDYES) {
        return;
    }
    if (placed.movedOn) {
        ShowMessageBoxId(IDS_CALL_MOVED_ON, MB_OK | MB_ICONINFORMATION, true);
    }
    schedule = placed.schedule;
    EndDialog(IDOK);
}

void CDorvaneCallScheduleDlg::OnMessage(platform::Message& message) {
    if (message.id == WM_GRID_BUTTON_CLICKED) {
        const int day = MonthGridDay(static_cast<int>(message.wParam), static_cast<int>(message.lParam));
        if (day != 0 && Kind() == kCallsMonthly) {
            EditDay(day);
        }
        return;
    }
    platform::Dialog::OnMessage(message);
}

int CDorvaneCallScheduleDlg::Kind() const {
    const auto checked =
        std::find_if(kinds_.begin(), kinds_.end(), [](QRadioButton* b) { return b->isChecked(); });
    return checked == kinds_.end() ? kCallsNone : static_cast<int>(checked - kinds_.begin());
}

// The kind's own controls are enabled, the others' not; the options go with every kind but none.
void CDorvaneCallScheduleDlg::ShowKind() {
    const int kind = Kind();
    once_->SetEnabled(kind == kCallsOnce);
    daily_->SetEnabled(kind == kCallsDaily);
    for (QPushButton* button : weekdays_) {
        button->setEnabled(kind == kCallsWeekly);
    }
    month_->setEnabled(kind == kCallsMonthly);
    // The grid's texts show the times only for the monthly kind.
    editing_.kind = kind;
    for (int day = 1; day <= kLastDayOfMonth; ++day) {
        ShowDay(day);
    }
    const bool options = kind != kCallsNone;
    option_a_->setEnabled(options);
    option_b_->setEnabled(options);
    option_b_first_->setEnabled(options && option_b_->isChecked());
    option_b_second_->setEnabled(options && option_b_->isChecked());
}

void CDorvaneCallScheduleDlg::ShowWeekday(int weekday) {
    const auto& entry = editing_.days[static_cast<std::size_t>(weekday)];
    weekdays_[static_cast<std::size_t>(weekday)]->setText(
        entry[0] != 0 ? QString::fromStdString(CallTimeText(entry[1], entry[2])) : Text(IDS_NO_WEEKDAY_CALL));
}

void CDorvaneCallScheduleDlg::ShowDay(int day) {
    const int row = (day - 1) / kMonthGridColumns + 1;
    const int column = (day - 1) % kMonthGridColumns + 1;
    month_->SetCell(row, column, {.text = MonthGridText(editing_, day), .button = true});
}

void CDorvaneCallScheduleDlg::EditWeekday(int weekday) {
    auto& entry = editing_.days[static_cast<std::size_t>(weekday)];
    CSetCallTime dialog(entry[1], entry[2], entry[0] != 0 ? CSetCallTime::kCallAtTime : CSetCallTime::kNoCall,
                        this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    if (dialog.choice == CSetCallTime::kCallAtTime) {
        entry = {kWeekdayMark, static_cast<std::uint8_t>(dialog.hour),
                 static_cast<std::uint8_t>(dialog.minute)};
    } else {
        entry = {};
    }
    ShowWeekday(weekday);
}

void CDorvaneCallScheduleDlg::EditDay(int day) {
    std::uint8_t* entry = CallEntry(editing_, day);
    CSetCallTime dialog(entry[1], entry[2], entry[0] != 0 ? CSetCallTime::kCallAtTime : CSetCallTime::kNoCall,
                        this);
    if (dialog.DoModal() != IDOK) {
        return;
    }
    const bool call = dialog.choice == CSetCallTime::kCallAtTime;
    entry[0] = call ? kDayMark : 0;
    entry[1] = call ? static_cast<std::uint8_t>(dialog.hour) : 0;
    entry[2] = call ? static_cast<std::uint8_t>(dialog.minute) : 0;
    ShowDay(day);
}

std::tm CDorvaneCallScheduleDlg::LoggerNow() const {
    std::tm now = logger_time_;
    now.tm_sec += static_cast<int>(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - opened_).count());
    return now;
}
