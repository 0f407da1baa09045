// The status line texts that the application's file workers post to the main window.
#pragma once

#include <string>

#include "platform/base/message.h"
#include "platform/base/message_target.h"
#include "shared/link/link_ids.h"

inline void PostStatusText(platform::MessageTarget& mainWindow, std::string text) {
    mainWindow.PostMessage(
        platform::Message(WM_LINK_STATUS, STATUS_TEXT, platform::MakePayload(std::move(text))));
}
