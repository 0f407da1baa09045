// The program's session: the handlers that change a setting of the logger: its description, its modem
// string, its calibration scalars, its network settings and the password of its web login, and the restart
// that new network settings need.
#include <charconv>
#include <optional>
#include <string>

#include "kivo32/session/network_dialog_values.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/settings_ids.h"
#include "shared/setup/setup_codes.h"

namespace {

constexpr std::size_t kDescriptionMax = 20;
constexpr int kWebPasswordMax = 31;
constexpr int kRestartNoticeMs = 5000;
// A network logger is given time to drop its link before the session ends.
constexpr std::uint32_t kRestartSettleMs = 1000;
// The Quarven firmware number (the text from its third character) from which it can be calibrated.
constexpr double kFirstCalibratingQuarven = 400.192;

// The decimal number after the last '.' of a firmware text; 0 without one.
int FirmwareNumber(const std::string& text) {
    const std::size_t dot = text.rfind('.');
    int number = 0;
    if (dot != std::string::npos) {
        std::from_chars(text.data() + dot + 1, text.data() + text.size(), number);
    }
    return number;
}

// A scalar as text that reads back to the same float.
std::string ScalarText(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::optional<float> ParseScalar(const std::string& text) {
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool SupportsNetworkSettings(int typeCode, const std::string& firmwareText) {
    const int number = FirmwareNumber(firmwareText);
    if (typeCode == 0) {
        return number >= 133;
    }
    if (typeCode == 1 || typeCode == 2) {
        return number + 100 >= 52;
    }
    if (typeCode >= 3 && typeCode <= 10) {
        return number >= 149;
    }
    return typeCode >= 11;
}

}  // namespace

bool CSessionEL::SecondTryAfterAbort(const std::function<int()>& operation, unsigned failureId) {
    if (!IsAborted() || App().IsSet(CAppContext::Flag::Closing)) {
        return false;
    }
    App().Set(CAppContext::Flag::Abort, false);
    if (!operation()) {
        ShowMessageBoxId(failureId, MB_OK, true);
        return false;
    }
    return true;
}

LoggerNaming CSessionEL::NamingOfLogger() const {
    return {.loggerId = logger_->GetLoggerId(), .firmware = logger_->GetFirmwareText()};
}

void CSessionEL::OnSetDescription() {
    const CommandScope scope(*this);
    if (!logger_) {
        return;
    }
    SetDescriptionRequest request{.description = logger_->GetDescription().substr(0, kDescriptionMax),
                                  .logger = NamingOfLogger()};
    if (RunDialog(request) != IDOK) {
        return;
    }
    const std::string description = request.description.substr(0, kDescriptionMax);
    PostStatusString(STATUS_TEXT, IDS_WRITING_DESCRIPTION);
    if (!logger_->PrepareExtraWrite(description)) {
        ShowFailure(IDS_DESCRIPTION_FAILED);
        if (!SecondTryAfterAbort([&] { return logger_->PrepareExtraWrite(description); },
                                 IDS_DESCRIPTION_RETRY_FAILED)) {
            return;
        }
    }
    logger_->SetDescription(description);
    PostStatus(STATUS_DESCRIPTION, description);
    PostStatusString(STATUS_TEXT, IDS_DESCRIPTION_WRITTEN);
}

void CSessionEL::OnSetModemString() {
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_READING_MODEM_STRING);
    std::string modemString;
    if (!logger_ || !logger_->ReadModemString(modemString)) {
        ShowMessageBoxId(IDS_READ_MODEM_STRING_FAILED, MB_OK, true);
        return;
    }
    PostBlankStatus();
    SetModemStringRequest request{.modemString = modemString, .loggerTitle = logger_->GetTitleText()};
    if (RunDialog(request) != IDOK) {
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_WRITING_MODEM_STRING);
    if (logger_->SetModemString(request.modemString)) {
        PostStatusString(STATUS_TEXT, IDS_MODEM_STRING_WRITTEN);
    } else {
        ShowFailure(IDS_WRITE_MODEM_STRING_FAILED);
    }
}

void CSessionEL::OnSetScalars() {
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_READING_SCALARS);
    if (!logger_ || !logger_->ReadScalars()) {
        ShowFailure(IDS_READ_SCALARS_FAILED);
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_SCALARS_READ);
    SetScalarsRequest request{.a = ScalarText(logger_->GetAScalar()),
                              .v = ScalarText(logger_->GetVScalar()),
                              .r = ScalarText(logger_->GetRScalar()),
                              .logger = NamingOfLogger()};
    if (RunDialog(request) != IDOK) {
        return;
    }
    const std::optional<float> a = ParseScalar(request.a);
    const std::optional<float> v = ParseScalar(request.v);
    const std::optional<float> r = ParseScalar(request.r);
    if (!a || !v || !r) {
        ShowFailure(IDS_WRITE_SCALARS_FAILED);
        return;
    }
    SetLoggerScalars(*a, *v, *r);
}

