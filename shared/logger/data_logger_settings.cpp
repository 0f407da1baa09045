// CDataLogger: the setting commands: clock, baud rate, logger ID, modem string, scalars, schedule
// refresh, wired network settings and the calibration reference.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/base/local_time.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/logger/byte_block.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/identity_record.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/network_field.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/settings_ids.h"

namespace {

constexpr std::size_t kLoggerIdMax = 6;
constexpr std::size_t kModemStringMax = 60;
constexpr int kNetworkReplyMax = 80;
constexpr int kDescriptionSize = 21;
constexpr int kDescriptionOffset = 6;
constexpr std::size_t kScheduleSize = 144;

// "<command> " and two hex digits a character; bytes from 0x80 as their own two digits.
std::string HexTextCommand(const char* command, const std::string& text) {
    std::string line = std::string(command) + " ";
    char pair[3];
    for (const char c : text) {
        std::snprintf(pair, sizeof pair, "%2.02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
        line += pair;
    }
    return line;
}

std::uint32_t FloatBits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

int CDataLogger::SetLoggerClock(std::time_t time) {
    const std::optional<std::tm> t = IsQuarven() ? platform::ToUtcTime(time) : platform::ToLocalTime(time);
    if (!t) {
        // A clock set from fields the conversion could not give would be set wrong.
        return 0;
    }
    char command[96];
    std::snprintf(command, sizeof command, "%s %2.02d:%2.02d:%2.02d %2.02d/%2.02d/%2.02d", "C!", t->tm_hour,
                  t->tm_min, t->tm_sec, t->tm_mon + 1, t->tm_mday, (t->tm_year + 1900) % 100);
    return CheckCommandLength(command) && connection_->DoCommand(command, 8000);
}

int CDataLogger::BaudRateCode(int rate) {
    switch (rate) {
        case 1200:
            return 15;
        case 4800:
            return 13;
        case 9600:
            return 12;
        case 14400:
            return 3;
        case 19200:
            return 11;
        case 28800:
            return 2;
        case 57600:
            return 1;
        default:
            return 14;
    }
}

int CDataLogger::SetBaudRate(int rate) {
    char command[32];
    std::snprintf(command, sizeof command, "%s %d", "I!14", BaudRateCode(rate));
    const int oldRate = connection_->GetBaudRate();
    if (connection_->DoCommand(command, 8000)) {
        connection_->SetBaudRate(rate);
        connection_->SetPortBaud(rate);
        return 1;
    }
    // The logger may have taken the rate with its answer lost on the way: one that answers at the new
    // rate has it. A link without a line rate (the network) cannot tell, and keeps the old.
    if (connection_->SetPortBaud(rate)) {
        connection_->SetBaudRate(rate);
        if (connection_->IsGoodConnection(TIMEOUT_2000)) {
            return 1;
        }
        connection_->SetBaudRate(oldRate);
        connection_->SetPortBaud(oldRate);
    }
    if (!connection_->WakeLogger(true)) {
        connection_->Establish();
    }
    return 0;
}

int CDataLogger::SetLoggerId(const std::string& text) {
    if (text.size() > kLoggerIdMax) {
        return 0;
    }
    return connection_->DoCommand(HexTextCommand("I!E", text), 12000);
}

int CDataLogger::RestartAfterIdChange() {
    return connection_->DoCommand("G!", 12000) && connection_->DoCommand("I!4", 12000);
}

void CDataLogger::ReplaceFirmwareTextPrefix(const std::string& prefix) {
    constexpr std::size_t kVersionTail = 4;
    const std::string tail = firmware_text_.size() >= kVersionTail
                                 ? firmware_text_.substr(firmware_text_.size() - kVersionTail)
                                 : std::string();
    firmware_text_ = prefix + tail;
    firmware_number_ = FirmwareNumber(firmware_text_);
    connection_->SetFirmwareVersion(firmware_text_);
}

int CDataLogger::SetModemString(const std::string& text) {
    if (text.size() > kModemStringMax) {
        return 0;
    }
    return connection_->DoCommand("+! " + text, 8000);
}

int CDataLogger::ReadModemString(std::string& text) {
    if (!SendQuery("+?", text, static_cast<int>(kModemStringMax))) {
        return 0;
    }
    const std::size_t equals = text.rfind('=');
    if (equals != std::string::npos) {
        text.erase(equals);
    }
    return 1;
}

int CDataLogger::PrepareExtraWrite(const std::string& text) {
    ByteBlock block = NewByteBlock(kDescriptionSize);
    std::copy_n(text.begin(), std::min(text.size(), block.bytes.size()), block.bytes.begin());
    return WriteMemoryBlock(block, IdAreaAddress() + kDescriptionOffset);
}

int CDataLogger::WriteExtraBlock(const std::string& text) {
    if (text.size() > kLoggerIdMax) {
        return 0;
    }
    return connection_->DoCommand(HexTextCommand("I!B", text), 12000);
}

int CDataLogger::WriteTextField(const std::string& tag, const std::string& text, int fieldLength) {
    ByteBlock block = NewByteBlock(fieldLength);
    std::copy_n(text.begin(), std::min(text.size(), block.bytes.size()), block.bytes.begin());
    return FormatBlockWrite(tag, block);
}

int CDataLogger::SendTextSetting(const std::string& tag, const std::string& value, int fieldLength,
                                 bool secret) {
    if (!secret) {
        return WriteTextField(tag + "=", value, fieldLength);
    }
    // The field's hex digits, as the block write puts them in the command, are what the traces hide.
    std::string field;
    char pair[3];
    for (int i = 0; i < fieldLength; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        std::snprintf(pair, sizeof pair, "%2.02X",
                      at < value.size() ? static_cast<unsigned char>(value[at]) : 0u);
        field += pair;
    }
    connection_->SetTraceSecret(field);
    const int result = WriteTextField(tag + "=", value, fieldLength);
    connection_->SetTraceSecret({});
    return result;
}

int CDataLogger::WriteCallSchedule(std::span<const std::uint8_t> record) {
    connection_->WaitMsgPump({}, 1000, false);
    const int status = ReadStatus();
    transfer_active_ = true;
    ByteBlock block = NewByteBlock(static_cast<int>(kScheduleSize));
    int result = 0;
    if (status) {
        std::copy_n(record.begin(), std::min(record.size(), kScheduleSize), block.bytes.begin());
        result = WriteMemoryBlock(block, header_words_[2]);
    }
    FreeByteBlock(block);
    PostStatusValue(STATUS_COMMAND_DONE, 0);
    transfer_active_ = false;
    return result;
}

int CDataLogger::WriteScalars(float a, float v, float) {
    char command[40];
    std::snprintf(command, sizeof command, "*! %lX %lX", static_cast<unsigned long>(FloatBits(a)),
                  static_cast<unsigned long>(FloatBits(v)));
    return connection_->DoCommand(command, 12000);
}

int CDataLogger::SendScheduleRCommand() {
    return connection_->DoCommand("SCHEDULE /R \r", 12000);
}

int CDataLogger::WriteNetworkSettings(const NetworkSettings& settings, bool withMac) {
    struct Field {
        const char* command;
        int kind;
        const std::string& value;
    };
    const Field fields[] = {{"_!I", kNetworkAddress, settings.address},
                            {"_!S", kNetworkMask, settings.mask},
                            {"_!P", kNetworkPort, settings.port},
                            {"_!G", kNetworkGateway, settings.gateway},
                            {"_!M", kNetworkMac, settings.mac}};
    for (const Field& field : fields) {
        if (field.kind == kNetworkMac && !withMac) {
            break;
        }
        char command[40];
        std::snprintf(command, sizeof command, "%s %s\r", field.command,
                      FormatNetworkField(field.kind, field.value).c_str());
        if (!connection_->DoCommand(command, 8000)) {
            return 0;
        }
    }
    // The logger restarts on the reset and drops the link: its answer is not awaited.
    connection_->SetResettingLogger(true);
    connection_->DoCommand("_!RESET", 8000);
    connection_->SetResettingLogger(false);
    return 1;
}

int CDataLogger::ReadNetworkSettings(NetworkSettings& settings, bool withMac) {
    settings = NetworkSettings{};
    struct Field {
        const char* command;
        int kind;
        std::string& value;
    };
    Field fields[] = {{"_?I", kNetworkAddress, settings.address},
                      {"_?S", kNetworkMask, settings.mask},
                      {"_?G", kNetworkGateway, settings.gateway},
                      {"_?P", kNetworkPort, settings.port},
                      {"_?M", kNetworkMac, settings.mac}};
    for (Field& field : fields) {
        if (field.kind == kNetworkMac && !withMac) {
            break;
        }
        std::string reply;
        if (!SendQuery(field.command, reply, kNetworkReplyMax)) {
            ShowMessageBoxId(IDS_NETWORK_SETTINGS_UNREADABLE, MB_OK, true);
            return 0;
        }
        // The value stands before the reply's last "="; a reply without one leaves the value as it was.
        const std::size_t equals = reply.rfind('=');
        if (equals != std::string::npos) {
            reply.erase(equals);
        } else if (reply.size() >= 2) {
            reply.clear();
        }
        if (!reply.empty()) {
            field.value = FormatSettingText(field.kind, reply);
        }
    }
    return 1;
}

int CDataLogger::ReadCalibrationReference(int& index, float& value1, float& value2) {
    if (!connection_->DoCommand("#?", 12000)) {
        return 0;
    }
    // The values follow the reply's first line.
    const std::string reply = connection_->GetReceivedText();
    const std::size_t first = reply.find_first_not_of("\r\n");
    const std::size_t lineEnd = first == std::string::npos ? std::string::npos : reply.find('\n', first);
    if (lineEnd == std::string::npos) {
        return 0;
    }
    return std::sscanf(reply.c_str() + lineEnd + 1, "%d, %f, %f", &index, &value1, &value2) == 3;
}
