// CSetTimeDlg: the logger's clock, running while the dialog is open.
#include "kivo32/tools/set_time_dlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include "kivo32/tools/logger_naming_lines.h"
#include "kivo32/tools/setting_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_clock.h"
#include "shared/common/program_date_formats.h"
#include "shared/controls/dialog_buttons.h"

namespace {

constexpr int kClockTickMs = 1000;
constexpr int kFieldChars = 2;

constexpr std::array kAllFields = {ClockField::Month, ClockField::Day,    ClockField::Year,
                                   ClockField::Hour,  ClockField::Minute, ClockField::Second};
constexpr std::array kFieldIds = {IDC_TIME_MONTH, IDC_TIME_DAY,    IDC_TIME_YEAR,
                                  IDC_TIME_HOUR,  IDC_TIME_MINUTE, IDC_TIME_SECOND};

bool IsTimeOfDay(ClockField field) {
    return field == ClockField::Hour || field == ClockField::Minute || field == ClockField::Second;
}

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, kFieldChars, 10, QLatin1Char('0'));
}

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

QLabel* Separator(QWidget* parent, const char* text, int id) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    platform::SetControlId(label, id);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    return label;
}

}  // namespace

CSetTimeDlg::CSetTimeDlg(int yearShown, int monthShown, int dayShown, int hourShown, int minuteShown,
                         int secondShown, std::string firstText, std::string secondText, QWidget* parent)
    : platform::Dialog(parent),
      year(yearShown),
      month(monthShown),
      day(dayShown),
      hour(hourShown),
      minute(minuteShown),
      second(secondShown) {
    setWindowTitle(Text(IDS_SET_TIME_TITLE));
    BuildControls(firstText, secondText);
    connect(&clock_timer_, &QTimer::timeout, this, [this] { OnClockTick(); });
}

void CSetTimeDlg::BuildControls(const std::string& firstText, const std::string& secondText) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addLayout(LoggerNamingLines(this, firstText, secondText), row++, 0, 1, 2);

    const auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this);
    for (std::size_t i = 0; i < kAllFields.size(); ++i) {
        const ClockField field = kAllFields[i];
        auto* edit = new QLineEdit(this);
        platform::SetControlId(edit, kFieldIds[i]);
        edit->setMaxLength(kFieldChars);
        edit->setValidator(digits);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 8);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, field] { OnTyped(field); });
        fields_[i] = edit;
    }
    const auto makeSpin = [this](int id) {
        auto* spin = new QScrollBar(Qt::Vertical, this);
        platform::SetControlId(spin, id);
        spin->setFixedHeight(Field(ClockField::Hour)->sizeHint().height());
        connect(spin, &QScrollBar::valueChanged, this, [this, spin] { OnSpun(spin); });
        return spin;
    };
    date_spin_ = makeSpin(IDC_TIME_DATE_SPIN);
    time_spin_ = makeSpin(IDC_TIME_TIME_SPIN);

    date_label_ = new QLabel(this);
    platform::SetControlId(date_label_, IDC_TIME_DATE_LABEL);
    grid->addWidget(date_label_, row, 0);
    date_row_ = new QHBoxLayout;
    grid->addLayout(date_row_, row++, 1);

    grid->addWidget(new QLabel(Text(IDS_TIME_LABEL), this), row, 0);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(Field(ClockField::Hour));
    timeRow->addWidget(Separator(this, ":", IDC_TIME_TIME_SEPARATOR1));
    timeRow->addWidget(Field(ClockField::Minute));
    timeRow->addWidget(Separator(this, ":", IDC_TIME_TIME_SEPARATOR2));
    timeRow->addWidget(Field(ClockField::Second));
    timeRow->addWidget(time_spin_);
    timeRow->addStretch(1);
    grid->addLayout(timeRow, row++, 1);
    grid->addWidget(MakeOkCancelButtons(this), row, 0, 1, 2);
}

bool CSetTimeDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    const DateArrangement arrangement = ArrangeDateFields(GetProgramShortDateFormat());
    date_label_->setText(Text(arrangement.labelId));
    date_row_->addWidget(Field(arrangement.fields[0]));
    date_row_->addWidget(Separator(this, "/", IDC_TIME_DATE_SEPARATOR1));
    date_row_->addWidget(Field(arrangement.fields[1]));
    date_row_->addWidget(Separator(this, "/", IDC_TIME_DATE_SEPARATOR2));
    date_row_->addWidget(Field(arrangement.fields[2]));
    date_row_->addWidget(date_spin_);
    date_row_->addStretch(1);
    QWidget* previous = nullptr;
    for (const ClockField field : {arrangement.fields[0], arrangement.fields[1], arrangement.fields[2],
                                   ClockField::Hour, ClockField::Minute, ClockField::Second}) {
        if (previous != nullptr) {
            setTabOrder(previous, Field(field));
        }
        previous = Field(field);
    }

    Show({year, month, day, hour, minute, second}, true);
    date_spin_field_ = arrangement.fields[0];
    AttachSpin(date_spin_field_);
    AttachSpin(ClockField::Hour);
    Rebase();
    platform::CurrentUiClock().StartTimer(clock_timer_, kClockTickMs);
    return result;
}

