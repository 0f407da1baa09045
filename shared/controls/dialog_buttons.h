// The OK and Cancel buttons that the program's dialogs end with, and the Close button of a window that
// only shows something.
#pragma once

class QDialog;
class QDialogButtonBox;

// A button box with OK (the default button) and, when asked, Cancel, in the language's words and with
// the control ids IDOK and IDCANCEL, wired to the dialog's accept and reject. The caller places it.
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog, bool withCancel = true);
// A button box with the one button Close (the default button, control id IDCANCEL), wired to reject.
QDialogButtonBox* MakeCloseButton(QDialog* dialog);
