// The capture loop of the harmonics window, as a state machine without widgets. It runs on the session
// thread until the window closes or the session ends: per capture the logger's clock, the channel's
// cycle, the analysis, the log line, and what the window shows, handed over as an owned value. The
// window's buttons arrive as requests, taken after the current capture.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/analysis/harmonics_analysis.h"
#include "kivo32/analysis/harmonics_log.h"

// A button of the window.
struct HarmonicsButton {
    enum class Kind {
        RunOrStop,       // start a run, or stop it after its capture (asking first while logging)
        Mode,            // value: 0 %F, 1 %R; one fresh capture in the new mode
        Channel,         // value: the channel index 0-3, from the next capture on
        RefreshCount,    // value: the captures of a run (type codes below 13); -1 never runs out
        SelectHarmonic,  // value: 0-63
        LoggingOn,       // options: what the run records
        LoggingOff,
        Close,  // finishes an open log, then ends the loop
    };
    Kind kind = Kind::RunOrStop;
    int value = 0;
    HarmonicLogOptions options;
};

// Harmonics 0 to 31 are drawn.
inline constexpr int kSpectrumPoints = 32;

// What the window shows, after each capture or change.
struct HarmonicsDisplay {
    HarmonicsReadouts readouts;
    std::string clock;  // "mm/dd/yy  hh:mm:ss" of the last capture
    std::array<float, kSpectrumPoints> voltsPercent{};
    std::array<float, kSpectrumPoints> ampsPercent{};
    bool redrawSpectrum = false;
    bool running = false;
    bool logging = false;
    std::filesystem::path logPath;  // the CSV log of the current or last run; empty before the first
    bool ended = false;             // the loop has ended (its first capture failed, or the session ends)
    HarmonicsMode mode = HarmonicsMode::PercentOfFundamental;
};

// What the loop needs of the logger and of the window.
class CHarmonicsLoopPort {
public:
    virtual ~CHarmonicsLoopPort() = default;
    // The logger clock as "hh:mm:ss mm/dd/yy"; nullopt when it cannot be read.
    virtual std::optional<std::string> ReadClock() = 0;
    // One cycle of channel `channelIndex` into `buffer` (512 raw counts: current, then voltage at 256)
    // with the channel's scales; false when the logger gives none.
    virtual bool Capture(int channelIndex, std::vector<std::int32_t>& buffer, CaptureScales& scales) = 0;
    // Hands the display to the window.
    virtual void Show(HarmonicsDisplay display) = 0;
    // The next request of the window; with `wait`, waits for one. nullopt: none (without `wait`), or the
    // session ends.
    virtual std::optional<HarmonicsButton> NextRequest(bool wait) = 0;
    // The session ends: the loop ends after its capture.
    virtual bool SessionEnding() = 0;
};

class CHarmonicsLoop {
public:
    CHarmonicsLoop(CHarmonicsLoopPort& port, CHarmonicsAnalysis& analysis, CHarmonicsLog& log, int typeCode,
                   int refreshCount, int channelIndex);

    // The first capture (false, after its message, when it fails: the window closes), then the requests
    // and runs until the window closes or the session ends. An open log is finished before it returns.
    bool Run();

    bool Running() const { return running_; }
    int Captures() const { return captures_; }

private:
    bool AcquireAndAnalyse(bool refresh);
    void Take(const HarmonicsButton& request);
    void RunOrStop();
    void StartRun();
    void LoggingOff();
    void Show(bool redrawSpectrum, bool ended = false);

    CHarmonicsLoopPort& port_;
    CHarmonicsAnalysis& analysis_;
    CHarmonicsLog& log_;
    bool counted_runs_;
    int refresh_count_;
    int remaining_ = 0;
    int channel_;
    bool running_ = false;
    bool stop_requested_ = false;
    bool closed_ = false;
    int captures_ = 0;
    std::string clock_;
    std::vector<std::int32_t> buffer_;
};
