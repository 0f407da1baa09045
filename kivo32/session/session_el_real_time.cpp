// The program's session: the real-time values commands. The window lives on the user-interface thread;
// its update loop runs here: each cycle fetches the logger's values and delivers them to the window as
// one owned record, paced by a timed wait that the window's close or hold ends at once.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "kivo32/session/real_time_ids.h"
#include "kivo32/session/real_time_window_link.h"
#include "kivo32/session/refresh_count.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"

namespace {

// The window for the logger's type code; nullptr for a code without one.
const char* RealTimeDialogName(int typeCode, bool graph) {
    if (typeCode == 0) {
        return graph ? "CRTVGraphStandardDlg" : "CRTVTextStandardDlg";
    }
    if ((typeCode >= 1 && typeCode <= 10) || typeCode == 13 || typeCode == 14) {
        return graph ? "CRTVGraphLiteDlg" : "CRTVTextLiteDlg";
    }
    return nullptr;
}

// A graph's channel selection: seven words.
constexpr std::size_t kSelectionWords = 7;
// The logger's status is read again at most this often in the loop (type codes from 13).
constexpr std::uint32_t kStatusRereadMs = 30000;
// A probe after a failed fetch.
constexpr int kProbeTimeoutMs = 2000;
// The graph plots a point a second; the text windows refresh twice as often.
constexpr std::uint32_t kGraphCycleMs = 1000;
constexpr std::uint32_t kTextCycleMs = 500;
// A continuous waveform capture pauses this long between captures.
constexpr std::uint32_t kCaptureCycleMs = 500;
// A held loop looks at its flags at least this often.
constexpr std::uint32_t kHeldWaitMs = 60000;
constexpr int kPowerChannelType = 1;

RealTimeSetup MakeRealTimeSetup(CDataLogger& logger) {
    RealTimeSetup setup;
    setup.firstId = logger.GetLoggerId();
    setup.secondId = logger.GetDescription();
    setup.thirdId = logger.GetThirdText();
    setup.firmware = logger.GetFirmwareNumber();
    setup.currentScalar = logger.GetAScalar();
    setup.voltageScalar = logger.GetVScalar();
    setup.rangeScalar = logger.GetRScalar();
    if (const CSUTInfo* info = logger.GetSUTInfo(1)) {
        setup.channelTypes = info->channelTypes;
        setup.optionByte = info->optionByte;
        setup.intervalCode = info->loggerInterval;
        if (info->setupTable) {
            setup.table = std::make_shared<const CSetupTable>(*info->setupTable);
            setup.intervalCode = info->setupTable->GetHeader().GetIntervalCode();
        }
    }
    return setup;
}

// The channel whose waveform gives the line frequency: the graph's channel 1 when it is shown, the
// text window's first voltage-and-power channel among the first four; -1 for none.
int FrequencyChannel(const CRealTimeWindowLink& window, bool graph) {
    const auto& types = window.Setup().channelTypes;
    if (graph) {
        const bool shown = !window.Selection().empty() && window.Selection()[0] != 0;
        return shown && types[0] == kPowerChannelType ? 0 : -1;
    }
    for (int channel = 0; channel < 4; ++channel) {
        if (types[static_cast<std::size_t>(channel)] == kPowerChannelType) {
            return channel;
        }
    }
    return -1;
}

RealTimeRecord ReadRecord(const CDataLogger& logger, const RealTimeSetup& setup) {
    RealTimeRecord record;
    record.values = logger.GetRealTimeValues();
    record.memoryUsed = logger.GetUsedCount();
    record.memoryFree = logger.GetFreeCount();
    record.recording = logger.IsRecording();
    record.recordingFast = logger.HasModelFeature();
    record.clock = logger.GetClock();
    record.battery = logger.GetBatteryReadings();
    if (setup.table) {
        const long bytesPerDay = setup.table->GetBytesPerDay(setup.intervalCode);
        if (bytesPerDay >= 1) {
            record.daysLeft = setup.table->GetRecordingDays(
                static_cast<double>(record.memoryFree), bytesPerDay, logger.GetTypeCode() >= kModelQuarvenRS);
        }
    }
    return record;
}

// What tells the capture window that its continuous capture stopped by itself.
WaveformCapture CountRanOut() {
    WaveformCapture stopped;
    stopped.continuous = true;
    stopped.held = true;
    return stopped;
}

}  // namespace

