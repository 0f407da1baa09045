// Choices of a long scrolled form that a passing mouse wheel cannot change.
#pragma once

#include <QWidget>

// The drop-down lists and up-down controls in `form` take wheel turns only while they have the keyboard
// focus (the up-down controls never take it: their arrows and their field's keys move them); otherwise
// the turn scrolls the form, so that scrolling past a control never changes its value unseen. A wheel
// turn no longer gives a list the focus.
void KeepWheelOffUnfocusedChoices(QWidget* form);
