// Drop-down lists of a long scrolled form that a passing mouse wheel cannot change.
#include "kivo32/setupeditor/combo_wheel_guard.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

namespace {

class ComboWheelGuard : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (event->type() != QEvent::Wheel || combo == nullptr || combo->hasFocus()) {
            return false;
        }
        // Qt passes a wheel turn on to the parents only when it came from the system: hand it to the
        // scroll area that holds the list.
        for (QWidget* parent = combo->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
            if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(parent)) {
                QCoreApplication::sendEvent(scrollArea->viewport(), event);
                break;
            }
        }
        return true;
    }
};

}  // namespace

void KeepWheelOffUnfocusedCombos(QWidget* form) {
    auto* guard = new ComboWheelGuard(form);
    for (QComboBox* combo : form->findChildren<QComboBox*>()) {
        combo->setFocusPolicy(Qt::StrongFocus);
        combo->installEventFilter(guard);
    }
}
