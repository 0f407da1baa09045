// The firmware update window's request to the session: a logger firmware file or a Wi-Fi module image
// sent on the session thread, the module's installation followed, and the result posted back.
#pragma once

#include <memory>
#include <string>

#include "platform/base/message_target.h"
#include "shared/logger/transfer_counters.h"

// Payload of WM_SESSION_FIRMWARE_UPDATE.
struct FirmwareTransferRequest {
    std::string path;
    // A module image, uploaded and then installed by the module; else a logger firmware file.
    bool moduleImage = false;
    // Moved while the file goes, for the window's progress line; the total is back to 0 at the end.
    std::shared_ptr<TransferCounters> counters;
    // Gets WM_FIRMWARE_RESULT: wParam the transfer's result (0 sent, else its reason code, 3 the link
    // was lost), lParam for a module image sent the installation's (0 complete, else it failed).
    std::shared_ptr<platform::MessageTarget> replyTo;
};
