// Texts of the ASCII export's result codes, and the box that tells the user of a system error.
#pragma once

#include <string>

// The text of a result code of the ASCII export (0 success, 1-7 failures).
std::string ExportStatusText(int code);

// Tells the user `text`, a blank line and the system's text of `code`, in a box with `caption`.
void ShowSystemErrorMessage(int code, const std::string& text, const std::string& caption);
