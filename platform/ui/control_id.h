// The system's numeric control ids on Qt widgets, so that code and tests find a dialog's controls by id.
#pragma once

#include <QWidget>
#include <initializer_list>

namespace platform {

void SetControlId(QWidget* control, int id);
// 0 for a widget without an id.
int ControlId(const QWidget* control);
// The child of `parent` (at any depth) with `id`, or nullptr.
QWidget* FindControl(const QWidget* parent, int id);
template <class T>
T* FindControlAs(const QWidget* parent, int id) {
    return qobject_cast<T*>(FindControl(parent, id));
}

// Enables or disables each of the controls `ids` of `parent` that exists.
void EnableControls(const QWidget* parent, std::initializer_list<int> ids, bool enable);

}  // namespace platform
