// The recovery question after a broken download, asked as a DataRecoveryRequest.
#include "shared/logger/data_recovery_prompt.h"

#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_result.h"

int AskDataRecovery(int recordsReceived, bool portLost) {
    DataRecoveryRequest request{.recordsReceived = recordsReceived,
                                .portLost = portLost,
                                .extraText = portLost ? LoadText(IDS_PORT_LOST) + ". " : std::string()};
    switch (platform::RunDialogRequest(request)) {
        case IDC_RECOVERY_TRY_AGAIN:
            return kReadDataTryAgain;
        case IDCANCEL:
            return kReadDataRecoveryCancelled;
        default:
            // OK and anything else keep what was read.
            return kReadDataKept;
    }
}
