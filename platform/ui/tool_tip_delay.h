// A tool-tip delay for the controls of one window, leaving the rest of the program's tool tips alone.
#pragma once

#include <QWidget>

namespace platform {

// The tool tips of `window` and of every control in it at this time wake up after `milliseconds`.
// Call once its controls exist.
void SetToolTipDelay(QWidget* window, int milliseconds);

}  // namespace platform
