// CDataLogger: the setup-memory and data-memory reads, their progress, and the download size arithmetic.
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/base/file_exception.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "shared/common/app_context.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/data_read_size.h"
#include "shared/logger/download_progress_sink.h"
#include "shared/logger/download_progress_text.h"
#include "shared/logger/hex_dump_reply.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/raw_download_file.h"

namespace {

constexpr int kBlockCap = 1712;
constexpr int kBlockAttempts = 3;

}  // namespace

bool CDataLogger::FormatBlockRead(std::string& command, int index, int length, int offset) const {
    command.clear();
    if (length <= 0 || index < 0 || index >= static_cast<int>(summaries_.size())) {
        return false;
    }
    command = FormatSetupRead(memory_bank_, summaries_[static_cast<std::size_t>(index)].blockAddress + offset,
                              length);
    return true;
}

std::string CDataLogger::FormatSetupRead(std::uint8_t bank, unsigned address, int length) {
    char text[32];
    std::snprintf(text, sizeof text, "Y? %2.02X %4.04X %4.04X", bank, address & 0xFFFFu,
                  unsigned(length) & 0xFFFFu);
    return text;
}

int CDataLogger::RunBlockRead(std::string_view command, int timeout, int length) {
    bytes_to_read_ = length;
    bytes_received_ = 0;
    const int result = connection_->DoCommand(command, timeout, [this] { UpdateBlockProgress(); });
    PostStatusValue(STATUS_COMMAND_DONE, 0);
    return result;
}

int CDataLogger::ReadMemoryWord(int address, int length, std::uint16_t& value) {
    char command[32];
    std::snprintf(command, sizeof command, "U? %4.04X %4.04X", unsigned(address) & 0xFFFFu,
                  unsigned(length) & 0xFFFFu);
    std::string reply;
    if (!SendQuery(command, reply, 4) || reply.size() != 4) {
        return 0;
    }
    std::string_view digits = reply;
    return ParseHexWord(value, digits);
}

int CDataLogger::ReadMemoryBlock(std::int64_t& address, std::int64_t& bytesLeft, bool keepPosition) {
    const std::int64_t cap = std::min(connection_->GetBaudRate(), kBlockCap);
    int result = 0;
    for (int attempt = 0; attempt < kBlockAttempts && !IsAborted(); ++attempt) {
        std::int64_t length = std::min(bytesLeft, cap);
        const std::int64_t toStart = address - memory_start_ + 1;
        const bool wrapped = toStart >= 0 && length >= toStart;
        if (wrapped) {
            length = toStart;
        }
        if (length < 1) {
            // Nothing can be asked for: a zero cap or an address below the memory start.
            return 0;
        }
        char command[32];
        std::snprintf(command, sizeof command, "O! %6.06lX %4.04X",
                      static_cast<unsigned long>(address & 0xFFFFFF), static_cast<unsigned>(length));
        result = connection_->DoCommand(command, 2000, [this] { UpdateBlockProgress(); }) &&
                 CheckBlockReply(static_cast<int>(length));
        if (result) {
            bytes_received_ += length;
            bytesLeft -= length;
            address = wrapped ? std::int64_t{memory_end_} : address - length;
            if (!keepPosition) {
                data_info_.SetLoggerMemoryPosition(static_cast<std::uint32_t>(address + 1));
            }
            return result;
        }
    }
    return result;
}

int CDataLogger::ReadMemoryToFile(RawDownloadFile& rawFile, std::int64_t address, std::int64_t bytesLeft,
                                  bool keepPosition, DownloadExchange& exchange) {
    const std::uint32_t started = connection_->Clock().Now();
    while (bytesLeft > 0) {
        if (IsAborted() || !ReadMemoryBlock(address, bytesLeft, keepPosition)) {
            return 0;
        }
        const std::span<const std::uint8_t> block = BlockData();
        if (block.empty()) {
            continue;
        }
        CPSTFileException error;
        if (!rawFile.Append(block, error)) {
            exchange.Tell({0, error.MessageText(), MB_OK});
            return 0;
        }
        ShowBlockProgress(connection_->Clock().Now() - started);
    }
    return 1;
}

int CDataLogger::ActiveRecordSize() {
    const CSUTInfo* active = GetSUTInfo(1);
    return active && active->setupTable ? active->setupTable->GetRecordSize() : 0;
}

