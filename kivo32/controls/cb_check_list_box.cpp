// The drop-down list of a check-combo box.
#include "kivo32/controls/cb_check_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "kivo32/controls/check_combo_box.h"
#include "kivo32/controls/check_combo_form.h"
#include "platform/ui/qt_text.h"

namespace {

constexpr int kWidthPadding = 4;

}  // namespace

CCBCheckListBox::CCBCheckListBox(CCheckComboBox& combo, CCheckComboForm& form, QWidget* parent)
    : QListWidget(parent),
      combo_(combo),
      form_(form),
      items_(CheckComboItems(combo.ListKind(), form.LoggerType(), combo.ControlId(), form.ChannelKindName())) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabKeyNavigation(false);
    for (const CheckComboItem& item : items_) {
        auto* row = new QListWidgetItem(platform::ToQString(item.text), this);
        // The checks change only through ToggleItem, so that the alarm items can ask the form.
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        row->setCheckState(Qt::Unchecked);
    }
    // Wide enough for the check box and the longest item, tall enough for every item.
    const int rows = std::max(1, count());
    resize(sizeHintForColumn(0) + kWidthPadding + 2 * frameWidth(), rows * std::max(1, sizeHintForRow(0)) + 2 * frameWidth());

    const std::vector<bool> checks = ChecksFromCodeText(items_, combo.CodeText());
    for (int i = 0; i < count(); ++i) {
        SetCheck(i, checks[static_cast<std::size_t>(i)]);
        TakeFormState(i);
    }
}

std::vector<bool> CCBCheckListBox::Checks() const {
    std::vector<bool> checks;
    for (int i = 0; i < count(); ++i) {
        checks.push_back(item(i)->checkState() == Qt::Checked);
    }
    return checks;
}

void CCBCheckListBox::SetCheck(int index, bool checked) {
    item(index)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

// The alarm and peak-demand items show what the form says.
void CCBCheckListBox::TakeFormState(int index) {
    const CheckComboItem& entry = items_[static_cast<std::size_t>(index)];
    if (entry.role == CheckComboItem::Role::Alarm) {
        SetCheck(index, form_.IsAlarmSetForControl(combo_.ControlId()));
    } else if (entry.role == CheckComboItem::Role::PeakDemand) {
        const int peak = form_.IsPeakWindowChannel(combo_.ControlId());
        if (peak >= 0) {
            SetCheck(index, peak != 0);
        }
    }
}

void CCBCheckListBox::ToggleItem(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    setCurrentRow(index);
    const CheckComboItem& entry = items_[static_cast<std::size_t>(index)];
    if (entry.role == CheckComboItem::Role::Plain) {
        SetCheck(index, item(index)->checkState() != Qt::Checked);
        return;
    }
    // The form may ask the user: the list stays open meanwhile, and the dialog has the mouse.
    closing_ = true;
    HoldMouse(false);
    if (entry.role == CheckComboItem::Role::Alarm) {
        form_.ValidateChannelControl(combo_.ControlId());
    } else {
        form_.EditPeakWindowForControl(combo_.ControlId());
    }
    closing_ = false;
    TakeFormState(index);
    setFocus();
    HoldMouse(true);
}

void CCBCheckListBox::HoldMouse(bool hold) {
    if (!hold) {
        viewport()->releaseMouse();
    } else if (isVisible()) {
        viewport()->grabMouse();
    }
}

void CCBCheckListBox::Close(bool accept) {
    if (closing_) {
        return;
    }
    closing_ = true;
    accepted_ = accept;
    combo_.CloseDropDown(accept);
}

void CCBCheckListBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_F4 || key == Qt::Key_Escape) {
        return;  // acted on when released
    }
    if (key == Qt::Key_Space) {
        ToggleItem(currentRow());
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isLetterOrNumber()) {
        const int index = FindCheckComboItem(items_, static_cast<char>(text[0].toLatin1()));
        if (index >= 0) {
            ToggleItem(index);
            return;
        }
    }
    QListWidget::keyPressEvent(event);
}

void CCBCheckListBox::keyReleaseEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const bool previous = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
            closing_ = true;
            accepted_ = true;
            combo_.CloseDropDownAndMoveFocus(true, previous);
            return;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F4:
            Close(true);
            return;
        case Qt::Key_Escape:
            Close(false);
            return;
        default:
            QListWidget::keyReleaseEvent(event);
    }
}

void CCBCheckListBox::mousePressEvent(QMouseEvent* event) {
    // In the viewport's coordinates, as the view passes its viewport's events on.
    const QPoint position = event->position().toPoint();
    if (!rect().contains(viewport()->mapTo(this, position))) {
        Close(true);  // a click outside takes the checks
        return;
    }
    const QListWidgetItem* row = itemAt(position);
    if (row != nullptr) {
        ToggleItem(this->row(row));
    }
}

void CCBCheckListBox::mouseDoubleClickEvent(QMouseEvent*) {}

bool CCBCheckListBox::focusNextPrevChild(bool) {
    return true;
}

void CCBCheckListBox::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    Close(accepted_);
}
