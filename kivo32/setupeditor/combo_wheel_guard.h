// Drop-down lists of a long scrolled form that a passing mouse wheel cannot change.
#pragma once

#include <QWidget>

// The drop-down lists in `form` take wheel turns only while they have the keyboard focus; otherwise the
// turn scrolls the form, so that scrolling past a list never changes its choice unseen. A wheel turn
// no longer gives a list the focus.
void KeepWheelOffUnfocusedCombos(QWidget* form);
