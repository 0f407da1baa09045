// The interface through which code without windows shows a message box: the program installs one that
// shows the standard box or the own message dialog, tests install a recording fake.
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

class CMessageBoxPresenter {
public:
    virtual ~CMessageBoxPresenter() = default;
    // Called from any thread; returns once the user has answered, with IDOK, IDYES... for the standard
    // box or IDC_MSGBOX_BUTTON1..3 (plus MSGBOX_CHECKED) for the own dialog.
    virtual int ShowById(const CMessageBoxIds& box) = 0;
    virtual int ShowText(const CMessageBoxTexts& box) = 0;
};