void CSetTimeDlg::DoDataExchange(platform::DataExchange& exchange) {
    const std::pair<ClockField, int*> values[] = {
        {ClockField::Month, &month}, {ClockField::Day, &day},       {ClockField::Year, &year},
        {ClockField::Hour, &hour},   {ClockField::Minute, &minute}, {ClockField::Second, &second}};
    for (const auto& [field, value] : values) {
        platform::ExchangeInt(exchange, Field(field), *value);
        const ClockFieldRange range = RangeOf(field);
        platform::ValidateRange(exchange, *value, range.minimum, range.maximum);
    }
}

bool CSetTimeDlg::eventFilter(QObject* watched, QEvent* event) {
    for (const ClockField field : kAllFields) {
        QLineEdit* edit = Field(field);
        if (watched != edit) {
            continue;
        }
        if (event->type() == QEvent::FocusIn) {
            AttachSpin(field);
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        } else if (event->type() == QEvent::FocusOut) {
            edit->setText(TwoDigits(edit->text().toInt()));
            Rebase();
        }
    }
    return platform::Dialog::eventFilter(watched, event);
}

QScrollBar* CSetTimeDlg::SpinOf(ClockField field) const {
    return IsTimeOfDay(field) ? time_spin_ : date_spin_;
}

void CSetTimeDlg::AttachSpin(ClockField field) {
    QScrollBar* spin = SpinOf(field);
    (IsTimeOfDay(field) ? time_spin_field_ : date_spin_field_) = field;
    const ClockFieldRange range = RangeOf(field);
    const QSignalBlocker quiet(spin);
    spin->setRange(-range.maximum, -range.minimum);
    SyncSpin(spin, field);
}

// A vertical scroll bar counts down at its upper arrow: the spin holds the field's value negated, so
// that the upper arrow counts up.
void CSetTimeDlg::SyncSpin(QScrollBar* spin, ClockField field) {
    const QSignalBlocker quiet(spin);
    spin->setValue(-Field(field)->text().toInt());
}

void CSetTimeDlg::OnTyped(ClockField field) {
    QLineEdit* edit = Field(field);
    const std::string kept = ClampTypedField(field, edit->text().toStdString());
    if (kept != edit->text().toStdString()) {
        edit->setText(QString::fromStdString(kept));
        edit->end(false);
    }
    if (field == date_spin_field_ || field == time_spin_field_) {
        SyncSpin(SpinOf(field), field);
    }
    Rebase();
}

void CSetTimeDlg::OnSpun(QScrollBar* spin) {
    const ClockField field = spin == time_spin_ ? time_spin_field_ : date_spin_field_;
    Field(field)->setText(TwoDigits(-spin->value()));
    Rebase();
}

bool CSetTimeDlg::TimeFieldHasFocus() const {
    const QWidget* focus = focusWidget();
    return focus != nullptr && (focus == Field(ClockField::Hour) || focus == Field(ClockField::Minute) ||
                                focus == Field(ClockField::Second));
}

void CSetTimeDlg::OnClockTick() {
    // While the user edits the time it stands still, and runs on from what the user left.
    if (TimeFieldHasFocus()) {
        Rebase();
        return;
    }
    const std::int64_t elapsedMs = platform::CurrentUiClock().NowMilliseconds() - base_milliseconds_;
    Show(AdvanceClock(base_, elapsedMs / 1000), false);
}

void CSetTimeDlg::Rebase() {
    base_ = Shown();
    base_milliseconds_ = platform::CurrentUiClock().NowMilliseconds();
}

ClockReading CSetTimeDlg::Shown() const {
    const auto value = [this](ClockField field) { return Field(field)->text().toInt(); };
    return {value(ClockField::Year), value(ClockField::Month),  value(ClockField::Day),
            value(ClockField::Hour), value(ClockField::Minute), value(ClockField::Second)};
}

void CSetTimeDlg::Show(const ClockReading& reading, bool everyField) {
    const std::pair<ClockField, int> values[] = {
        {ClockField::Year, reading.year},     {ClockField::Month, reading.month},
        {ClockField::Day, reading.day},       {ClockField::Hour, reading.hour},
        {ClockField::Minute, reading.minute}, {ClockField::Second, reading.second}};
    for (const auto& [field, value] : values) {
        // Else only the values that changed: a field the user is typing into keeps its text.
        if (everyField || Field(field)->text().toInt() != value) {
            Field(field)->setText(TwoDigits(value));
        }
    }
    for (const ClockField field : {date_spin_field_, time_spin_field_}) {
        SyncSpin(SpinOf(field), field);
    }
}
