// CCallTimeFields: two time fields with one spin box and the typing rules of call times.
#include "kivo32/tools/call_time_fields.h"

#include <QEvent>
#include <QLineEdit>
#include <QSpinBox>

#include "kivo32/tools/call_schedule_rules.h"
#include "platform/ui/control_id.h"

namespace {

QString TwoDigits(int value) {
    return QString::asprintf("%2.2d", value);
}

}  // namespace

CCallTimeFields::CCallTimeFields(QWidget* parent, int hourId, int minuteId, int spinId)
    : QObject(parent),
      hour_(new QLineEdit(parent)),
      minute_(new QLineEdit(parent)),
      spin_(new QSpinBox(parent)) {
    platform::SetControlId(hour_, hourId);
    platform::SetControlId(minute_, minuteId);
    platform::SetControlId(spin_, spinId);
    for (QLineEdit* field : {hour_, minute_}) {
        field->setMaxLength(2);
        field->setMaximumWidth(40);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            const QString clamped =
                QString::fromStdString(ClampTypedNumber(text.toStdString(), Maximum(field, hour_)));
            if (clamped != text) {
                field->setText(clamped);
            }
        });
    }
    connect(spin_, &QSpinBox::valueChanged, this, [this](int value) {
        if (attached_ != nullptr && attached_->text().toInt() != value) {
            attached_->setText(TwoDigits(value));
        }
    });
    Attach(hour_);
}

void CCallTimeFields::SetTime(int hour, int minute) {
    hour_->setText(TwoDigits(hour));
    minute_->setText(TwoDigits(minute));
    Attach(hour_);
}

int CCallTimeFields::HourValue() const {
    return hour_->text().toInt();
}

int CCallTimeFields::MinuteValue() const {
    return minute_->text().toInt();
}

void CCallTimeFields::SetEnabled(bool enabled) {
    for (QWidget* control :
         {static_cast<QWidget*>(hour_), static_cast<QWidget*>(minute_), static_cast<QWidget*>(spin_)}) {
        control->setEnabled(enabled);
    }
}

bool CCallTimeFields::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && event->type() == QEvent::FocusIn) {
        Attach(field);
    } else if (field != nullptr && event->type() == QEvent::FocusOut) {
        field->setText(TwoDigits(field->text().toInt()));
    }
    return QObject::eventFilter(watched, event);
}

void CCallTimeFields::Attach(QLineEdit* field) {
    attached_ = nullptr;
    spin_->setRange(0, Maximum(field, hour_));
    spin_->setValue(field->text().toInt());
    attached_ = field;
}

int CCallTimeFields::Maximum(const QLineEdit* field, const QLineEdit* hour) {
    return field == hour ? 23 : 59;
}
