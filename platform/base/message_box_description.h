// What a program-wide message box shows: its texts by id or as given, its type, and which box it is.
#pragma once

#include <array>
#include <string>

#include "platform/base/message_box_flags.h"

// A box whose texts are text ids. Id 0 means "none" for every text but the prompt.
struct CMessageBoxIds {
    unsigned promptId = 0;
    unsigned type = MB_OK;
    bool useStandardBox = true;
    unsigned text2Id = 0;
    std::array<unsigned, 3> buttonIds{};
    unsigned checkBoxLabelId = 0;
    int initialCheck = 0;
    // 0: the program's own title.
    unsigned captionId = 0;
};

// A box whose texts are given. An empty text is "none".
struct CMessageBoxTexts {
    std::string prompt;
    unsigned type = MB_OK;
    bool useStandardBox = true;
    std::string text2;
    std::array<std::string, 3> buttons;
    // Empty: the program's own title.
    std::string caption;
};
