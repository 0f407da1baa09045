// CDataLoggerStandard: a download of the standard logger, which cannot log below a minute's interval
// while its memory is read.
#include "platform/base/message_box_flags.h"
#include "shared/common/app_context.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger_standard.h"
#include "shared/logger/download_ids.h"
#include "shared/setup/interval_codes.h"

namespace {

constexpr long kSecondsPerMinute = 60;

}  // namespace

int CDataLoggerStandard::ReadData(const std::filesystem::path& target, bool readAll, long /*recordBase*/,
                                  DownloadExchange& exchange) {
    const CSUTInfo* summary = GetSUTInfo(1);
    if (IntervalCodeToSeconds(LoggerIntervalToCode(summary->loggerInterval)) >= kSecondsPerMinute) {
        return CDataLogger::ReadData(target, readAll, 0, exchange);
    }
    PostStatusId(STATUS_TEXT, IDS_SHORT_INTERVAL_STOP);
    const bool stopped = IsRecording() && StopRecording();
    QueryStopped();
    const int result = CDataLogger::ReadData(target, readAll, 0, exchange);
    // Recording starts again however the download ended: a cancel must not leave the logger stopped.
    const bool aborted = App().IsSet(CAppContext::Flag::Abort);
    App().Set(CAppContext::Flag::Abort, false);
    QueryStarted();
    if (stopped && !StartRecording()) {
        exchange.Tell({IDS_NOT_RECORDING, {}, MB_OK | MB_ICONEXCLAMATION});
    }
    App().Set(CAppContext::Flag::Abort, aborted);
    return result;
}
