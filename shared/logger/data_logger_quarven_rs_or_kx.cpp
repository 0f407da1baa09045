// CDataLoggerQuarvenRSorKX: session start with the configuration word and interface, farewell, demand
// window and extended values, record queries and real-time values of the Quarven loggers.
#include "shared/logger/data_logger_quarven_rs_or_kx.h"

#include <cstdio>
#include <cstdlib>

#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/datafile/model_names.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "shared/logger/firmware_features.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/quarven_extended_reply.h"
#include "shared/logger/real_time_decode.h"

namespace {

constexpr int kKxBit = 0x40;
constexpr double kOldestKxFirmware = 400.224;
constexpr int kTimedAttempts = 3;

struct InterfaceName {
    const char* reply;
    const char* name;
    int kind;
};
constexpr InterfaceName kInterfaces[] = {
    {"ETH", "Ethernet", 4}, {"BT", "Bluetooth", 2}, {"CEL", "Cell Modem", 3}, {"USB", "USB", 1}, {"WFI", "WiFi", 5},
};

std::uint32_t LittleEndian(std::span<const std::uint8_t> b, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = value << 8 | b[i];
    }
    return value;
}

}  // namespace

CDataLoggerQuarvenRSorKX::CDataLoggerQuarvenRSorKX(CConnection* connection, int typeCode)
    : CDataLogger(connection, typeCode, 2) {
    extended_setup_ = true;
}

int CDataLoggerQuarvenRSorKX::InitializeSession() {
    CSession* session = Session();
    if (session == nullptr) {
        return 0;
    }
    App().SetLoggerType(type_code_);
    connection_->SetCommandLimit(GetCommandLimit());
    const int identified = DecodeIdentity(true);
    connection_->SendEscape();
    connection_->WaitMsgPump({}, 100, false);
    if (!identified) {
        return 0;
    }
    configuration_word_ = connection_->ReadConfigurationWord();
    if (configuration_word_ == -1 || !(configuration_word_ & kKxBit)) {
        session->SetLoggerType(kModelQuarvenRS);
        session->SetModelName(GetLoggerTypeName(kModelQuarvenRS));
    } else {
        type_code_ = kModelQuarvenKX;
        session->SetLoggerType(kModelQuarvenKX);
        session->SetModelName(GetLoggerTypeName(kModelQuarvenKX));
        if (std::strtod(firmware_text_.c_str() + std::min<std::size_t>(2, firmware_text_.size()), nullptr) <
            kOldestKxFirmware) {
            ShowMessageBoxId(IDS_OLD_FIRMWARE, MB_OK, true);
        }
    }
    const std::size_t point = firmware_text_.find('.');
    const int lineModeFirmware = point == std::string::npos ? 0 : std::atoi(firmware_text_.c_str() + point + 1) + 100;
    if (!SupportsLineMode(kModelQuarvenRS, lineModeFirmware) && !SetEchoMode(false)) {
        return 0;
    }
    if (!ReadInterface()) {
        return 0;
    }
    PostTitle("%s / %s");
    if (!ReadSessionSetup(SessionFirmwareVersion() < 115 ? 7 : 8)) {
        return 0;
    }
    return SendProgramVersion();
}

int CDataLoggerQuarvenRSorKX::ReadInterface() {
    std::string reply;
    if (!connection_->DoCommandGetText("I?I", reply, 12000)) {
        return 0;
    }
    interface_text_.clear();
    int kind = 0;
    for (const InterfaceName& entry : kInterfaces) {
        if (reply == entry.reply) {
            interface_text_ = entry.name;
            kind = entry.kind;
        }
    }
    if (CSession* session = Session()) {
        session->SetInterfaceKind(kind);
    }
    PostStatusText(STATUS_LINK_SPEED, interface_text_);
    return 1;
}

int CDataLoggerQuarvenRSorKX::SendProgramVersion() {
    if (!connection_->DoCommand("I!X " + std::to_string(kProgramBuild), 16000)) {
        return 0;
    }
    char reply[31] = {};
    connection_->CopyReply(reply, 30);
    const std::string_view text(reply);
    if (text.rfind("ERR", 0) == 0) {
        ShowMessageBoxId(IDS_VERSION_REFUSED, MB_OK, true);
    } else if (text.rfind("OK", 0) != 0) {
        ShowMessageBoxId(IDS_VERSION_UNKNOWN_REPLY, MB_OK, true);
    }
    return 1;
}

