// The program's session: its thread start, the logger object it owns, and its message table.
#include "kivo32/session/session_el.h"

#include <memory>

#include "kivo32/session/firmware_requests.h"
#include "kivo32/session/logger_clock_reading.h"
#include "kivo32/session/logger_version_reading.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/program_texts.h"
#include "shared/common/error_texts.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/net_link_error.h"
#include "shared/logger/data_logger.h"
#include "shared/setup/setup_table.h"

namespace {

// Configuration bits of the logger (a result of all ones means none could be read).
constexpr int kWiFiModuleBit = 0x04;
constexpr int kWebLoginBit = 0x08;

int ConfigurationBit(const CDataLogger* logger, int bit) {
    if (logger == nullptr) {
        return 0;
    }
    const int bits = logger->GetConfigurationBits();
    return bits != -1 && (bits & bit) ? 1 : 0;
}

}  // namespace

CSessionEL::CSessionEL(CSessionOwner& owner, CAppContext& app, CLinkSettings settings)
    : CSession(app), owner_(owner), settings_(std::move(settings)) {
    App().Set(CAppContext::Flag::Abort, false);
}

CSessionEL::~CSessionEL() {
    // The handlers use the logger: the thread ends before it goes, and it goes before its connection.
    StopAndJoin();
    logger_.reset();
}

std::string CSessionEL::LoggerText() const {
    return logger_ ? logger_->GetTitleText() : std::string();
}

int CSessionEL::LoggerHasWiFi() const {
    const auto lock = LockLinkObjects();
    return ConfigurationBit(logger_.get(), kWiFiModuleBit);
}

int CSessionEL::LoggerHasWebLogin() const {
    const auto lock = LockLinkObjects();
    return ConfigurationBit(logger_.get(), kWebLoginBit);
}

void CSessionEL::OnStart() {
    CSession::OnStart();
    InitInstance();
}

void CSessionEL::InitInstance() {
    ClearNetLinkError();
    PostToMainWindow(platform::Message(WM_CLOSE_COMMAND, 0));
    BeginCommand();
    if (GetLinkKind() == kLinkNone) {
        SetLinkKind(settings_.linkKind);
    }
    const bool direct = GetLinkKind() == kLinkDirect;
    // A session that answers opens the modem line and waits for a logger to call in.
    const bool answering = GetLinkKind() == kLinkModem && settings_.answering;
    bool linked = false;
    if (CreateConnection() && !IsAborted()) {
        linked = GetConnection()->Create() != 0;
        if (!linked && !IsAborted() && direct) {
            linked = FindLoggerPort(settings_.portName, settings_.directBaud, false) != 0;
        }
    }
    bool connected = false;
    if (linked && !IsAborted() && !answering) {
        connected = ConnectLogger() != 0;
        if (!connected && !IsAborted() && direct && GetConnectStage() < kStageModel) {
            connected = FindLoggerPort(settings_.portName, settings_.directBaud, true) != 0;
        }
    }
    PostToMainWindow(platform::Message(WM_CLOSE_COMMAND, 1));
    if (answering && linked && !IsAborted()) {
        // The command stays in progress until the call is answered (OnCallAnswered) or cancelled.
        waiting_for_call_.store(true);
        return;
    }

    // A command chosen before the link existed runs once, and only on this link.
    const unsigned pendingCommand = owner_.TakePendingCommand();
    if (connected && !IsAborted()) {
        PostStatusString(STATUS_TEXT, IDS_LOGGER_CONNECTED);
        SetConnected(true);
        if (direct) {
            OfferSaveBaud(GetConnection()->GetBaudRate());
        }
        App().SetLoggerType(GetLoggerType());
        EndCommand();
        if (pendingCommand != 0) {
            PostToMainWindow(platform::Message(WM_COMMAND, pendingCommand));
        }
        return;
    }
    EndCommand();
    if (!IsAborted() && !answering) {
        ShowConnectFailure();
    }
    PostToApplication(platform::Message(WM_END_SESSION, 0));
}

bool CSessionEL::CreateConnection() {
    switch (GetLinkKind()) {
        case kLinkDirect:
            return NewDirectConnection(settings_.portName, settings_.directBaud) != 0;
        case kLinkModem:
            return NewModemConnection() != 0;
        case kLinkNetwork:
            return NewNetworkConnection(settings_.networkAddress, settings_.networkPort,
                                        settings_.directBaud) != 0;
        default:
            return false;
    }
}

void CSessionEL::ShowConnectFailure() const {
    if (GetLinkKind() == kLinkNetwork && NetLinkErrorCode() != 0) {
        ShowSystemErrorMessage(NetLinkErrorCode(), NetLinkErrorText() + LoadText(IDS_NETWORK_CONNECT_FAILED),
                               LoadText(IDS_NETWORK_CONNECT_FAILED_TITLE));
    } else {
        ShowMessageBoxId(IDS_CONNECT_FAILED_MESSAGE, MB_OK, true);
    }
}

void CSessionEL::OnDropLogger() {
    std::unique_ptr<CDataLogger> dropped;
    {
        const auto lock = LockLinkObjects();
        dropped = std::move(logger_);
    }
    CSession::OnDropLogger();
}

