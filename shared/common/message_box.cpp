// The program-wide message boxes, asked through the current UiBroker.
#include "shared/common/message_box.h"

#include "platform/base/ui_broker.h"

int ShowMessageBoxId(unsigned promptId, unsigned type, bool useStandardBox, unsigned text2Id,
                     unsigned button1Id, unsigned button2Id, unsigned button3Id, unsigned checkBoxLabelId,
                     int initialCheck) {
    return ShowMessageBoxId(CMessageBoxIds{promptId,
                                           type,
                                           useStandardBox,
                                           text2Id,
                                           {button1Id, button2Id, button3Id},
                                           checkBoxLabelId,
                                           initialCheck});
}

int ShowMessageBoxId(const CMessageBoxIds& box) {
    return platform::CurrentUiBroker().ShowById(box);
}

int ShowMessageBox(const std::string& prompt, unsigned type, bool useStandardBox, const std::string& text2,
                   const std::string& button1, const std::string& button2, const std::string& button3) {
    return ShowMessageBox(
        CMessageBoxTexts{prompt, type, useStandardBox, text2, {button1, button2, button3}, {}});
}

int ShowMessageBox(const CMessageBoxTexts& box) {
    return platform::CurrentUiBroker().ShowText(box);
}
