// The decisions of the PC setup dialog without its widgets.
#include "kivo32/dialogs/pc_setup_rules.h"

#include "kivo32/dialogs/dialogs_ids.h"
#include "shared/common/app_context.h"
#include "shared/setup/setup_codes.h"

namespace {

constexpr std::string_view kUsbLoggerDescription = "QUARVEN RS";
bool IsNewProtocolLogger(int loggerType) {
    return loggerType == kModelQuarvenRS || loggerType == kModelQuarvenKX;
}

}  // namespace

bool IsUsbLoggerPort(std::string_view portEntry) {
    return portEntry.find(kUsbLoggerDescription) != std::string_view::npos;
}

bool NewProtocolFlag(int loggerType, bool olderModels) {
    return loggerType == kNoLogger ? !olderModels : IsNewProtocolLogger(loggerType);
}

unsigned LoggerKindTextId(int loggerType) {
    if (loggerType == kNoLogger) {
        return IDS_NO_LOGGER_KNOWN;
    }
    return IsNewProtocolLogger(loggerType) ? IDS_NEW_PROTOCOL_LOGGER : IDS_OLDER_MODEL_LOGGER;
}

std::string StoredFolder(std::string folder) {
    if (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}