void CSessionEL::SayFarewell(int reason) {
    // A link whose far end went has nobody left to say goodbye to.
    if (logger_ && GetConnection() != nullptr && !GetConnection()->IsLinkLost()) {
        logger_->Disconnect(reason);
    }
}

void CSessionEL::OnCommand(platform::Message& message) {
    switch (message.id) {
        case WM_SESSION_READ_VERSIONS:
            if (const auto* reading = platform::PayloadAs<std::shared_ptr<CLoggerVersionReading>>(message);
                reading != nullptr && *reading != nullptr) {
                ReadForVersionCheck(**reading);
            }
            break;
        case WM_SESSION_CALL_ANSWERED:
            OnCallAnswered();
            break;
        case WM_SESSION_SCAN_WIFI:
            ScanWiFiFor(message);
            break;
        case WM_SESSION_AUTO_CALIBRATION:
            OnAutoCalibration();
            break;
        case WM_SESSION_CALIBRATION_COUNTS:
        case WM_SESSION_CALIBRATION_SCALARS:
        case WM_SESSION_CALIBRATION_MEASURE:
            TakeCalibrationRequest(message);
            break;
        case WM_SESSION_READ_CLOCK:
            if (const auto* reading = platform::PayloadAs<std::shared_ptr<CLoggerClockReading>>(message);
                reading != nullptr && *reading != nullptr) {
                ReadClockFor(**reading);
            }
            break;
        case WM_SESSION_SETUP_FORM_FACTS:
            ReadSetupFormFacts(message);
            break;
        case WM_SESSION_TERMINAL:
            OnTerminal(platform::PayloadAs<std::string>(message));
            break;
        case WM_SESSION_FIRMWARE_UPDATE:
            if (const auto* request = platform::PayloadAs<FirmwareTransferRequest>(message)) {
                OnFirmwareUpdate(*request);
            }
            break;
        case WM_SESSION_START_STOP_LOGGING:
            OnStartStopLogging();
            break;
        case WM_SESSION_CLEAR_MEMORY:
        case WM_SESSION_CLEAR_PEAK:
        case WM_SESSION_CLEAR_TOTALS:
        case WM_SESSION_MEMORY_TEST:
            RunSimpleCommandFor(message.id);
            break;
        case WM_SESSION_REAL_TIME_TEXT:
        case WM_SESSION_REAL_TIME_GRAPH:
            OnRealTimeValues(message.id == WM_SESSION_REAL_TIME_GRAPH);
            break;
        case WM_SESSION_TOGGLE_OPTION:
            OnToggleOption();
            break;
        case WM_SESSION_LOGGER_PROPERTIES:
            OnLoggerProperties();
            break;
        case WM_SESSION_HARMONICS:
            OnHarmonics();
            break;
        case WM_SESSION_WF_CAPTURE:
            OnWaveformCapture();
            break;
        case WM_SESSION_READ_ALL_DATA:
        case WM_SESSION_READ_NEW_DATA: {
            DownloadRequest request;
            if (auto* sent = platform::PayloadAs<DownloadRequest>(message)) {
                request = std::move(*sent);
            }
            if (message.id == WM_SESSION_READ_ALL_DATA) {
                OnReadAllData(message.wParam != 0, std::move(request));
            } else {
                OnReadNewData(message.wParam != 0, std::move(request));
            }
            break;
        }
        case WM_SESSION_SET_TIME:
            OnSetTime();
            break;
        case WM_SESSION_SYNC_TIME:
            OnSyncTime();
            break;
        case WM_SESSION_SET_DESCRIPTION:
            OnSetDescription();
            break;
        case WM_SESSION_SET_BAUD_RATE:
            OnSetBaudRate();
            break;
        case WM_SESSION_SYNC_BAUD_RATE:
            OnSyncBaudRate();
            break;
        case WM_SESSION_READ_CALL_SCHEDULE:
            OnReadCallSchedule();
            break;
        case WM_SESSION_CALL_SCHEDULE:
            OnCallSchedule();
            break;
        case WM_SESSION_SET_MODEM_STRING:
            OnSetModemString();
            break;
        case WM_SESSION_SET_SCALARS:
            OnSetScalars();
            break;
        case WM_SESSION_CAL_AMP_SCALAR:
            OnCalibrationDialog<CalAmpScalarRequest>();
            break;
        case WM_SESSION_CAL_VOLT_TEMP_SCALAR:
            OnCalibrationDialog<CalVoltTempScalarRequest>();
            break;
        case WM_SESSION_SET_NETWORK_INFO:
            OnSetNetworkInfo();
            break;
        case WM_SESSION_SET_LOGGER_IDS:
            OnSetLoggerIDs();
            break;
        case WM_SESSION_SET_WIFI_INFO:
            OnSetWiFiInfo();
            break;
        case WM_SESSION_SET_WEB_PASSWORD:
            OnSetWebPassword();
            break;
        case WM_SESSION_READ_SETUP_TABLE:
            OnReadSetupTable();
            break;
        case WM_SESSION_READ_ENERGY_SUMMARY:
            OnReadEnergySummary();
            break;
        case WM_SESSION_PROGRAM_LOGGER:
            if (const auto* setup = platform::PayloadAs<CSetupTable>(message)) {
                OnProgramLogger(*setup);
            }
            break;
        default:
            break;
    }
}