int CSessionEL::SetLoggerScalars(float a, float v, float r) {
    if (logger_ && logger_->WriteScalars(a, v, r)) {
        ShowMessageBoxId(IDS_SCALARS_WRITTEN, MB_OK, true);
        logger_->SetAScalar(a);
        logger_->SetVScalar(v);
        logger_->SetRScalar(r);
        return 1;
    }
    if (!logger_) {
        return 0;
    }
    ShowFailure(IDS_WRITE_SCALARS_FAILED);
    // Halfway through, the logger may hold part of the new scalars: it gets its old ones back.
    SecondTryAfterAbort(
        [this] {
            return logger_->WriteScalars(logger_->GetAScalar(), logger_->GetVScalar(), logger_->GetRScalar());
        },
        IDS_SCALARS_RESTORE_FAILED);
    return 0;
}

template <class Request>
void CSessionEL::OnCalibrationDialog() {
    if (!logger_) {
        ShowMessageBoxId(IDS_CALIBRATION_NO_LOGGER, MB_OK, true);
        return;
    }
    if (GetLoggerType() >= kModelQuarvenRS) {
        // The Quarven calibrates itself only from firmware 400.192 on.
        const std::string& firmware = logger_->GetFirmwareText();
        if (firmware.empty()) {
            ShowMessageBoxId(IDS_CALIBRATION_NO_LOGGER, MB_OK, true);
            return;
        }
        double version = 0;
        const bool numbered =
            firmware.size() > 2 &&
            std::from_chars(firmware.data() + 2, firmware.data() + firmware.size(), version).ec ==
                std::errc();
        if (firmware.rfind("NX4", 0) != 0 || !numbered || version < kFirstCalibratingQuarven) {
            ShowMessageBoxId(IDS_CALIBRATION_FIRMWARE_TOO_OLD, MB_OK, true);
            return;
        }
    }
    const CommandScope scope(*this);
    PostStatusString(STATUS_TEXT, IDS_READING_SCALARS);
    if (!logger_->ReadScalars()) {
        ShowFailure(IDS_READ_SCALARS_FAILED);
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_READY_TO_CALIBRATE);
    Request request{{.typeCode = GetLoggerType(),
                     .loggerId = logger_->GetLoggerId(),
                     .firmware = logger_->GetFirmwareText(),
                     .a = logger_->GetAScalar(),
                     .v = logger_->GetVScalar(),
                     .r = logger_->GetRScalar(),
                     .ask = LoggerWindowAsker()}};
    RunDialog(request);
}

template void CSessionEL::OnCalibrationDialog<CalAmpScalarRequest>();
template void CSessionEL::OnCalibrationDialog<CalVoltTempScalarRequest>();

void CSessionEL::OnSetNetworkInfo() {
    const CommandScope scope(*this);
    if (!logger_ || !SupportsNetworkSettings(GetLoggerType(), GetConnection()->GetFirmwareVersion())) {
        ShowMessageBoxId(IDS_NOT_SUPPORTED, MB_OK, true);
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_READING_NETWORK);
    NetworkSettings settings;
    if (!logger_->ReadNetworkSettings(settings, true)) {
        // The memory models' read tells its failure itself.
        if (GetLoggerType() >= kModelQuarvenRS) {
            ShowMessageBoxId(IDS_NETWORK_SETTINGS_UNREADABLE, MB_OK, true);
        }
        return;
    }
    SetNetworkInfoRequest request{
        .logger = NamingOfLogger(), .settings = settings, .quarven = GetLoggerType() >= kModelQuarvenRS};
    PostBlankStatus();
    if (RunDialog(request) != IDOK) {
        return;
    }
    TakeNetworkValues(request.settings, settings);
    PostStatusString(STATUS_TEXT, IDS_WRITING_NETWORK);
    if (logger_->WriteNetworkSettings(settings, false)) {
        RestartLogger();
    } else {
        ShowNetworkWriteFailure();
    }
}

void CSessionEL::OnSetWebPassword() {
    const CommandScope scope(*this);
    if (!logger_ || GetLoggerType() < kModelQuarvenRS) {
        ShowMessageBoxId(IDS_NOT_SUPPORTED, MB_OK, true);
        return;
    }
    WebPasswordRequest request{.prompt = LoadText(IDS_WEB_PASSWORD_PROMPT),
                               .title = LoadText(IDS_WEB_PASSWORD_TITLE),
                               .limit = kWebPasswordMax,
                               .password = {}};
    if (RunDialog(request) != IDOK) {
        return;
    }
    if (!logger_->SendTextSetting("L!WWEBPASS", request.password, kWebPasswordMax, true)) {
        ShowMessageBoxId(IDS_WEB_PASSWORD_FAILED, MB_OK, true);
    }
}

void CSessionEL::RestartLogger() {
    PostStatusString(STATUS_TEXT, IDS_RESTARTING);
    ShowTimedNotice(LoadText(IDS_RESTART_NOTICE), kRestartNoticeMs);
    GetConnection()->DoCommand("!!RESTART", 8000);
    // The logger drops its link to restart: the session ends, quietly on a network link.
    if (GetLinkKind() == kLinkNetwork) {
        PostToApplication(platform::Message(WM_END_SESSION, 2));
        WaitLinkTime(kRestartSettleMs);
    } else {
        PostToApplication(platform::Message(WM_END_SESSION, 0));
    }
}