int CDataLoggerQuarvenRSorKX::Disconnect(int reason) {
    if (connection_->IsSessionEnded()) {
        return 1;
    }
    App().Set(CAppContext::Flag::Abort, false);
    connection_->SetQuietShutdown(reason == 2);
    if (App().IsSet(CAppContext::Flag::NoFarewell)) {
        return 1;
    }
    connection_->ClearReceiveBuffer();
    // The logger goes to sleep at once: there is no answer to wait for.
    connection_->SendCommand("S!", 4000);
    connection_->WaitMsgPump({}, 500, false);
    connection_->SetSessionEnded(true);
    return 1;
}

int CDataLoggerQuarvenRSorKX::ArmLogger(bool commandMode) {
    if (!ArmWith("@?", 4000, commandMode)) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_CLOCK);
    std::string clock;
    return ReadClock(clock);
}

int CDataLoggerQuarvenRSorKX::ReadConfiguration() {
    configuration_word_ = connection_->ReadConfigurationWord();
    return configuration_word_;
}

int CDataLoggerQuarvenRSorKX::WriteConfiguration(int value) {
    return connection_->DoCommand("L!CONFIGURATION=" + std::to_string(value), 8000);
}

int CDataLoggerQuarvenRSorKX::ReadDemandWindow(int& minutes) {
    std::string reply;
    return connection_->DoCommandGetText("T?P", reply, 8000) && std::sscanf(reply.c_str(), "WINDOW: %d", &minutes) == 1;
}

int CDataLoggerQuarvenRSorKX::ReadTimedValues(CSUTExtendedData& extended) {
    int ok = 0;
    for (int attempt = 0; attempt < kTimedAttempts && !ok; ++attempt) {
        ok = connection_->DoCommand("R?K", 8000);
    }
    return ok && ParseQuarvenTimedValues(ReplyText(), extended);
}

int CDataLoggerQuarvenRSorKX::ReadExtraValues(CSUTExtendedData& extended) {
    return connection_->DoCommand("R?R", 8000) && ParseQuarvenExtraValues(ReplyText(), extended);
}

std::string CDataLoggerQuarvenRSorKX::ReplyText() const {
    const std::string text = connection_->GetReceivedText();
    const std::size_t first = text.find_first_not_of("\r\n");
    return first == std::string::npos ? std::string() : text.substr(first);
}

int CDataLoggerQuarvenRSorKX::DecodeRealTimeValues() {
    return CDataLogger::DecodeRealTimeValues() && DecodeQuarvenRealTime(BlockData(), *GetSUTInfo(1), type_code_, real_time_values_);
}

void CDataLoggerQuarvenRSorKX::DecodeHeaderRecord(std::span<const std::uint16_t> words) {
    DecodeSetupWords(words, SessionFirmwareVersion() >= 115);
}

int CDataLoggerQuarvenRSorKX::DecodeSupplyVoltages() {
    return DecodeByteSupplyVoltages(SessionFirmwareVersion() >= 119);
}

int CDataLoggerQuarvenRSorKX::DecodeRealTimeImage() {
    return DecodeRealTimeValues() && !block_data_.empty();
}

int CDataLoggerQuarvenRSorKX::ReadRecordInfo(bool all, std::uint32_t& value) {
    if (!DoBlockCommand(all ? "R?I" : "R?I,0", 8000, -1) || BlockData().size() < 4) {
        return -12;
    }
    value = LittleEndian(BlockData(), 4);
    return 0;
}

std::int64_t CDataLoggerQuarvenRSorKX::ReadRecordCount(int n) {
    const std::string command = n == -1 ? "R?C" : "R?C," + std::to_string(n);
    if (!DoBlockCommand(command, 8000, -1) || BlockData().size() < 4) {
        return -1;
    }
    const std::uint32_t count = LittleEndian(BlockData(), 4);
    return count == 0xFFFFFFFFu ? -1 : std::int64_t{count};
}

int CDataLoggerQuarvenRSorKX::ReadRecordSize() {
    return DoBlockCommand("R?S", 8000, -1) && BlockData().size() >= 2 ? static_cast<int>(LittleEndian(BlockData(), 2)) : -1;
}

int CDataLoggerQuarvenRSorKX::ReadRecordsAvailable() {
    return DoBlockCommand("R?A", 8000, -1) && BlockData().size() >= 2 ? static_cast<int>(LittleEndian(BlockData(), 2)) : -1;
}

int CDataLoggerQuarvenRSorKX::SetReplyMode(bool binary) {
    if (App().IsSet(CAppContext::Flag::ReplyModeLock)) {
        return 1;
    }
    connection_->SetReplyMode(binary ? 'B' : 'H');
    return connection_->DoCommand(binary ? "R!B" : "R!H", 8000);
}

int CDataLoggerQuarvenRSorKX::EnterBinaryReplies(bool restoreBinary) {
    constexpr int kAttempts = 3;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (SetReplyMode(true)) {
            return 1;
        }
        AbortTransfer(restoreBinary);
    }
    return 0;
}
