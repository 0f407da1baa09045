// CTransferTimer and FormatTimeRemaining.
#include "kivo32/dialogs/transfer_timer.h"

#include <algorithm>

#include "kivo32/dialogs/web_file_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/datafile/datafile_ids.h"

namespace {

constexpr std::int64_t kMsPerSecond = 1000;

// The unit's word: the singular for a count of 1, the plural for any other.
std::string Unit(unsigned singularId, unsigned pluralId, int count) {
    return LoadText(count == 1 ? singularId : pluralId);
}

}  // namespace

void CTransferTimer::Start(std::int64_t totalBytes, std::int64_t nowMs) {
    total_ = totalBytes;
    start_ms_ = nowMs;
}

double CTransferTimer::GetRate(std::int64_t bytesDone, std::int64_t nowMs) const {
    const std::int64_t elapsed = nowMs - start_ms_;
    return elapsed > 0 ? static_cast<double>(bytesDone) * kMsPerSecond / static_cast<double>(elapsed) : 0.0;
}

std::optional<int> CTransferTimer::GetSecondsLeft(std::int64_t bytesDone, std::int64_t nowMs) const {
    if (nowMs - start_ms_ < kMsPerSecond || bytesDone <= 0 || total_ <= 0) {
        return std::nullopt;
    }
    const double left = static_cast<double>(std::max<std::int64_t>(total_ - bytesDone, 0));
    return static_cast<int>(left / GetRate(bytesDone, nowMs));
}

std::string FormatTimeRemaining(int seconds) {
    const int hours = seconds / 3600 % 24;
    const int minutes = seconds / 60 % 60;
    const int rest = seconds % 60;
    const std::string remaining = LoadText(IDS_TIME_REMAINING);
    if (hours >= 1) {
        return platform::StringPrintf(
            "%2d %s, %2d %s %s", hours, Unit(IDS_UNIT_HOUR, IDS_UNIT_HOURS, hours).c_str(), minutes,
            Unit(IDS_UNIT_MINUTE, IDS_UNIT_MINUTES, minutes).c_str(), remaining.c_str());
    }
    if (minutes >= 1) {
        return platform::StringPrintf(
            "%2d %s, %2d %s %s", minutes, Unit(IDS_UNIT_MINUTE, IDS_UNIT_MINUTES, minutes).c_str(), rest,
            Unit(IDS_UNIT_SECOND, IDS_UNIT_SECONDS, rest).c_str(), remaining.c_str());
    }
    return platform::StringPrintf("%2d %s %s", rest, Unit(IDS_UNIT_SECOND, IDS_UNIT_SECONDS, rest).c_str(),
                                  remaining.c_str());
}
