// The Quarven's firmware transfer: the file's records checked first, then sent in binary blocks of
// merged records, the end tag as a text line, and the transfer abandoned on any failure.
#include "shared/logger/firmware_transfer.h"

#include <fstream>
#include <numeric>
#include <string>

#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/firmware_features.h"
#include "shared/logger/hex_dump_reply.h"
#include "shared/logger/programming_ids.h"

namespace {

// Record bytes around the data: length, address (2), type, checksum; and the ':' in front.
constexpr std::size_t kRecordFrame = 5;
constexpr std::size_t kMergeSaving = kRecordFrame + 1;
constexpr std::uint8_t kDataRecord = 0;
constexpr std::size_t kMaxRecordData = 255;
// A block closes this far below its size, or after this many records.
constexpr std::size_t kBlockMargin = 26;
constexpr int kRecordsPerBlock = 50;
// A block of this size in the small-block mode gets a zero byte behind it.
constexpr std::size_t kPaddedBlockSize = 64;
constexpr std::string_view kEndTag = ";CRC32=";

// The records and the end tag go to the logger; comments and blank lines stay behind.
bool IsSentLine(std::string_view line) {
    return line.starts_with(':') || line.starts_with(kEndTag);
}

// The record's bytes after ':', or none for text that is not pairs of hex digits.
bool DecodeRecord(std::string_view record, std::vector<std::uint8_t>& bytes) {
    if (record.empty() || record.front() != ':' || record.size() % 2 == 0) {
        return false;
    }
    bytes.clear();
    for (std::size_t i = 1; i < record.size(); i += 2) {
        const int high = HexDigitValue(record[i]);
        const int low = HexDigitValue(record[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return true;
}

std::uint8_t RecordChecksum(const std::uint8_t* first, std::size_t count) {
    const unsigned sum = std::accumulate(first, first + count, 0u);
    return static_cast<std::uint8_t>(-sum & 0xFF);
}

struct BinaryRecord {
    unsigned address;
    std::uint8_t type;
    std::vector<std::uint8_t> data;
};

std::vector<BinaryRecord> SplitRecords(const std::vector<std::uint8_t>& buffer) {
    std::vector<BinaryRecord> records;
    for (std::size_t at = 0; at + kMergeSaving <= buffer.size();) {
        const std::size_t length = buffer[at + 1];
        const auto data = buffer.begin() + static_cast<std::ptrdiff_t>(at + kRecordFrame);
        records.push_back({unsigned{buffer[at + 2]} << 8 | buffer[at + 3], buffer[at + 4],
                           std::vector<std::uint8_t>(data, data + static_cast<std::ptrdiff_t>(length))});
        at += length + kMergeSaving;
    }
    return records;
}

void AppendRecord(std::vector<std::uint8_t>& buffer, const BinaryRecord& record) {
    buffer.push_back(':');
    const std::size_t first = buffer.size();
    buffer.insert(buffer.end(), {static_cast<std::uint8_t>(record.data.size()), static_cast<std::uint8_t>(record.address >> 8),
                                 static_cast<std::uint8_t>(record.address & 0xFF), record.type});
    buffer.insert(buffer.end(), record.data.begin(), record.data.end());
    buffer.push_back(RecordChecksum(&buffer[first], buffer.size() - first));
}

}  // namespace

std::size_t BinaryRecordSize(std::string_view line) {
    return (line.size() + 1) / 2;
}

bool IsValidHexRecord(std::string_view line) {
    std::vector<std::uint8_t> bytes;
    return DecodeRecord(line, bytes) && bytes.size() >= kRecordFrame && bytes[0] + kRecordFrame == bytes.size() &&
           RecordChecksum(bytes.data(), bytes.size()) == 0;
}

bool FormatHexBytes(std::string_view record, std::vector<std::uint8_t>& buffer) {
    std::vector<std::uint8_t> bytes;
    if (!DecodeRecord(record, bytes) || bytes.size() < kRecordFrame) {
        return false;
    }
    AppendRecord(buffer, {unsigned{bytes[1]} << 8 | bytes[2], bytes[3], std::vector<std::uint8_t>(bytes.begin() + 4, bytes.end() - 1)});
    return true;
}

void MergeHexRecords(std::vector<std::uint8_t>& buffer) {
    std::vector<BinaryRecord> merged;
    for (BinaryRecord& record : SplitRecords(buffer)) {
        BinaryRecord* before = merged.empty() ? nullptr : &merged.back();
        if (before != nullptr && before->type == kDataRecord && record.type == kDataRecord &&
            record.address == before->address + before->data.size() &&
            before->data.size() + record.data.size() <= kMaxRecordData) {
            before->data.insert(before->data.end(), record.data.begin(), record.data.end());
        } else {
            merged.push_back(std::move(record));
        }
    }
    buffer.clear();
    for (const BinaryRecord& record : merged) {
        AppendRecord(buffer, record);
    }
}

int CDataLoggerQuarvenRSorKX::SendFirmwareFile(const std::string& path) {
    App().Set(CAppContext::Flag::Abort, false);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        ShowMessageBox(platform::FormatLoadedText(IDP_TRANSFER_OPEN_FAILED, {path}), MB_OK, true);
        return kBlockNoSession;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        line.erase(line.find_last_not_of("\r\n") + 1);
        lines.push_back(std::move(line));
    }
    // Nothing goes to the logger before every record is known to be whole: a firmware cut short by a
    // damaged line would leave the logger without a program.
    const std::size_t blockRoom = FirmwareBlockRoom();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].starts_with(':') && (!IsValidHexRecord(lines[i]) || BinaryRecordSize(lines[i]) > blockRoom)) {
            ShowMessageBox(platform::FormatLoadedText(IDP_FIRMWARE_RECORD_BAD, {path, std::to_string(i + 1)}), MB_OK, true);
            return kBlockNoSession;
        }
    }
    if (!EnterBinaryReplies(false)) {
        return kBlockNoSession;
    }
    std::uint64_t bytes = 0;
    for (const std::string& line : lines) {
        bytes += IsSentLine(line) ? line.size() : 0;
    }
    transfer_counters_->Start(bytes);
    const int result = SendFirmwareLines(lines);
    if (result == kBlockCancelled) {
        // The stop is taken: the commands that abandon the transfer must still go.
        App().Set(CAppContext::Flag::Abort, false);
    }
    if (Session() != nullptr) {
        SetReplyMode(false);
        if (result != kBlockSent) {
            // Whatever stopped it, the logger must not take a part of a program for a whole one.
            AbortTransfer(false);
            connection_->DoCommand("P!0", 2000);
        }
    }
    return result;
}

