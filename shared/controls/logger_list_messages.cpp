#include "shared/controls/logger_list_messages.h"

#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "shared/loggerlist/logger_list_io.h"
#include "shared/loggerlist/loggerlist_ids.h"

void RegisterLoggerListMessages() {
    platform::RegisterDialogRunner<LoggerListMessageRequest>([](LoggerListMessageRequest& request) {
        const unsigned style = request.messageId == IDS_LIST_CONVERT_OLD ? MB_YESNOCANCEL | MB_ICONQUESTION
                                                                         : MB_OK | MB_ICONEXCLAMATION;
        return platform::CurrentUiBroker().MessageBox(
            platform::FormatLoadedText(request.messageId, {request.path, request.detail}), "", style);
    });
}
