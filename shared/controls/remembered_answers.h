// The extended message box's remembered answers, kept in the program's settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The name of the question's value: each character of `keyText` (at most 490) coded by its position,
// then `keyNumber` in decimal ("ab" with 7 gives "7d7").
std::string XMessageBoxValueName(std::string_view keyText, unsigned keyNumber);

// The answer remembered under `valueName` (group `companyName`, when given, then "XMessageBox").
std::optional<unsigned> ReadRememberedAnswer(const std::string& companyName, const std::string& valueName);
void WriteRememberedAnswer(const std::string& companyName, const std::string& valueName, unsigned answer);
