// Choices of a long scrolled form that a passing mouse wheel cannot change.
#include "kivo32/setupeditor/wheel_guard.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>

namespace {

class WheelGuard : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Wheel || control == nullptr || control->hasFocus()) {
            return false;
        }
        // Qt passes a wheel turn on to the parents only when it came from the system: hand it to the
        // scroll area that holds the control.
        for (QWidget* parent = control->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
            if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(parent)) {
                QCoreApplication::sendEvent(scrollArea->viewport(), event);
                break;
            }
        }
        return true;
    }
};

}  // namespace

void KeepWheelOffUnfocusedChoices(QWidget* form) {
    auto* guard = new WheelGuard(form);
    for (QComboBox* list : form->findChildren<QComboBox*>()) {
        list->setFocusPolicy(Qt::StrongFocus);
        list->installEventFilter(guard);
    }
    for (QScrollBar* spin : form->findChildren<QScrollBar*>()) {
        spin->installEventFilter(guard);
    }
}
