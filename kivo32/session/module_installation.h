// Following the Wi-Fi module's installation of an uploaded image through the status words the logger
// passes on ("M?"): the lines to show, the outcome by the last line of a reply, the time limits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class InstallationOutcome { kGoingOn, kComplete, kFailed };
struct InstallationReply {
    std::vector<std::string> statusLines;  // the non-empty lines to show, in order
    InstallationOutcome outcome = InstallationOutcome::kGoingOn;
};

class CInstallationProgress {
public:
    // The wait gives up after 600 s, or after 180 s without any progress report.
    static constexpr std::int64_t kLimitSeconds = 600;
    static constexpr std::int64_t kSilenceLimitSeconds = 180;

    // One reply of the logger at `elapsed` seconds into the wait. Only the last line decides the outcome.
    InstallationReply Read(std::string_view reply, std::int64_t elapsed);
    bool ProgressSeen() const { return progress_seen_; }
    bool TimedOut(std::int64_t elapsed) const;
    // The status text of one "WIFI=PCT<n>" report: a 0 % report restarts the estimate.
    std::string ProgressText(int percent, std::int64_t elapsed);

private:
    bool progress_seen_ = false;
    std::int64_t zero_report_at_ = -1;
};
