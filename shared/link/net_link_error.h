// The process-wide network link error: the first network failure of a session, its code and text.
#pragma once

#include <string>

// Records `code` and `text` only while no failure is recorded (the first failure is kept).
void RecordNetLinkError(int code, const std::string& text);
void ClearNetLinkError();
// 0 when no failure is recorded.
int NetLinkErrorCode();
std::string NetLinkErrorText();