int CDataLogger::ReadRecordValue(std::int64_t endAddress, std::uint32_t& value, DownloadExchange& exchange) {
    const int recordSize = ActiveRecordSize();
    if (recordSize < 3) {
        return 0;
    }
    const std::int64_t toStart = endAddress - memory_start_ + 1;
    const std::int64_t length = toStart >= 0 && toStart < recordSize ? toStart : recordSize;
    char command[32];
    std::snprintf(command, sizeof command, "O! %6.06lX %4.04X",
                  static_cast<unsigned long>(endAddress & 0xFFFFFF), static_cast<unsigned>(length));
    if (!connection_->DoCommand(command, 16000, [this] { UpdateBlockProgress(); })) {
        char text[32];
        std::snprintf(text, sizeof text, "  %ld", static_cast<long>(endAddress));
        exchange.Tell({0, LoadText(IDS_RECORD_READ_FAILED) + text, MB_OK});
        return 0;
    }
    // Checked like every hex dump: a torn record must not pass for a stamp.
    if (!CheckBlockReply(-1)) {
        return 0;
    }
    const std::span<const std::uint8_t> bytes = BlockData();
    if (bytes.size() < static_cast<std::size_t>(recordSize)) {
        // A record the memory start cut short has no stamp at its end.
        return 0;
    }
    const std::size_t r = static_cast<std::size_t>(recordSize);
    value = std::uint32_t{bytes[r - 1]} << 16 | std::uint32_t{bytes[r - 2]} << 8 | bytes[r - 3];
    return 1;
}

DataMemoryState CDataLogger::MemoryState() const {
    const CSUTInfo& active = summaries_[1];
    return {memory_start_,
            memory_end_,
            record_pointer_,
            read_position_,
            active.setupTable ? active.setupTable->GetRecordSize() : 0,
            wraps_,
            recording_};
}

std::int64_t CDataLogger::SizeOfFullDataRead(std::int64_t& first) const {
    return summaries_.size() < 2 ? -1 : ::SizeOfFullDataRead(MemoryState(), first);
}

std::int64_t CDataLogger::SizeOfPartialDataRead(std::int64_t& first) const {
    return summaries_.size() < 2 ? -1 : ::SizeOfPartialDataRead(MemoryState(), first);
}

void CDataLogger::UpdateBlockProgress() {
    std::int64_t replyBytes = connection_->GetReceivedCount() / 2;
    replyBytes -= 2 * (replyBytes / 64);
    const std::int64_t estimate = bytes_received_ + std::max<std::int64_t>(replyBytes, 0);
    if (!transfer_active_) {
        bytes_received_ = estimate;
    }
    ShowBytesProgress(estimate);
}

void CDataLogger::ShowBlockProgress(std::uint32_t elapsedMs) {
    // A fast link may bring a whole block between two calls of the wait callback: the bar follows the
    // blocks received.
    ShowBytesProgress(bytes_received_);
    const int recordSize = ActiveRecordSize();
    if (progress_sink_ != nullptr && recordSize > 0) {
        const auto records = static_cast<long>(bytes_received_ / recordSize);
        const auto total = static_cast<long>(bytes_to_read_ / recordSize);
        ReportStatus(RecordProgressText(records, total, elapsedMs, recordSize));
    }
}

void CDataLogger::ShowBytesProgress(std::int64_t bytes) {
    const int percent = bytes_to_read_ > 0
                            ? static_cast<int>(std::min<std::int64_t>(bytes * 100 / bytes_to_read_, 100))
                            : 0;
    if (progress_sink_ != nullptr) {
        progress_sink_->SetProgress(percent);
    } else {
        PostStatusValue(STATUS_COMMAND_DONE, percent);
    }
}

void CDataLogger::ClearTrace() {
    trace_text_.clear();
    ShowTrace();
}

void CDataLogger::AppendTrace(std::string_view line) {
    if (!trace_text_.empty()) {
        trace_text_ += "\r\n";
    }
    trace_text_ += line;
    ShowTrace();
}

void CDataLogger::ShowTrace() {
    if (progress_sink_ != nullptr) {
        progress_sink_->SetLogText(trace_text_);
    }
}

void CDataLogger::WriteTrace(unsigned stringId) {
    if (progress_sink_ != nullptr) {
        progress_sink_->SetStepText(LoadText(stringId));
    } else {
        PostStatusId(STATUS_TEXT, IDS_READING_SETUPS);
    }
}

void CDataLogger::ShowStep(unsigned stringId) {
    if (progress_sink_ != nullptr) {
        progress_sink_->SetStepText(LoadText(stringId));
    }
    PostStatusId(STATUS_TEXT, stringId);
}

void CDataLogger::ReportStatus(const std::string& text) {
    if (progress_sink_ != nullptr) {
        progress_sink_->SetStatusLine(text);
    } else {
        PostStatusText(STATUS_TEXT, text);
    }
}