void CSessionEL::OnRealTimeValues(bool graph) {
    const CommandScope scope(*this);
    if (!logger_ || !logger_->PrepareRealTimeRead()) {
        ShowFailure(IDS_REAL_TIME_READ_FAILED);
        return;
    }
    std::vector<int> selection;
    RealTimeSetup setup = MakeRealTimeSetup(*logger_);
    if (graph) {
        RealTimeSelectionRequest request{.typeCode = GetLoggerType(),
                                         .channelTypes = {},
                                         .setupKnown = logger_->GetSUTInfo(1) != nullptr,
                                         .selection = {}};
        std::copy_n(setup.channelTypes.begin(), request.channelTypes.size(), request.channelTypes.begin());
        if (RunDialog(request) != IDOK) {
            return;
        }
        selection = std::move(request.selection);
        selection.resize(kSelectionWords);
    }
    const char* dialogName = RealTimeDialogName(GetLoggerType(), graph);
    if (dialogName == nullptr) {
        ShowMessageBoxId(IDS_MODEL_NOT_UNDERSTOOD, MB_OK, true);
        return;
    }
    auto window = std::make_shared<CRealTimeWindowLink>(dialogName, GetLoggerType(), std::move(selection),
                                                        std::move(setup));
    window->SetWaker([this] { Wake(); });
    PostToMainWindow(platform::Message(WM_REAL_TIME_WINDOW, 0, platform::MakePayload(window)));
    RunRealTimeLoop(*window, graph);
    window->SetWaker({});
    logger_->DisableAtMode();
}

WaveformCapture CSessionEL::CaptureWaveform(int channel, int sampleCount) {
    WaveformCapture capture;
    capture.channel = channel;
    capture.sampleCount = sampleCount;
    capture.captured =
        logger_->ReadClock(capture.clockText) && logger_->ReadConfigValue(channel, sampleCount);
    capture.table = logger_->GetConfigTable();
    return capture;
}

bool CSessionEL::WaitForWindowOpen(const CRealTimeWindowLink& window) {
    const LinkClock& clock = GetConnection()->Clock();
    // The window shows (or never does) before the first logger command: its refresh count starts.
    while (!window.IsOpen() && !RealTimeEnded(window)) {
        WaitForLink([&window] { return window.IsOpen() || window.IsClosed(); },
                    clock.RealDuration(kHeldWaitMs));
    }
    return !RealTimeEnded(window);
}

bool CSessionEL::RealTimeEnded(const CRealTimeWindowLink& window) {
    return window.IsClosed() || IsAborted() || StopRequested();
}

void CSessionEL::RunRealTimeLoop(CRealTimeWindowLink& window, bool graph) {
    const LinkClock& clock = GetConnection()->Clock();
    const auto ended = [this, &window] { return RealTimeEnded(window); };
    WaitForWindowOpen(window);
    const int typeCode = window.TypeCode();
    const bool countsDown = typeCode != kModelStandard && typeCode < kModelQuarvenRS;
    const unsigned lostLink = !graph && typeCode != kModelStandard ? IDS_RT_LINK_LOST_TEXT : IDS_RT_LINK_LOST;
    const std::uint32_t cycleMs = graph ? kGraphCycleMs : kTextCycleMs;
    const int frequencyChannel = FrequencyChannel(window, graph);
    const int samples = WaveformSampleCount(typeCode, window.Setup().optionByte);
    const double nominalHz = NominalLineFrequency(window.Setup().optionByte);
    CZeroCrossingHistory frequencies;
    std::optional<float> frequency;
    std::optional<std::uint32_t> lastStatusRead;
    RefreshCountdown countdown(window.RefreshCount());
    bool awake = false;

    // The values read before the window opened come first.
    RealTimeRecord record = ReadRecord(*logger_, window.Setup());
    window.Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(record)));
    while (!ended()) {
        if (window.TakeRestart()) {
            countdown.SetCount(window.RefreshCount());
            countdown.Restart();
            awake = awake && typeCode == kModelStandard;
        }
        if (const int channel = window.TakeCaptureRequest(); channel >= 0) {
            WaveformCapture capture = CaptureWaveform(channel, ConfigTable::kStandardSamples);
            window.Deliver(
                platform::Message(WM_REAL_TIME_CAPTURE, 0, platform::MakePayload(std::move(capture))));
            continue;
        }
        if (countsDown && !countdown.HasUpdatesLeft() && !window.IsHeld()) {
            window.HoldFromLoop();
            record.held = true;
            window.Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(record)));
        }
        if (window.IsHeld()) {
            PostStatusString(STATUS_TEXT, IDS_RT_HELD);
            awake = awake && typeCode == kModelStandard;
            WaitForLink([&] { return ended() || !window.IsHeld() || window.HasCaptureRequest(); },
                        clock.RealDuration(kHeldWaitMs));
            continue;
        }
        PostStatusString(STATUS_TEXT, typeCode < kModelQuarvenRS ? IDS_RT_REFRESHING : IDS_RT_UPDATING);
        const std::uint32_t cycleStart = clock.Now();
        if (!logger_->ArmLogger(awake)) {
            awake = false;
            if (IsAborted()) {
                continue;
            }
            if (!GetConnection()->DoCommand(" ", kProbeTimeoutMs)) {
                ShowMessageBoxId(lostLink, MB_OK, true);
                break;
            }
            PostStatusString(STATUS_TEXT, IDS_RT_LOGGER_ANSWERED);
        } else {
            awake = true;
            if (typeCode >= kModelQuarvenRS &&
                (!lastStatusRead || clock.Now() - *lastStatusRead > kStatusRereadMs)) {
                lastStatusRead = clock.Now();
                logger_->ReadStatus();
            }
            if (frequencyChannel >= 0 && logger_->ReadConfigValue(frequencyChannel, samples)) {
                if (const auto measured =
                        MeasureLineFrequency(logger_->GetConfigTable(), samples, nominalHz, frequencies)) {
                    frequency = measured;
                }
            }
            record = ReadRecord(*logger_, window.Setup());
            record.lineFrequency = frequency;
            if (countsDown) {
                countdown.CountUpdate();
            }
            window.Deliver(platform::Message(WM_REAL_TIME_VALUES, 0, platform::MakePayload(record)));
        }
        const std::uint32_t spent = clock.Now() - cycleStart;
        if (spent < cycleMs) {
            WaitForLink([&] { return ended() || window.IsHeld() || window.HasCaptureRequest(); },
                        clock.RealDuration(cycleMs - spent));
        }
    }
}

