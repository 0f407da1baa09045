// Controls as the program's dialogs make them: with their control id, so that code and tests find them,
// and a tool tip from the text table.
#pragma once

#include <QLineEdit>
#include <QWidget>

#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"

// `control` with `id` and the tip of text `tipId`.
template <class Control>
Control* Identified(Control* control, int id, unsigned tipId) {
    platform::SetControlId(control, id);
    control->setToolTip(platform::ToQString(LoadText(tipId)));
    return control;
}

// An edit of `parent` that takes at most `limit` characters.
inline QLineEdit* LimitedEdit(QWidget* parent, int id, unsigned tipId, int limit) {
    auto* edit = Identified(new QLineEdit(parent), id, tipId);
    edit->setMaxLength(limit);
    return edit;
}
