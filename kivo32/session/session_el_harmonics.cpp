// The program's session: the harmonics command. The window lives on the user-interface thread; its
// capture loop runs here, on the session thread, until the window closes or the session ends.
#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/analysis/harmonics_loop.h"
#include "kivo32/session/harmonics_window_link.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/logger/config_table.h"
#include "shared/logger/data_logger.h"
#include "shared/setup/sut_info.h"

namespace {

// The option bit of the setup summary for a 50 Hz line.
constexpr std::uint8_t kFiftyHertzOption = 0x10;
// The channel type of a channel of volts and amps.
constexpr std::uint8_t kPowerChannel = 1;
constexpr int kMeasuredChannels = 4;
// A wait for the window's next button is woken by the button; the time-out only bounds one wait.
constexpr std::chrono::milliseconds kButtonWait{60000};

HarmonicsWindowInfo InfoOf(const CDataLogger& logger, const CSUTInfo& active, int typeCode) {
    HarmonicsWindowInfo info;
    info.typeCode = typeCode;
    info.loggerId = logger.GetLoggerId();
    info.description = logger.GetDescription();
    for (int i = 0; i < kMeasuredChannels; ++i) {
        info.channels[i] = active.channelTypes[i] == kPowerChannel;
        if (info.channels[i] && info.firstChannel < 0) {
            info.firstChannel = i;
        }
    }
    return info;
}

// The loop's side of the window, on the session: the logger's clock and capture, the window's buttons.
class SessionHarmonicsPort : public CHarmonicsLoopPort {
public:
    SessionHarmonicsPort(CSessionEL& session, CDataLogger& logger, CHarmonicsWindowLink& link, int rawSamples,
                         std::function<bool()> ending)
        : session_(session),
          logger_(logger),
          link_(link),
          raw_samples_(rawSamples),
          ending_(std::move(ending)) {}

    std::optional<std::string> ReadClock() override {
        std::string text;
        return logger_.ReadClock(text) ? std::optional<std::string>(text) : std::nullopt;
    }

    bool Capture(int channelIndex, std::vector<std::int32_t>& buffer, CaptureScales& scales) override {
        const CSUTInfo* active = logger_.GetSUTInfo(1);
        if (active == nullptr || !active->setupTable ||
            !logger_.ReadConfigValue(channelIndex, raw_samples_)) {
            return false;
        }
        const ConfigTable& table = logger_.GetConfigTable();
        std::copy(table.current.begin(), table.current.end(), buffer.begin());
        std::copy(table.voltage.begin(), table.voltage.end(), buffer.begin() + kCaptureVoltageOffset);
        const CSUTChannelHardware& channel = active->setupTable->GetHardwareChannel(channelIndex);
        scales = CaptureScales::For(logger_.GetAScalar(), logger_.GetVScalar(), logger_.GetRScalar(),
                                    channel.GetCTSize(), channel.GetPTRatio(), channel.GetCTType() != 0);
        return true;
    }

    void Show(HarmonicsDisplay display) override { link_.Show(std::move(display)); }

    std::optional<HarmonicsButton> NextRequest(bool wait) override {
        if (wait && !link_.HasButton()) {
            session_.WaitForLink([this] { return link_.HasButton() || link_.IsClosed() || ending_(); },
                                 kButtonWait);
        }
        return link_.Take();
    }

    bool SessionEnding() override { return ending_(); }

private:
    CSessionEL& session_;
    CDataLogger& logger_;
    CHarmonicsWindowLink& link_;
    int raw_samples_;
    std::function<bool()> ending_;
};

}  // namespace

void CSessionEL::OnHarmonics() {
    Trace("In CSessionEL::OnHarmonics()\n");
    const CommandScope scope(*this);
    std::vector<std::string> setups;
    if (!logger_ || !ListSetups(setups)) {
        return;
    }
    const CSUTInfo* active = logger_->GetSUTInfo(1);
    if (active == nullptr || !active->setupTable || !active->setupTable->HasActiveChannel(true)) {
        ShowMessageBoxId(IDS_SETUP_WITHOUT_CHANNEL, MB_OK, true);
    }
    if (active == nullptr) {
        return;
    }
    const int typeCode = GetLoggerType();
    const CaptureGeometry geometry =
        CaptureGeometry::For(typeCode, (active->optionByte & kFiftyHertzOption) != 0);
    auto link = std::make_shared<CHarmonicsWindowLink>(InfoOf(*logger_, *active, typeCode));
    link->SetWaker([this] { Wake(); });
    PostToMainWindow(platform::Message(WM_HARMONICS_WINDOW, 0, platform::MakePayload(link)));
    const auto ending = [this] { return IsAborted() || StopRequested(); };
    // The loop starts from the window's settings, once it is there.
    WaitForLink([&] { return link->IsOpen() || link->IsClosed() || ending(); }, kButtonWait);
    if (link->IsOpen() && !ending() && geometry.points != 0) {
        const HarmonicsWindowSettings settings = link->Settings();
        CHarmonicsAnalysis analysis(geometry);
        analysis.SetMode(settings.mode);
        CHarmonicsLog log(analysis, settings.dataFolder, link->Info().loggerId,
                          [] { return std::time(nullptr); });
        SessionHarmonicsPort port(*this, *logger_, *link, geometry.rawSamples, ending);
        CHarmonicsLoop loop(port, analysis, log, typeCode, settings.refreshCount, link->Info().firstChannel);
        loop.Run();
    }
    link->SetWaker({});
}
