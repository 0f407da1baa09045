#include "shared/controls/number_pair_edit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "platform/ui/control_id.h"
#include "shared/loggerlist/schedule_block.h"

NumberPairEdit::NumberPairEdit(Range first, Range second, const QString& separator, QWidget* parent)
    : QWidget(parent), first_range_(first), second_range_(second) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    first_ = MakeEdit(first);
    second_ = MakeEdit(second);
    served_ = first_;
    layout->addWidget(first_);
    layout->addWidget(new QLabel(separator, this));
    layout->addWidget(second_);
    for (const auto& [arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
        layout->addWidget(button);
    }
    layout->addStretch(1);
}

QLineEdit* NumberPairEdit::MakeEdit(Range range) {
    auto* edit = new QLineEdit(this);
    platform::SetControlId(edit, range.id);
    edit->setMaxLength(2);
    edit->setValidator(new QIntValidator(0, 99, edit));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("000") + 8);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) {
        const int number = text.toInt();
        const int kept = ClampTypedNumber(number, RangeOf(edit).maximum);
        if (kept != number) {
            edit->setText(QString::number(kept));
            edit->end(false);
        }
    });
    return edit;
}

void NumberPairEdit::SetValues(int first, int second) {
    first_->setText(QString::number(first));
    second_->setText(QString::number(second));
    ShowTwoDigits(first_);
    ShowTwoDigits(second_);
}

void NumberPairEdit::Step(int delta) {
    const Range range = RangeOf(served_);
    served_->setText(
        QString::number(std::clamp(served_->text().toInt() + delta, range.minimum, range.maximum)));
    ShowTwoDigits(served_);
}

bool NumberPairEdit::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit != nullptr && event->type() == QEvent::FocusIn) {
        served_ = edit;
        QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    } else if (edit != nullptr && event->type() == QEvent::FocusOut) {
        ShowTwoDigits(edit);
    }
    return QWidget::eventFilter(watched, event);
}

void NumberPairEdit::ShowTwoDigits(QLineEdit* edit) {
    edit->setText(QStringLiteral("%1").arg(edit->text().toInt(), 2, 10, QLatin1Char('0')));
}
