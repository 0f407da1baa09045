// CDataLogger: the option byte, call schedule, read range, terminal and module commands and setup
// activation.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "shared/link/connection.h"
#include "shared/link/session.h"
#include "shared/logger/call_schedule.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/firmware_features.h"
#include "shared/logger/reply_field.h"
#include "shared/setup/setup_codes.h"

namespace {

constexpr std::size_t kTerminalReplyMax = 5136;

void EraseAll(std::string& text, std::string_view what) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
        text.erase(at, what.size());
    }
}


}  // namespace

int CDataLogger::ReadOptionByte(int& value) {
    char command[32];
    std::snprintf(command, sizeof command, "M? %4.04X ", kOptionByteAddress);
    if (!DoBlockCommand(command, 12000, -1)) {
        return 0;
    }
    const std::span<const std::uint8_t> b = BlockData();
    const bool word = type_code_ == 0 || (type_code_ >= 3 && type_code_ <= 10);
    if (b.size() < (word ? 2u : 1u)) {
        return 0;
    }
    option_word_ = word ? b[0] << 8 | b[1] : b[0];
    value = option_word_;
    return 1;
}

int CDataLogger::WriteOptionByte(int value) {
    char command[32];
    std::snprintf(command, sizeof command, "M! %4.04X %2.02X", kOptionByteAddress, unsigned(value) & 0xFFu);
    return connection_->DoCommand(command, 12000);
}

int CDataLogger::SendTerminalCommand(std::string_view text, std::string& reply) {
    std::string command(text);
    std::transform(command.begin(), command.end(), command.begin(), [](unsigned char c) { return std::toupper(c); });
    reply.clear();
    if (!connection_->DoCommand(command, 12000)) {
        return 0;
    }
    reply = connection_->GetReceivedText().substr(0, kTerminalReplyMax);
    return 1;
}

int CDataLogger::ReadWiFiStatus(std::string& text) {
    text.clear();
    if (!connection_->DoCommand("L?WIFI", 16000)) {
        return 0;
    }
    text = ModuleReplyText();
    return 1;
}

int CDataLogger::ReadCallSchedule(CallScheduleRecord& record, const std::tm& date) {
    const std::string command = FormatSetupRead(memory_bank_, header_words_[2], CallScheduleRecord::kBlockSize);
    return connection_->DoCommand(command, 12000) && CheckBlockReply(-1) && DecodeCallSchedule(record, BlockData(), date);
}

int CDataLogger::SendReadRange(std::uint32_t first, std::uint32_t last) {
    char command[40];
    std::snprintf(command, sizeof command, "I!18 %6.06lX %6.06lX", static_cast<unsigned long>(first & 0xFFFFFF),
                  static_cast<unsigned long>(last & 0xFFFFFF));
    if (!DoBlockCommand(command, 12000, -1) || BlockData().size() < 4) {
        return 0;
    }
    // Without a wrap the first operand stays the read position.
    const std::span<const std::uint8_t> b = BlockData();
    read_position_ = wraps_ ? std::uint32_t{b[0]} << 24 | b[1] << 16 | b[2] << 8 | b[3] : first;
    return 1;
}

std::string CDataLogger::QueryModuleText(std::string_view command) {
    if (Session() == nullptr || type_code_ <= 12 || !IsModuleTextSupported(type_code_, SessionFirmwareVersion()) ||
        !connection_->DoCommand(command, 16000)) {
        return "!";
    }
    std::string text = ModuleReplyText();
    EraseAll(text, "\nW>");
    EraseAll(text, "\n>");
    return TrimmedReply(text);
}

int CDataLogger::EnterModuleTerminal() {
    return QueryModuleText("L!WTERM") != "!";
}

int CDataLogger::ExitModuleTerminal() {
    return QueryModuleText("L!WEXIT") != "!";
}

int CDataLogger::ActivateSetup(int which, bool keepStopped) {
    if (which != 1 || summaries_.size() < 2) {
        return 0;
    }
    char command[32];
    std::snprintf(command, sizeof command, "W! %4.04X %4.04X", unsigned{summaries_[0].blockAddress},
                  unsigned{summaries_[1].blockAddress});
    if (!connection_->DoCommand(command, 16000)) {
        return 0;
    }
    if (!keepStopped) {
        SetRecording(true);
    }
    return 1;
}

int CDataLogger::ReadConfigValue(int channel, int sampleCount) {
    config_table_ = {};
    if (type_code_ >= kModelBrelanFirst && type_code_ <= kModelBrelanLast) {
        return 0;
    }
    char command[32];
    std::snprintf(command, sizeof command, type_code_ == kModelStandard ? "F? %d" : "F? %x", channel);
    return DoBlockCommand(command, 16000, -1) && DecodeConfigTable(sampleCount);
}

int CDataLogger::DecodeConfigTable(int sampleCount) {
    const std::span<const std::uint8_t> bytes = BlockData();
    if (type_code_ == kModelStandard) {
        return DecodeStandardConfigTable(bytes, config_table_);
    }
    if (IsQuarven()) {
        return DecodeQuarvenConfigTable(bytes, sampleCount, config_table_);
    }
    return DecodeOrnatConfigTable(bytes, config_table_);
}
