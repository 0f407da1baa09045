// CSetupTableView: start and stop times and the logger clock they are proposed from.
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdio>

#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setuprules/setup_transfer_rules.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/local_time.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/string_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/qt_text.h"
#include "shared/common/app_context.h"

namespace {

std::array<int, 6> Values(const TimeFields& fields) {
    return {fields.month, fields.day, fields.year, fields.hour, fields.minute, fields.second};
}

// Month, day, year, hour, minute, second.
constexpr int kLowest[6] = {1, 1, 2, 0, 0, 0};
constexpr int kHighest[6] = {12, 31, 99, 23, 59, 59};
// The dynamic property of an up-down control that names the field it is attached to.
constexpr const char* kSpinBuddy = "buddy";

using SpinIds = int[2];
const SpinIds& SpinIdsOf(const int (&fieldIds)[6]) {
    return &fieldIds == &kStartFieldIds ? kStartSpinIds : kStopSpinIds;
}

QString TwoDigits(int value) {
    return platform::ToQString(platform::StringPrintf("%02d", value));
}

int& FieldValue(TimeFields& fields, int field) {
    int* const values[6] = {&fields.month, &fields.day,    &fields.year,
                            &fields.hour,  &fields.minute, &fields.second};
    return *values[field];
}

}  // namespace

void CSetupTableView::FillTimeFields(const int (&ids)[6], TimeFields& fields, std::uint32_t time) {
    const std::optional<std::tm> local = time != 0 ? platform::ToLocalTime(time) : std::nullopt;
    fields = local ? FieldsFromTime(*local, false) : TimeFields{};
    const std::array<int, 6> values = Values(fields);
    for (int field = 0; field < 6; ++field) {
        if (auto* edit = Find<QLineEdit>(ids[field])) {
            edit->setText(TwoDigits(values[field]));
        }
    }
}

void CSetupTableView::ReformatTimeField(int controlId) {
    if (auto* edit = Find<QLineEdit>(controlId)) {
        edit->setText(TwoDigits(edit->text().toInt()));
    }
}

void CSetupTableView::StripNonDigits(int controlId) {
    auto* edit = Find<QLineEdit>(controlId);
    if (edit == nullptr) {
        return;
    }
    QString digits = edit->text();
    digits.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
    if (digits == edit->text()) {
        return;
    }
    const int caret = edit->cursorPosition();
    edit->setText(digits);
    edit->setCursorPosition(std::max(0, caret - 1));
    QApplication::beep();
}

void CSetupTableView::ConnectTimeFields() {
    for (const auto& [ids, fields] :
         {std::pair{&kStartFieldIds, &start_fields_}, std::pair{&kStopFieldIds, &stop_fields_}}) {
        for (int field = 0; field < 6; ++field) {
            const int id = (*ids)[field];
            auto* edit = Find<QLineEdit>(id);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id, edit, highest = kHighest[field], spinId = SpinIdsOf(*ids)[field / 3]] {
                        StripNonDigits(id);
                        const std::string typed = platform::FromQString(edit->text());
                        const std::string kept = ClampTypedField(typed, highest);
                        if (kept != typed) {
                            edit->setText(platform::ToQString(kept));
                            edit->end(false);
                        }
                        // The attached spin steps on from the number typed.
                        auto* spin = Find<QScrollBar>(spinId);
                        if (spin->property(kSpinBuddy).toInt() == id) {
                            const QSignalBlocker quiet(spin);
                            spin->setValue(-edit->text().toInt());
                        }
                    });
            connect(edit, &QLineEdit::editingFinished, this, [this, ids, fields, field] {
                ReformatTimeField((*ids)[field]);
                CommitTimeField(*ids, *fields, field);
            });
        }
        for (const int spinId : SpinIdsOf(*ids)) {
            connect(Find<QScrollBar>(spinId), &QScrollBar::valueChanged, this,
                    [this, spinId](int value) { OnTimeSpun(spinId, value); });
        }
    }
}

bool CSetupTableView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (const auto* ids : {&kStartFieldIds, &kStopFieldIds}) {
            for (int field = 0; field < 6; ++field) {
                if (watched == Find<QLineEdit>((*ids)[field])) {
                    AttachFieldSpin(*ids, field);
                }
            }
        }
    }
    return platform::View::eventFilter(watched, event);
}

void CSetupTableView::AttachFieldSpin(const int (&ids)[6], int field) {
    AttachSpin(SpinIdsOf(ids)[field / 3], ids[field], kLowest[field], kHighest[field]);
}

void CSetupTableView::AttachSpin(int spinId, int fieldId, int low, int high) {
    auto* spin = Find<QScrollBar>(spinId);
    auto* edit = Find<QLineEdit>(fieldId);
    if (spin == nullptr || edit == nullptr) {
        return;
    }
    const QSignalBlocker quiet(spin);
    spin->setProperty(kSpinBuddy, fieldId);
    // A vertical scroll bar counts down at its upper arrow: it holds the field's number negated, so that
    // the upper arrow counts up.
    spin->setRange(-high, -low);
    spin->setValue(-edit->text().toInt());
    edit->selectAll();
}

void CSetupTableView::OnTimeSpun(int spinId, int value) {
    const int buddy = Find<QScrollBar>(spinId)->property(kSpinBuddy).toInt();
    for (const auto& [ids, fields] :
         {std::pair{&kStartFieldIds, &start_fields_}, std::pair{&kStopFieldIds, &stop_fields_}}) {
        for (int field = 0; field < 6; ++field) {
            if ((*ids)[field] == buddy) {
                Find<QLineEdit>(buddy)->setText(TwoDigits(-value));
                CommitTimeField(*ids, *fields, field);
            }
        }
    }
}

