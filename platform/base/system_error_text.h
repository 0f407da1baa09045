// The system's text of an error code, for telling the user why an operation failed.
#pragma once

#include <string>

// The system's text of an errno value, on one line; the text of IDS_UNKNOWN_ERROR when there is none.
std::string SystemErrorText(int code);
