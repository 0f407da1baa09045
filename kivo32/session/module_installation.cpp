// Following the Wi-Fi module's installation: status lines, time left and outcome.
#include "kivo32/session/module_installation.h"

#include <cstdlib>

#include "kivo32/session/session_ids.h"
#include "platform/base/text_format.h"
#include "shared/common/text_helpers.h"

namespace {

constexpr std::string_view kProgressReport = "WIFI=PCT";

std::string Plural(std::int64_t count) {
    return count == 1 ? "" : "s";
}

}  // namespace

bool CInstallationProgress::TimedOut(std::int64_t elapsed) const {
    return elapsed > kLimitSeconds || (elapsed > kSilenceLimitSeconds && !progress_seen_);
}

std::string CInstallationProgress::ProgressText(int percent, std::int64_t elapsed) {
    progress_seen_ = true;
    if (percent == 0) {
        zero_report_at_ = elapsed;
    }
    const std::int64_t sinceZero = elapsed - zero_report_at_;
    if (sinceZero < 10 || percent < 2) {
        return std::to_string(percent) + "% complete";
    }
    const double remaining = (100.0 - percent) * static_cast<double>(sinceZero) / percent;
    if (remaining > 60) {
        const auto minutes = static_cast<std::int64_t>(remaining / 60);
        return platform::FormatLoadedText(
            IDS_MODULE_INSTALL_MINUTES_LEFT,
            {std::to_string(percent), std::to_string(minutes), Plural(minutes)});
    }
    const auto seconds = static_cast<std::int64_t>(remaining);
    return platform::FormatLoadedText(IDS_MODULE_INSTALL_SECONDS_LEFT,
                                      {std::to_string(percent), std::to_string(seconds), Plural(seconds)});
}

InstallationReply CInstallationProgress::Read(std::string_view reply, std::int64_t elapsed) {
    InstallationReply result;
    std::string rest = Trimmed(reply);
    std::string last;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string line = Trimmed(std::string_view(rest).substr(0, end));
        rest = end == std::string::npos ? std::string() : Trimmed(std::string_view(rest).substr(end + 1));
        if (line == "(null)" || line == "<EMPTY>") {
            line.clear();
        }
        last = line;
        if (line.starts_with(kProgressReport)) {
            line = ProgressText(std::atoi(line.c_str() + kProgressReport.size()), elapsed);
        }
        if (!line.empty()) {
            result.statusLines.push_back(std::move(line));
        }
    }
    if (last == "WIFI=XMODEMTIMEOUT" || last == "WIFI=XMODEMERROR") {
        result.outcome = InstallationOutcome::kFailed;
    } else if (last == "WIFI=XMODEMCOMPLETE") {
        result.outcome = InstallationOutcome::kComplete;
    }
    return result;
}
