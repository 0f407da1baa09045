// CDataLoggerQuarvenRSorKX: a file uploaded to the logger in numbered binary blocks with CRC-16, its
// name in a last block, and a closing record once every block went through.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/crc16.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/programming_ids.h"

namespace {

constexpr int kUploadMode = 1;
constexpr std::size_t kBlockData = 502;
constexpr std::string_view kNameTag = ";NAME=";
constexpr std::uint16_t kCrcStart = 0xFFFF;

void PutLittle16(std::vector<std::uint8_t>& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// "O!", block number, data length, data, the data's CRC, CR.
std::vector<std::uint8_t> UploadBlock(int number, std::span<const std::uint8_t> data, std::uint16_t crc) {
    std::vector<std::uint8_t> block{'O', '!'};
    PutLittle16(block, static_cast<unsigned>(number));
    PutLittle16(block, static_cast<unsigned>(data.size()));
    block.insert(block.end(), data.begin(), data.end());
    PutLittle16(block, crc);
    block.push_back('\r');
    return block;
}

}  // namespace

int CDataLoggerQuarvenRSorKX::ParseNameTag(const std::string& path, int mode) {
    if (mode != kUploadMode) {
        return kBlockSent;
    }
    App().Set(CAppContext::Flag::Abort, false);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        ShowMessageBox(platform::FormatLoadedText(IDP_TRANSFER_OPEN_FAILED, {path}), MB_OK, true);
        return kBlockNoSession;
    }
    if (!EnterBinaryReplies(true)) {
        return kBlockNoSession;
    }
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    transfer_counters_->Start(sizeError ? 0 : size);
    int number = 0;
    std::uint16_t runningCrc = kCrcStart;
    int code = kBlockSent;
    bool nameSent = false;
    std::uint32_t lastPost = connection_->Clock().Now();
    while (code == kBlockSent && !nameSent) {
        if (IsAborted()) {
            PostStatusId(STATUS_TEXT, IDS_TRANSFER_CANCELLED);
            code = kBlockCancelled;
            break;
        }
        if (Session() == nullptr) {
            return kBlockNoSession;
        }
        std::vector<std::uint8_t> data(kBlockData);
        file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
        data.resize(static_cast<std::size_t>(file.gcount()));
        if (data.empty()) {
            const std::string name = std::string(kNameTag) + path.substr(path.find_last_of('/') + 1);
            data.assign(name.begin(), name.end());
            nameSent = true;
        }
        code = SendProgramBlock({}, UploadBlock(number, data, UpdateCrc16(kCrcStart, data)));
        if (code == kBlockNoSession) {
            return code;
        }
        runningCrc = UpdateCrc16(runningCrc, data);
        ++number;
        if (code == kBlockSent && !nameSent) {
            transfer_counters_->Add(data.size());
        }
        if (connection_->Clock().Now() - lastPost >= 1000) {
            lastPost = connection_->Clock().Now();
            PostStatusText(STATUS_TEXT, platform::FormatLoadedText(IDS_TRANSFER_PROGRESS, {std::to_string(number)}));
        }
    }
    if (Session() == nullptr) {
        return code;
    }
    if (code != kBlockSent) {
        // Only a file that went through whole is closed: the logger keeps no part of one.
        connection_->SetReplyMode('H');
        return code;
    }
    std::vector<std::uint8_t> closing = UploadBlock(number, {}, runningCrc);
    closing.push_back(0);
    return SendProgramBlock({}, closing);
}
