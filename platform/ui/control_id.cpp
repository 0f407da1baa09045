// The system's numeric control ids on Qt widgets, so that code and tests find a dialog's controls by id.
#include "platform/ui/control_id.h"

#include <QVariant>

namespace platform {
namespace {

constexpr const char* kIdProperty = "kivoControlId";

}  // namespace

void SetControlId(QWidget* control, int id) {
    control->setProperty(kIdProperty, id);
}

int ControlId(const QWidget* control) {
    return control->property(kIdProperty).toInt();
}

QWidget* FindControl(const QWidget* parent, int id) {
    for (QWidget* child : parent->findChildren<QWidget*>()) {
        if (ControlId(child) == id) {
            return child;
        }
    }
    return nullptr;
}

void EnableControls(const QWidget* parent, std::initializer_list<int> ids, bool enable) {
    for (int id : ids) {
        if (QWidget* control = FindControl(parent, id)) {
            control->setEnabled(enable);
        }
    }
}

}  // namespace platform
