// The user texts of the chosen language, by id, for code without windows.
#pragma once

#include <string>

#include "platform/base/text_table.h"

// Installed by the program at start, once its language is known.
void SetProgramTexts(platform::TextTable texts);
// The text of `id`; empty when the table has none.
std::string LoadText(unsigned id);
