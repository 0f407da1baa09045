// The capture loop of the harmonics window.
#include "kivo32/analysis/harmonics_loop.h"

#include "kivo32/analysis/harmonics_log_ids.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/date_time_text.h"
#include "shared/common/message_box.h"

namespace {

// Type codes from 13 on run until stopped; the others make a counted run.
constexpr int kFirstUncountedType = 13;
constexpr int kHighestChannelIndex = 3;

// The logger's clock text ("hh:mm:ss mm/dd/yy") shown date first, the date as every date is shown;
// a text that is no clock text as it came.
std::string ClockDisplay(const std::string& clock) {
    const std::optional<std::tm> fields = ReadClockText(clock.c_str());
    return fields ? FormatShownDate(*fields) + "  " + FormatShownTime(*fields) : clock;
}

}  // namespace

CHarmonicsLoop::CHarmonicsLoop(CHarmonicsLoopPort& port, CHarmonicsAnalysis& analysis, CHarmonicsLog& log,
                               int typeCode, int refreshCount, int channelIndex)
    : port_(port),
      analysis_(analysis),
      log_(log),
      counted_runs_(typeCode < kFirstUncountedType),
      refresh_count_(refreshCount),
      channel_(channelIndex),
      buffer_(kCaptureBufferEntries) {}

bool CHarmonicsLoop::Run() {
    analysis_.ClearFrequencyHistory();
    if (!AcquireAndAnalyse(false)) {
        Show(false, true);
        return false;
    }
    Show(true);
    while (!closed_ && !port_.SessionEnding()) {
        if (!running_) {
            if (std::optional<HarmonicsButton> request = port_.NextRequest(true)) {
                Take(*request);
            }
            continue;
        }
        // A counted run ends when its count is used up; -1 never runs out.
        if (counted_runs_ && remaining_ == 0) {
            running_ = false;
            Show(false);
            continue;
        }
        if (counted_runs_ && remaining_ > 0) {
            --remaining_;
        }
        if (AcquireAndAnalyse(true)) {
            while (std::optional<HarmonicsButton> request = port_.NextRequest(false)) {
                Take(*request);
            }
        }
        // While logging, a stop waits for the log to be switched off.
        if (running_ && stop_requested_ && !log_.IsOn()) {
            running_ = false;
            Show(false);
        }
    }
    if (log_.IsOn()) {
        log_.Stop();
    }
    if (!closed_) {
        Show(false, true);
    }
    return true;
}

bool CHarmonicsLoop::AcquireAndAnalyse(bool refresh) {
    if (channel_ < 0 || channel_ > kHighestChannelIndex) {
        return false;
    }
    CaptureScales scales;
    const std::optional<std::string> clock = port_.ReadClock();
    if (clock && port_.Capture(channel_, buffer_, scales) &&
        analysis_.ProcessCapture(buffer_, scales, channel_)) {
        ++captures_;
        if (log_.IsOn()) {
            log_.AddCapture(channel_ + 1);
        }
        clock_ = ClockDisplay(*clock);
        if (refresh) {
            Show(true);
        }
        return true;
    }
    // A capture cut short by the end of the session is no failure to tell.
    if (!port_.SessionEnding()) {
        ShowMessageBoxId(IDS_HARMONICS_CAPTURE_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
    }
    running_ = false;
    if (log_.IsOn()) {
        LoggingOff();
    }
    Show(false);
    return false;
}

void CHarmonicsLoop::Take(const HarmonicsButton& request) {
    switch (request.kind) {
        case HarmonicsButton::Kind::RunOrStop:
            RunOrStop();
            break;
        case HarmonicsButton::Kind::Mode:
            analysis_.SetMode(request.value == 1 ? HarmonicsMode::PercentOfTotal
                                                 : HarmonicsMode::PercentOfFundamental);
            stop_requested_ = true;
            AcquireAndAnalyse(true);
            break;
        case HarmonicsButton::Kind::Channel:
            channel_ = request.value;
            break;
        case HarmonicsButton::Kind::RefreshCount:
            refresh_count_ = request.value;
            break;
        case HarmonicsButton::Kind::SelectHarmonic:
            analysis_.SetSelectedHarmonic(request.value);
            Show(false);
            break;
        case HarmonicsButton::Kind::LoggingOn:
            analysis_.ClearStatistics();
            log_.Start(request.options);
            Show(false);
            if (!running_) {
                StartRun();
            }
            break;
        case HarmonicsButton::Kind::LoggingOff:
            LoggingOff();
            break;
        case HarmonicsButton::Kind::Close:
            // The log is finished as its button finishes it; then the loop ends.
            if (log_.IsOn()) {
                LoggingOff();
            }
            closed_ = true;
            break;
    }
}

void CHarmonicsLoop::RunOrStop() {
    if (!running_) {
        StartRun();
    } else if (log_.IsOn()) {
        if (ShowMessageBoxId(IDS_HARMONICS_STOP_LOGGING, MB_YESNOCANCEL | MB_ICONQUESTION, true,
                             IDS_HARMONICS_LOG_CAPTION) == IDYES) {
            LoggingOff();
        }
    } else {
        stop_requested_ = true;
    }
}

void CHarmonicsLoop::StartRun() {
    running_ = true;
    stop_requested_ = false;
    remaining_ = refresh_count_;
    Show(false);
}

void CHarmonicsLoop::LoggingOff() {
    log_.Stop();
    stop_requested_ = true;
    Show(false);
}

void CHarmonicsLoop::Show(bool redrawSpectrum, bool ended) {
    HarmonicsDisplay display;
    display.readouts = analysis_.Readouts();
    display.clock = clock_;
    if (const CaptureFigures* figures = analysis_.LastCapture()) {
        for (int k = 0; k < kSpectrumPoints; ++k) {
            display.voltsPercent[k] = figures->quantity[kVoltage].percent[k];
            display.ampsPercent[k] = figures->quantity[kCurrent].percent[k];
        }
    }
    display.redrawSpectrum = redrawSpectrum;
    display.ended = ended;
    display.running = running_;
    display.logging = log_.IsOn();
    display.logPath = log_.CsvPath();
    display.mode = analysis_.Mode();
    port_.Show(std::move(display));
}