bool CDataLoggerQuarvenRSorKX::HasLargeFirmwareBlocks() const {
    return IsLargeFirmwareBlockSupported(kModelQuarvenRS, SessionFirmwareVersion());
}

std::size_t CDataLoggerQuarvenRSorKX::FirmwareBlockRoom() const {
    // "P!", the length field and the CR take their share of the block.
    return HasLargeFirmwareBlocks() ? 512 - kBlockMargin - 5 : 256 - kBlockMargin - 4;
}

int CDataLoggerQuarvenRSorKX::SendFirmwareLines(const std::vector<std::string>& lines) {
    const bool large = HasLargeFirmwareBlocks();
    const std::size_t lengthField = large ? 2 : 1;
    const std::size_t room = FirmwareBlockRoom();
    std::vector<std::uint8_t> records;
    int recordCount = 0;
    // The text bytes of the lines in `records`, counted as done once their block went through.
    std::uint64_t pendingBytes = 0;
    const auto sendBlock = [&]() {
        if (records.empty()) {
            return kBlockSent;
        }
        std::vector<std::uint8_t> block{'P', '!'};
        // The length field counts the bytes behind it up to the CR, less one.
        for (std::size_t i = 0; i < lengthField; ++i) {
            block.push_back(static_cast<std::uint8_t>(records.size() >> (8 * i)));
        }
        block.insert(block.end(), records.begin(), records.end());
        block.push_back('\r');
        if (!large && block.size() == kPaddedBlockSize) {
            block.push_back(0);
        }
        records.clear();
        recordCount = 0;
        const int code = SendProgramBlock({}, block);
        if (code == kBlockSent) {
            transfer_counters_->Add(pendingBytes);
            pendingBytes = 0;
        }
        return code;
    };
    std::uint32_t lastPost = connection_->Clock().Now();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsAborted()) {
            PostStatusId(STATUS_TEXT, IDS_TRANSFER_CANCELLED);
            return kBlockCancelled;
        }
        if (Session() == nullptr) {
            return kBlockNoSession;
        }
        if (!IsSentLine(line)) {
            continue;
        }
        const bool endTag = line.starts_with(kEndTag);
        if (connection_->Clock().Now() - lastPost >= 1000) {
            lastPost = connection_->Clock().Now();
            PostStatusText(STATUS_TEXT, platform::FormatLoadedText(IDS_TRANSFER_PROGRESS, {std::to_string(i + 1)}));
        }
        if (!endTag) {
            if (recordCount >= kRecordsPerBlock || records.size() + BinaryRecordSize(line) > room) {
                if (const int code = sendBlock(); code != kBlockSent) {
                    return code;
                }
            }
            FormatHexBytes(line, records);
            MergeHexRecords(records);
            ++recordCount;
            pendingBytes += line.size();
            continue;
        }
        // The end tag goes as a text command behind the last block, with text replies.
        if (const int code = sendBlock(); code != kBlockSent) {
            return code;
        }
        if (!SetReplyMode(false)) {
            return kBlockSendFailed;
        }
        const int code = SendProgramBlock("P!" + line, {});
        if (code == kBlockSent) {
            transfer_counters_->Add(line.size());
        }
        return code;
    }
    // A file without its end tag is sent to its end.
    return sendBlock();
}
