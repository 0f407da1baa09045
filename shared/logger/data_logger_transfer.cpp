// The step every block transfer shares: abandoning a transfer without losing the binary reply mode.
#include "shared/link/connection.h"
#include "shared/logger/data_logger.h"

int CDataLogger::AbortTransfer(bool restoreBinary) {
    const bool binary = connection_->GetLoggerReplyMode() == 'B';
    int result = connection_->SendEscape() == 0 ? 1 : 0;
    if (binary && restoreBinary) {
        // The escape ends the logger's binary output; it must be asked for again, once more on failure.
        result = connection_->DoCommand("R!B", 8000) || connection_->DoCommand("R!B", 8000);
        connection_->SetReplyMode('B');
    }
    return result;
}

void CDataLogger::SetTransferCounters(std::shared_ptr<TransferCounters> counters) {
    transfer_counters_ = counters != nullptr ? std::move(counters) : std::make_shared<TransferCounters>();
}
