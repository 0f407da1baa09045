// The program's session: the logger ID handler, which writes a new logger ID and, below the Quarven, the
// model text at the head of the firmware text, then restarts the logger's identification.
#include <cctype>
#include <string>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"
#include "shared/setup/setup_codes.h"

namespace {

constexpr std::size_t kMemoryModelIdMax = 5;
constexpr std::size_t kQuarvenIdMax = 32;
// The model part: the firmware text's characters after the first.
constexpr std::size_t kModelPartLength = 4;
// The character the written model text begins with.
constexpr char kModelTextLead = 'A';
// The logger takes its new identity before it hears the clock.
constexpr std::uint32_t kSettleMs = 1000;

// `text` with only the characters `keep` accepts.
template <class Keep>
std::string Filtered(const std::string& text, Keep keep) {
    std::string kept;
    for (const char c : text) {
        if (keep(static_cast<unsigned char>(c))) {
            kept += c;
        }
    }
    return kept;
}

bool IsAsciiAlnum(unsigned char c) {
    return c < 0x80 && std::isalnum(c);
}

}  // namespace

void CSessionEL::OnSetLoggerIDs() {
    const CommandScope scope(*this);
    if (!logger_) {
        return;
    }
    const bool quarven = GetLoggerType() >= kModelQuarvenRS;
    const std::string& firmware = logger_->GetFirmwareText();
    const std::string oldModelPart =
        firmware.size() > 1 ? firmware.substr(1, kModelPartLength) : std::string();
    SetLoggerIdsRequest request{.loggerId = Filtered(logger_->GetLoggerId(), IsAsciiAlnum)
                                                .substr(0, quarven ? kQuarvenIdMax : kMemoryModelIdMax),
                                .model = oldModelPart,
                                .typeCode = GetLoggerType(),
                                .loggerTitle = logger_->GetTitleText(),
                                .firmware = firmware,
                                .ask = LoggerWindowAsker()};
    if (RunDialog(request) != IDOK) {
        return;
    }
    const std::string id =
        Filtered(request.loggerId, [](unsigned char c) { return IsAsciiAlnum(c) || c == '\''; });
    if (!logger_->SetLoggerId(id)) {
        ShowFailure(IDS_WRITE_LOGGER_ID_FAILED);
        if (!SecondTryAfterAbort([&] { return logger_->SetLoggerId(id); }, IDS_LOGGER_ID_RETRY_FAILED)) {
            return;
        }
    }
    if (quarven) {
        PostStatus(STATUS_LOGGER_TITLE, id + " / " + GetConnection()->GetFirmwareVersion());
        return;
    }
    const std::string modelText = kModelTextLead + request.model;
    if (!logger_->WriteExtraBlock(modelText)) {
        ShowFailure(IDS_WRITE_MODEL_FAILED);
        SecondTryAfterAbort([&] { return logger_->WriteExtraBlock(kModelTextLead + oldModelPart); },
                            IDS_MODEL_RESTORE_FAILED);
        return;
    }
    logger_->ReplaceFirmwareTextPrefix(modelText);
    // The IDs are written either way; the restart only makes the logger take them at once.
    logger_->RestartAfterIdChange();
    PostStatusString(STATUS_TEXT, IDS_LOGGER_IDS_WRITTEN);
    DecodeModel();
    WaitLinkTime(kSettleMs);
    Post(platform::Message(WM_SESSION_SYNC_TIME));
}
