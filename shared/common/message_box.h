// The program-wide message boxes that code without windows calls.
#pragma once

#include <string>

#include "platform/base/message_box_description.h"

// Asks through the current UiBroker. With `useStandardBox` the standard box of `promptId` and `type` is
// shown and only those two count; otherwise the own dialog with the given texts and button labels.
// Without a user interface nothing is shown: the prompt goes to the diagnostic trace and the answer is
// IDCANCEL, so that no question is ever taken as agreed.
int ShowMessageBoxId(unsigned promptId, unsigned type, bool useStandardBox, unsigned text2Id = 0,
                     unsigned button1Id = 0, unsigned button2Id = 0, unsigned button3Id = 0,
                     unsigned checkBoxLabelId = 0, int initialCheck = 0);
// The same with a box of any form (a caption of its own, for one).
int ShowMessageBoxId(const CMessageBoxIds& box);
int ShowMessageBox(const std::string& prompt, unsigned type, bool useStandardBox,
                   const std::string& text2 = {}, const std::string& button1 = {},
                   const std::string& button2 = {}, const std::string& button3 = {});
// The same with a box of any form.
int ShowMessageBox(const CMessageBoxTexts& box);
