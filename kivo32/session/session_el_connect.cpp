// The program's session: connect and identify, the port search, and keeping a new link speed.
#include <new>
#include <string>

#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection_direct.h"
#include "shared/link/link_ids.h"
#include "shared/link/net_link_error.h"
#include "shared/link/port_names.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/data_logger.h"

namespace {

// The record memory, in KB, from which a logger below type code 13 is a high-memory model, and up to
// which it is one.
constexpr std::int64_t kHighMemoryFromKb = 124;
constexpr std::int64_t kHighMemoryToKb = 513;

}  // namespace

int CSessionEL::ConnectLogger() {
    CConnection* connection = GetConnection();
    int result = 0;
    SetConnectStage(kStageEstablish);
    if (!IsAborted() && connection->Establish()) {
        SetConnectStage(kStageIdentify);
        if (!IsAborted() && connection->IdentifyLogger()) {
            SetConnectStage(kStageModel);
            if (!IsAborted() && DecodeModel()) {
                CLastConnection last{GetLinkKind(), {}, connection->GetBaudRate(), {}, {}, {}};
                if (const auto* direct = dynamic_cast<const CConnectionDirect*>(connection)) {
                    // After a port search, the port and speed that answered.
                    last.portName = direct->GetPortName();
                } else if (GetLinkKind() == kLinkModem) {
                    last.portName = owner_.GetLinkPortName();
                    last.modemNumber = settings_.modemNumber;
                } else {
                    last.networkAddress = settings_.networkAddress;
                    last.networkPort = settings_.networkPort;
                }
                owner_.SetLastConnection(std::move(last));
                SetConnectStage(kStageLoggerObject);
                result = !IsAborted() && MakeLoggerObject() ? 1 : 0;
            }
        }
    }
    if (NetLinkErrorCode() != 0) {
        return 0;
    }
    if (result != 0) {
        SetConnectStage(kStageSessionStart);
        SetSendMode(SEND_MODE_ECHO);
        result = logger_->InitializeSession();
    }
    if (result != 0) {
        SetConnectStage(kStageMemoryText);
        std::string shown = GetModelName();
        if (GetLoggerType() < 13) {
            const std::int64_t kb = (logger_->GetUsedCount() + logger_->GetFreeCount()) / 1024;
            shown += kb >= kHighMemoryFromKb && kb <= kHighMemoryToKb ? " HiMem" : " LoMem";
        }
        SetDisplayedModelName(std::move(shown));
        PostStatus(STATUS_MODEL_NAME, std::intptr_t{0});
        App().CommTrace("Logger connected okay!");
        owner_.LoggerConnected(*this);
    }
    return result;
}

bool CSessionEL::MakeLoggerObject() {
    std::unique_ptr<CDataLogger> made;
    try {
        made = CreateDataLogger(GetConnection(), GetLoggerType());
    } catch (const std::bad_alloc&) {
        Trace("ConnectLogger(): out of memory while making the logger object");
    }
    if (!made) {
        return false;
    }
    {
        const auto lock = LockLinkObjects();
        logger_ = std::move(made);
    }
    if (GetLoggerType() >= 13) {
        PostStatus(STATUS_LINK_SPEED, std::string());
    }
    return true;
}

int CSessionEL::FindLoggerPort(const std::string& triedPort, int triedSpeed, bool connectToo) {
    if (GetConnection() != nullptr) {
        GetConnection()->CloseLink();
    }
    if (!owner_.IsPortSearchAllowed()) {
        return 0;
    }
    const std::string tried = TrimAtFirstSpace(triedPort);
    for (const std::string& port : owner_.SerialPortList()) {
        for (const int speed : kSearchSpeeds) {
            if (TrimAtFirstSpace(port) == tried && speed == triedSpeed) {
                continue;
            }
            PostStatus(STATUS_TEXT,
                       platform::FormatLoadedText(IDS_SEARCHING_PORT, {port, std::to_string(speed)}));
            NewDirectConnection(port, speed);
            if (IsAborted()) {
                return 0;
            }
            if (!GetConnection()->Create()) {
                continue;
            }
            if (!connectToo || ConnectLogger()) {
                return 1;
            }
            GetConnection()->CloseLink();
            if (IsAborted()) {
                return 0;
            }
        }
    }
    return 0;
}

void CSessionEL::OfferSaveBaud(int speed) {
    if (GetLoggerType() >= 13 || speed == owner_.GetStoredBaud(GetLinkKind())) {
        return;
    }
    const int answer = ShowMessageBox(platform::FormatLoadedText(IDS_KEEP_SPEED, {std::to_string(speed)}),
                                      MB_ICONQUESTION, false, {}, LoadText(IDS_KEEP_SPEED_YES),
                                      LoadText(IDS_KEEP_SPEED_NO), LoadText(IDS_KEEP_SPEED_CANCEL));
    if (MessageBoxButton(answer) == IDC_MSGBOX_BUTTON1) {
        owner_.StoreBaud(GetLinkKind(), speed);
    }
}
