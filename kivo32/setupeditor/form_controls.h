// Small helpers of the setup form and its dialogs: a control with its id, a program text as a QString.
#pragma once

#include <QString>

#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"

template <class Control>
Control* WithId(Control* control, int id) {
    platform::SetControlId(control, id);
    return control;
}

inline QString TextOf(unsigned id) {
    return platform::ToQString(LoadText(id));
}
