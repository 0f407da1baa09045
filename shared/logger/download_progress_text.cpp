// The records-arriving status line of a download.
#include "shared/logger/download_progress_text.h"

#include <algorithm>
#include <cstdio>

#include "platform/base/text_format.h"
#include "shared/logger/record_download_ids.h"

namespace {

std::string Plural(long count) {
    return count == 1 ? "" : "s";
}

std::string Decimal(long value) {
    return std::to_string(value);
}

}  // namespace

std::string RecordProgressText(long read, long total, std::uint32_t elapsedMs, int recordSize) {
    if (read < 1 || elapsedMs <= kRecordRateAfterMs) {
        return platform::FormatLoadedText(IDS_RECORDS_READ, {Decimal(read), Decimal(total)});
    }
    const double seconds = elapsedMs / 1000.0;
    const auto left = static_cast<long>(std::max<long>(total - read, 0) / (read / seconds));
    char rate[32];
    std::snprintf(rate, sizeof rate, "%.1f", read * static_cast<double>(recordSize) / seconds / 1024.0);
    const long hours = left / 3600;
    const long minutes = left % 3600 / 60;
    const long rest = left % 60;
    if (hours > 0) {
        return platform::FormatLoadedText(IDS_RECORDS_LEFT_HOURS,
                                          {Decimal(read), Decimal(total), rate, Decimal(hours), Plural(hours),
                                           Decimal(minutes), Plural(minutes)});
    }
    if (minutes > 0) {
        return platform::FormatLoadedText(
            IDS_RECORDS_LEFT_MINUTES, {Decimal(read), Decimal(total), rate, Decimal(minutes), Plural(minutes),
                                       Decimal(rest), Plural(rest)});
    }
    return platform::FormatLoadedText(IDS_RECORDS_LEFT_SECONDS,
                                      {Decimal(read), Decimal(total), rate, Decimal(rest), Plural(rest)});
}