void CSetupTableView::CommitTimeField(const int (&ids)[6], TimeFields& fields, int field) {
    const auto* edit = Find<QLineEdit>(ids[field]);
    if (edit == nullptr || !edit->isEnabled()) {
        return;  // a disabled field shows "00" for a time that is not set
    }
    int& stored = FieldValue(fields, field);
    if (edit->text().toInt() != stored) {
        stored = edit->text().toInt();
        SetDocumentModified();
    }
}

void CSetupTableView::CommitTimeFields() {
    for (int field = 0; field < 6; ++field) {
        CommitTimeField(kStartFieldIds, start_fields_, field);
        CommitTimeField(kStopFieldIds, stop_fields_, field);
    }
}

std::tm CSetupTableView::ProposedTime() const {
    if (logger_clock_) {
        return *logger_clock_;
    }
    return platform::ToLocalTime(std::time(nullptr)).value_or(std::tm{});
}

void CSetupTableView::OnLoggerFacts(const SetupLoggerFacts& facts) {
    connected_firmware_ = facts.firmwareVersion;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int month = 0;
    int day = 0;
    int year = 0;
    if (std::sscanf(facts.clockText.c_str(), "%d:%d:%d %d/%d/%d", &hour, &minute, &second, &month, &day,
                    &year) != 6 ||
        day < 1 || day > 31 || month < 1 || month > 12) {
        return;  // the PC clock serves
    }
    std::tm clock{};
    clock.tm_year = year % 100 + 100;
    clock.tm_mon = month - 1;
    clock.tm_mday = day;
    clock.tm_hour = hour;
    clock.tm_min = minute;
    clock.tm_sec = second;
    logger_clock_ = clock;
}

void CSetupTableView::EnableTimeGroup(const int (&ids)[6], TimeFields& fields, std::uint32_t time,
                                      bool enable) {
    const bool noTime = time == 0;
    if (enable && noTime) {
        fields = FieldsFromTime(ProposedTime(), true);
    } else if (!enable && noTime) {
        fields = {1, 1, 1, 1, 1, 1};
    }
    const std::array<int, 6> values = Values(fields);
    for (int field = 0; field < 6; ++field) {
        if (auto* edit = Find<QLineEdit>(ids[field])) {
            const bool shown = enable || !noTime;
            edit->setText(shown ? TwoDigits(values[field]) : "00");
            edit->setEnabled(enable);
        }
    }
    for (const int spinId : SpinIdsOf(ids)) {
        if (auto* spin = Find<QScrollBar>(spinId)) {
            spin->setEnabled(enable);
        }
    }
    if (enable) {
        AttachFieldSpin(ids, 0);  // month
        AttachFieldSpin(ids, 3);  // hour
    }
}

void CSetupTableView::EnableStartTime(bool enable) {
    EnableTimeGroup(kStartFieldIds, start_fields_, start_time_, enable);
}

void CSetupTableView::EnableStopTime(bool enable) {
    EnableTimeGroup(kStopFieldIds, stop_fields_, stop_time_, enable);
}

std::optional<std::uint32_t> CSetupTableView::TimeFromFieldGroup(const int (&ids)[6], unsigned titleId) {
    std::array<int, 6> values{};
    for (int field = 0; field < 6; ++field) {
        const auto* edit = Find<QLineEdit>(ids[field]);
        values[field] = edit != nullptr ? edit->text().toInt() : 0;
    }
    const TimeFields fields{values[0], values[1], values[2], values[3], values[4], values[5]};
    if (const std::optional<DateTimeFault> fault = CheckDateTime(fields)) {
        platform::CurrentUiBroker().MessageBox(DateTimeFaultText(*fault, titleId), {},
                                               MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    const std::optional<std::time_t> time = TimeFromFields(fields);
    if (!time) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*time);
}

std::optional<std::uint32_t> CSetupTableView::GetStartTimeFromFields() {
    return start_mode_ == 2 ? TimeFromFieldGroup(kStartFieldIds, IDS_START_TIME_TITLE) : 0;
}

std::optional<std::uint32_t> CSetupTableView::GetStopTimeFromFields() {
    return stop_mode_ == 5 ? TimeFromFieldGroup(kStopFieldIds, IDS_STOP_TIME_TITLE) : 0;
}

void CSetupTableView::ArrangeDateFields() {
    const std::string format = GetAppContext().GetShortDateFormat();
    const DateOrder order = DateOrderFromFormat(format.empty() ? 'M' : format.front());
    for (const auto& [ids, labelId] : {std::pair{&kStartFieldIds, IDC_FORM_START_DATE_LABEL},
                                       std::pair{&kStopFieldIds, IDC_FORM_STOP_DATE_LABEL}}) {
        auto* label = Find<QLabel>(labelId);
        if (label == nullptr) {
            continue;
        }
        label->setText(platform::ToQString(DateOrderLabel(order)));
        auto* row = qobject_cast<QBoxLayout*>(label->parentWidget()->layout());
        QWidget* month = Find<QWidget>((*ids)[0]);
        QWidget* day = Find<QWidget>((*ids)[1]);
        QWidget* year = Find<QWidget>((*ids)[2]);
        const std::array<QWidget*, 3> placed = order == DateOrder::DayMonthYear ? std::array{day, month, year}
                                               : order == DateOrder::YearMonthDay
                                                   ? std::array{year, month, day}
                                                   : std::array{month, day, year};
        for (int place = 0; place < 3; ++place) {
            row->removeWidget(placed[place]);
            row->insertWidget(1 + place, placed[place]);
        }
    }
}
