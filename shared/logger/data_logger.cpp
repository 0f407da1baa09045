// CDataLogger: construction, the block data, status notices and the session it works for.
#include "shared/logger/data_logger.h"

#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "platform/base/program_texts.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "shared/logger/hex_dump_reply.h"
#include "shared/logger/logger_ids.h"

CDataLogger::CDataLogger(CConnection* connection, int typeCode, int summaries)
    : connection_(connection), type_code_(typeCode), summaries_(static_cast<std::size_t>(summaries)) {}

CDataLogger::~CDataLogger() {
    App().SetLoggerType(kNoLogger);
}

CSession* CDataLogger::Session() const {
    return connection_->GetSession();
}

CAppContext& CDataLogger::App() const {
    return connection_->GetApp();
}

bool CDataLogger::IsAborted() const {
    return App().IsSet(CAppContext::Flag::Abort);
}

int CDataLogger::SessionFirmwareVersion() const {
    const CSession* session = Session();
    return session ? session->GetFirmwareVersion() : 0;
}

void CDataLogger::PostStatusId(unsigned code, unsigned stringId) const {
    if (const CSession* session = Session()) {
        session->PostStatusString(code, stringId);
    }
}

void CDataLogger::PostStatusText(unsigned code, std::string text) const {
    if (const CSession* session = Session()) {
        session->PostStatus(code, std::move(text));
    }
}

void CDataLogger::PostStatusValue(unsigned code, int value) const {
    if (const CSession* session = Session()) {
        session->PostStatus(code, std::intptr_t{value});
    }
}

CSUTInfo* CDataLogger::GetSUTInfo(int index) {
    if (index < 0 || index >= static_cast<int>(summaries_.size())) {
        return nullptr;
    }
    return &summaries_[static_cast<std::size_t>(index)];
}

void CDataLogger::SetScalar(int index, float value) {
    if (index < ScalarCount()) {
        scalars_[static_cast<std::size_t>(index)] = value;
    }
}

int CDataLogger::CheckBlockReply(int expectedLength) {
    FreeBlockData();
    std::string reply(kReplyMax, '\0');
    reply.resize(static_cast<std::size_t>(connection_->CopyReply(reply.data(), kReplyMax)));
    const HexDumpCheck check = CheckHexDump(reply, expectedLength);
    if (!check.trace.empty()) {
        Trace(check.trace);
    }
    if (!check.ok) {
        return 0;
    }
    LoadBlockData(check.bytes);
    return 1;
}

void CDataLogger::LoadBlockData(std::span<const std::uint8_t> bytes) {
    block_data_.assign(bytes.begin(), bytes.end());
    block_cursor_ = 0;
}

void CDataLogger::FreeBlockData() {
    block_data_.clear();
    block_cursor_ = 0;
}

std::span<const std::uint8_t> CDataLogger::BlockData() const {
    return std::span<const std::uint8_t>(block_data_).subspan(std::min(block_cursor_, block_data_.size()));
}

int CDataLogger::DoBlockCommand(std::string_view command, int timeout, int expectedLength) {
    return connection_->DoCommand(command, timeout) && CheckBlockReply(expectedLength);
}

std::string CDataLogger::ReplyLine() const {
    const std::string text = connection_->GetReceivedText();
    std::size_t first = 0;
    while (first < text.size() && IsReplyFiller(text[first])) {
        ++first;
    }
    const std::size_t end = text.find_first_of("\r\n>", first);
    return text.substr(first, end == std::string::npos ? std::string::npos : end - first);
}

std::string CDataLogger::ModuleReplyText() const {
    constexpr std::size_t kModuleReplyMax = 1023;
    std::string text = connection_->GetReceivedText().substr(0, kModuleReplyMax);
    if (!text.empty() && text.back() == '>') {
        text.pop_back();
    }
    return text;
}

int CDataLogger::EndSession(int reason, bool sayFarewell) {
    if (connection_->IsSessionEnded()) {
        return 1;
    }
    App().Set(CAppContext::Flag::Abort, false);
    if (sayFarewell) {
        SendFarewell(reason);
    }
    connection_->SetSessionEnded(true);
    return 1;
}

bool CDataLogger::CheckCommandLength(const std::string& command) const {
    constexpr std::size_t kLineLimit = 71;
    if (command.size() < kLineLimit) {
        return true;
    }
    ShowMessageBox(LoadText(IDS_ERROR) + ": " + LoadText(IDS_COMMAND_TOO_LONG), MB_OK, true);
    return false;
}

int CDataLogger::SendQuery(std::string_view command, std::string& text, int maxLength) {
    text.clear();
    if (!connection_->DoCommand(command, 12000)) {
        return 0;
    }
    std::string reply(kReplyMax, '\0');
    reply.resize(static_cast<std::size_t>(connection_->CopyReply(reply.data(), kReplyMax)));
    std::size_t first = 0;
    while (first < reply.size() && IsReplyFiller(reply[first])) {
        ++first;
    }
    const std::size_t end = std::min(reply.find('\r', first), reply.size());
    text = reply.substr(first, std::min(end - first, static_cast<std::size_t>(std::max(maxLength, 0))));
    return 1;
}

void CDataLogger::KickLogger() {
    connection_->KickLogger();
}
