// The extended message box: more button sets, custom buttons, a "do not ask again" check box whose answer
// can be remembered, a count-down, a disabled period, copying with Ctrl+C.
#pragma once

#include <QWidget>
#include <string>

#include "shared/controls/x_message_box_params.h"

// The answer, as XMessageBoxDialog::Run gives it. With a check-box bit in `style` and a key text in
// `params`, an answer remembered with its check-box bit is returned at once, and a ticked answer is
// remembered. Any thread: the box runs on the user-interface thread. An empty caption is "Error".
int XMessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned style,
                const XMessageBoxParams* params = nullptr);

// Text `textId` (empty when missing) over the program's active window, captioned with the program's title.
int XMessageBoxFromID(unsigned textId, unsigned style, const XMessageBoxParams* params = nullptr);
