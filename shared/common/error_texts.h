// Texts of system error codes and of the ASCII export's result codes.
#pragma once

#include <string>

// The system's text of an errno value, on one line; the text of IDS_UNKNOWN_ERROR when there is none.
std::string SystemErrorText(int code);

// The text of a result code of the ASCII export (0 success, 1-7 failures).
std::string ExportStatusText(int code);

// Tells the user `text`, a blank line and the system's text of `code`, in a box with `caption`.
void ShowSystemErrorMessage(int code, const std::string& text, const std::string& caption);
