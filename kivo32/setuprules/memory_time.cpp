// Memory time of the setup form.
#include "kivo32/setuprules/memory_time.h"

#include <cmath>

#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr double kQuarvenRSMemory = 8306688;
constexpr double kQuarvenKXMemory = 16695296;
constexpr double kSmallMemory = 122879;
constexpr double kLargeMemory = 511999;
constexpr double kDaysWithHours = 100;

}  // namespace

DaysAndHours SplitDays(double days) {
    double whole = std::floor(days);
    double hours = (days - whole) * 24.0;
    if (hours > 23.0) {
        whole += 1.0;
        hours = 0.0;
    }
    return {whole, hours};
}

std::string FormatRecordingDays(double days) {
    const DaysAndHours split = SplitDays(days);
    const std::string dayText = platform::StringPrintf("%.0f", split.days);
    if (split.days <= kDaysWithHours) {
        return platform::FormatLoadedText(IDS_MEMORY_DAYS_HOURS,
                                          {dayText, platform::StringPrintf("%.0f", std::floor(split.hours))});
    }
    return platform::FormatLoadedText(IDS_MEMORY_DAYS, {dayText});
}

std::pair<std::string, std::string> FormatMemoryTime(const CSetupTable& table, int intervalCode) {
    const long bytesPerDay = table.GetBytesPerDay(intervalCode);
    const auto days = [&](double memory, bool wholeRecords) {
        return bytesPerDay > 0 ? table.GetRecordingDays(memory, bytesPerDay, wholeRecords) : 0.0;
    };
    const int model = table.GetModelCode();
    if (model == 13 || model == 14) {
        const std::string text =
            FormatRecordingDays(days(model == 13 ? kQuarvenRSMemory : kQuarvenKXMemory, true));
        return {text, text};
    }
    return {FormatRecordingDays(days(kSmallMemory, false)), FormatRecordingDays(days(kLargeMemory, false))};
}
