// CDataLogger: one block of a program or file transfer and the logger's "OK", "RESEND" or "ERROR".
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"

namespace {

constexpr int kBlockAttempts = 3;

}  // namespace

int CDataLogger::SendProgramBlock(std::string_view command, std::span<const std::uint8_t> bytes) {
    int code = kBlockSendFailed;
    for (int attempt = 0; attempt < kBlockAttempts; ++attempt) {
        if (attempt > 0) {
            PostStatusValue(STATUS_TIMEOUT, 0);
            AbortTransfer(true);
        }
        if (Session() == nullptr) {
            return kBlockNoSession;
        }
        if (IsAborted()) {
            return kBlockCancelled;
        }
        if (!bytes.empty()) {
            // The answer is a text line even in binary reply mode.
            connection_->SetBlockReplyLength(0);
            if (!connection_->SendBinaryBlock(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()))) {
                if (connection_->GetLoggerReplyMode() == 'B' &&
                    (connection_->DoCommand("R!B", 8000) || connection_->DoCommand("R!B", 8000))) {
                    connection_->SetReplyMode('B');
                }
                code = kBlockSendFailed;
                continue;
            }
        } else if (!connection_->DoCommand(command, 2000)) {
            code = kBlockSendFailed;
            continue;
        }
        const std::string reply = ReplyLine();
        if (reply == "OK") {
            return kBlockSent;
        }
        if (reply == "ERROR") {
            Trace("SendProgramBlock() reports an unrecoverable ERROR");
            return kBlockRefused;
        }
        if (reply.empty()) {
            Trace("SendProgramBlock() reports empty response");
            code = kBlockSendFailed;
        } else if (reply == "RESEND") {
            Trace("SendProgramBlock() reports RESEND response");
            code = kBlockResend;
        } else {
            Trace("SendProgramBlock() reports invalid response");
            code = kBlockSendFailed;
        }
    }
    // A stop that came during the last attempt's wait is a stop, not a failure: the caller must know to
    // take it before it abandons the transfer.
    return IsAborted() ? kBlockCancelled : code;
}