void CSessionEL::OnWaveformCapture() {
    const CommandScope scope(*this);
    if (!logger_) {
        ShowFailure(IDS_WF_CAPTURE_FAILED);
        return;
    }
    auto window = std::make_shared<CRealTimeWindowLink>("CWFCaptureOrnat", GetLoggerType(),
                                                        std::vector<int>{}, MakeRealTimeSetup(*logger_));
    window->SetWaker([this] { Wake(); });
    PostToMainWindow(platform::Message(WM_REAL_TIME_WINDOW, 0, platform::MakePayload(window)));
    RunCaptureLoop(*window);
    window->SetWaker({});
}

void CSessionEL::RunCaptureLoop(CRealTimeWindowLink& window) {
    const LinkClock& clock = GetConnection()->Clock();
    const auto ended = [this, &window] { return RealTimeEnded(window); };
    if (!WaitForWindowOpen(window)) {
        return;
    }
    const int samples = WaveformSampleCount(window.TypeCode(), window.Setup().optionByte);
    // Only the models below the Quarven count their captures down.
    const bool countsDown = window.TypeCode() < kModelQuarvenRS;
    RefreshCountdown countdown(window.RefreshCount());
    while (!ended()) {
        if (window.TakeRestart()) {
            countdown.SetCount(window.RefreshCount());
            countdown.Restart();
        }
        if (const int channel = window.TakeCaptureRequest(); channel >= 0) {
            window.Deliver(platform::Message(WM_REAL_TIME_CAPTURE, 0,
                                             platform::MakePayload(CaptureWaveform(channel, samples))));
            continue;
        }
        if (!window.IsHeld() && countsDown && !countdown.HasUpdatesLeft()) {
            window.HoldFromLoop();
            window.Deliver(platform::Message(WM_REAL_TIME_CAPTURE, 0, platform::MakePayload(CountRanOut())));
        }
        if (window.IsHeld()) {
            WaitForLink([&] { return ended() || !window.IsHeld() || window.HasCaptureRequest(); },
                        clock.RealDuration(kHeldWaitMs));
            continue;
        }
        WaveformCapture capture = CaptureWaveform(window.ContinuousChannel(), samples);
        capture.continuous = true;
        if (countsDown) {
            countdown.CountUpdate();
        }
        window.Deliver(platform::Message(WM_REAL_TIME_CAPTURE, 0, platform::MakePayload(std::move(capture))));
        WaitForLink([&] { return ended() || window.IsHeld() || window.HasCaptureRequest(); },
                    clock.RealDuration(kCaptureCycleMs));
    }
}
