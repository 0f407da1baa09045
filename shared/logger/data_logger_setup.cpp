// CDataLogger: decoding the setup header words, setup headers, labels, notes, channel, alarm and
// extended-setup blocks and the run-length ROM setup images.
#include <algorithm>
#include <cstdlib>

#include "platform/base/byte_order.h"
#include "platform/base/local_time.h"
#include "shared/common/calendar.h"
#include "shared/link/connection.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/hex_dump_reply.h"
#include "shared/logger/setup_image_expand.h"
#include "shared/logger/status_image.h"
#include "shared/setup/interval_codes.h"

namespace {

constexpr std::size_t kImageSize = 3000;
constexpr std::size_t kImageNotesSize = 486;
constexpr int kRomSummaries = 4;
constexpr int kFirstRomSummary = 3;
constexpr std::size_t kMaxGeneralWords = 10;

std::string FieldText(std::span<const std::uint8_t> bytes, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size && i < bytes.size() && bytes[i] != 0; ++i) {
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

// Year since 1900, month from 0, day, hour, minute, second, in UTC; 0 when the date is zero.
std::uint32_t UtcFieldsToTime(std::span<const std::uint8_t> b) {
    if (b[0] == 0 && b[1] == 0 && b[2] == 0) {
        return 0;
    }
    std::tm utc{};
    utc.tm_year = b[0];
    utc.tm_mon = b[1];
    utc.tm_mday = b[2];
    utc.tm_hour = b[3];
    utc.tm_min = b[4];
    utc.tm_sec = b[5];
    return static_cast<std::uint32_t>(platform::FromUtcTime(utc).value_or(0));
}

std::uint32_t PackedToTime(std::span<const std::uint8_t> b) {
    if (b[0] == 0 && b[1] == 0 && b[2] == 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(PackedDateTimeToTime(b.first(6)).value_or(0));
}

}  // namespace

int CDataLogger::SetupHeaderLength() const {
    return type_code_ == 13 ? 72 : type_code_ == 14 ? 74 : 58;
}

int CDataLogger::GetChannelBlockSize(int index) const {
    if (IsQuarven() || index >= 3 || index < 0 || index >= static_cast<int>(summaries_.size())) {
        return 204;
    }
    const int n = summaries_[static_cast<std::size_t>(index)].GetChannelCount(type_code_);
    if (n < 5) {
        return n * 39;
    }
    if (n <= 6) {
        return 156 + (n - 4) * 8;
    }
    return 156 + (2 + (n - 6) * 2) * 8;
}

int CDataLogger::ReadHeaderWords(int count) {
    const std::string line = ReplyLine();
    if (!CheckHexGroups(line, count)) {
        return 0;
    }
    std::vector<std::uint16_t> words;
    for (int i = 0; i < count; ++i) {
        words.push_back(static_cast<std::uint16_t>(std::strtoul(line.substr(static_cast<std::size_t>(i) * 5, 4).c_str(), nullptr, 16)));
    }
    DecodeHeaderRecord(words);
    return 1;
}

void CDataLogger::DecodeSetupWords(std::span<const std::uint16_t> words, bool withSchedule) {
    summaries_[1].blockAddress = words[0];
    summaries_[0].blockAddress = words[2];
    summaries_[0].blockSize = summaries_[1].blockSize = 0;
    withSchedule = withSchedule && words.size() > 7;
    header_words_ = {words[5], words[6], static_cast<std::uint16_t>(withSchedule ? words[7] - 3 : 0)};
}

int CDataLogger::ReadGeneralQuery() {
    if (!DoBlockCommand("G?", 8000, -1)) {
        return 0;
    }
    const std::span<const std::uint8_t> bytes = BlockData();
    std::vector<std::uint16_t> words;
    for (std::size_t at = 0; at + 1 < bytes.size() && words.size() < kMaxGeneralWords; at += 2) {
        if (bytes[at] == '\r' || bytes[at] == '\n') {
            break;
        }
        words.push_back(platform::ReadU16(bytes, at, platform::ByteOrder::Big));
    }
    // Word i starts ROM setup i and word i+1 ends it; only the four ROM summaries take them.
    for (std::size_t i = 0; i + 1 < words.size() && i < kRomSummaries; ++i) {
        CSUTInfo& info = summaries_.at(kFirstRomSummary + i);
        info.blockAddress = words[i];
        info.blockSize = static_cast<std::uint16_t>(words[i + 1] - words[i]);
    }
    return 1;
}

int CDataLogger::DecodeSetupHeader(int index, std::span<const std::uint8_t> bytes, int& length) {
    CSUTInfo* info = GetSUTInfo(index);
    const std::size_t headerLength = static_cast<std::size_t>(SetupHeaderLength());
    if (info == nullptr || bytes.size() < headerLength) {
        return 0;
    }
    const std::size_t n = IsQuarven() ? 33 : 21;
    const std::size_t t = static_cast<std::size_t>(ChannelSlotCount(type_code_));
    data_info_.Clear();
    info->firstHeaderWord = platform::ReadU16(bytes, 0, platform::ByteOrder::Big);
    info->setupName = FieldText(bytes.subspan(2), 21);
    info->channelTypes = {};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(2 + n), t, info->channelTypes.begin());
    info->loggerInterval = bytes[2 + n + t];
    info->optionByte = bytes[3 + n + t];
    info->SetSetupTime(bytes.subspan(4 + n + t, 6));
    data_info_.SetFirstLoggerTime(PackedToTime(bytes.subspan(10 + n + t, 6)));
    data_info_.SetSecondLoggerTime(PackedToTime(bytes.subspan(16 + n + t, 6)));
    const std::size_t addresses = 22 + n + t;
    const auto address = [&](std::size_t at) {
        return BankAddress(bytes[at], platform::ReadU16(bytes, at + 1, platform::ByteOrder::Big));
    };
    // A ROM setup's image carries no memory pointers of this logger.
    if (!IsQuarven() && index < kFirstRomSummary) {
        memory_end_ = address(addresses);
        memory_start_ = address(addresses + 3);
    }
    info->summaryAddress = platform::ReadU24(bytes, addresses + 6, platform::ByteOrder::Big);
    info->headerValid = true;
    length = static_cast<int>(headerLength);
    return 1;
}

CSetupTable& CDataLogger::EnsureSetupTable(CSUTInfo& info) const {
    if (!info.setupTable) {
        info.setupTable = std::make_unique<CSetupTable>();
        info.setupTable->GetHeader().SetModelCode(static_cast<std::uint8_t>(type_code_));
    }
    return *info.setupTable;
}

int CDataLogger::DecodeChannelLabels(int index, std::span<const std::uint8_t> bytes) {
    CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr) {
        return 0;
    }
    const int channels = type_code_ == 13 ? 8 : type_code_ == 14 ? 10 : std::min(info->GetChannelCount(type_code_), 6);
    const std::size_t size = static_cast<std::size_t>(GetLabelSize());
    if (channels <= 0) {
        return 1;
    }
    if (bytes.size() < static_cast<std::size_t>(channels) * size) {
        return 0;
    }
    CSetupTable& table = EnsureSetupTable(*info);
    for (int c = 0; c < channels; ++c) {
        const std::string name = FieldText(bytes.subspan(static_cast<std::size_t>(c) * size), size);
        if (c < kHardwareChannels) {
            table.GetHardwareChannel(c).SetName(name);
        } else if (c < kHardwareChannels + kSoftwareChannels) {
            table.GetSoftwareChannel(c - kHardwareChannels).SetName(name);
        } else if (type_code_ == 13) {
            table.GetPulseChannel(c - kHardwareChannels - kSoftwareChannels).SetName(name);
        } else {
            table.GetAnalogChannel(c - kHardwareChannels - kSoftwareChannels).SetName(name);
        }
    }
    return 1;
}

int CDataLogger::DecodeChannelNotes(int index, std::span<const std::uint8_t> bytes) {
    CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr) {
        return 0;
    }
    const int channels = std::min(info->GetChannelCount(type_code_), kHardwareChannels + kSoftwareChannels);
    if (channels <= 0) {
        return 1;
    }
    if (bytes.size() < static_cast<std::size_t>(channels) * kNoteSize) {
        return 0;
    }
    CSetupTable& table = EnsureSetupTable(*info);
    for (int c = 0; c < channels; ++c) {
        const std::string note = FieldText(bytes.subspan(static_cast<std::size_t>(c) * kNoteSize), kNoteSize);
        if (c < kHardwareChannels) {
            table.GetHardwareChannel(c).SetNote(note);
        } else {
            table.GetSoftwareChannel(c - kHardwareChannels).SetNote(note);
        }
    }
    return 1;
}

void CDataLogger::FillSetupHeader(CSUTInfo& info, const std::string& loggerId) const {
    CSetupTable& table = EnsureSetupTable(info);
    CSUTHeader& header = table.GetHeader();
    header.SetSubText(loggerId);
    header.SetHeaderText(info.setupName);
    header.SetModelCode(static_cast<std::uint8_t>(type_code_));
    header.SetOptionByte(info.optionByte);
    header.SetSetupTime(static_cast<std::uint32_t>(info.setupTime));
    header.SetIntervalCode(static_cast<std::uint8_t>(LoggerIntervalToCode(info.loggerInterval)));
    table.GetExtendedData().SetStartTime(static_cast<std::uint32_t>(info.startTime));
    table.GetExtendedData().SetStopTime(static_cast<std::uint32_t>(info.stopTime));
}

int CDataLogger::DecodeChannelBlock(int index) {
    CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr || !CheckBlockReply(-1)) {
        return 0;
    }
    FillSetupHeader(*info, logger_id_);
    const int result = info->setupTable->DecodeChannelImage(*info, BlockData());
    FreeBlockData();
    return result;
}

int CDataLogger::DecodeAlarmBlock(int index, int expectedLength) {
    CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr || !CheckBlockReply(expectedLength)) {
        return 0;
    }
    const int result = EnsureSetupTable(*info).LoadLoggerAlarmBlock(*info, BlockData());
    FreeBlockData();
    return result;
}

int CDataLogger::DecodeExtendedSetup(int index) {
    CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr || !CheckBlockReply(-1)) {
        return 0;
    }
    const std::span<const std::uint8_t> b = BlockData();
    constexpr std::size_t kOlderFormUsed = 49;
    if (b.size() < (IsQuarven() ? std::size_t{kQuarvenExtendedSize} : kOlderFormUsed)) {
        return 0;
    }
    CSUTExtendedData& extended = EnsureSetupTable(*info).GetExtendedData();
    if (IsQuarven()) {
        info->startTime = UtcFieldsToTime(b.subspan(0, 6));
        info->stopTime = UtcFieldsToTime(b.subspan(6, 6));
    } else {
        info->startTime = PackedToTime(b.subspan(0, 6));
        info->stopTime = PackedToTime(b.subspan(6, 6));
        extended.SetTimeSetting(b[12]);
        for (int i = 0; i < CSUTExtendedData::kLoggerValues; ++i) {
            extended.SetLoggerValue(i, platform::ReadU32(b, 13 + 4 * static_cast<std::size_t>(i), platform::ByteOrder::Big));
        }
        extended.SetLoggerTime(b[37] != 0 && b[38] != 0 ? PackedToTime(b.subspan(37, 6)) : 0);
        extended.SetDemandWindow(platform::ReadU32(b, 43, platform::ByteOrder::Big));
        extended.SetTimeBlockByte1(b[47]);
        extended.SetTimeBlockByte2(b[48]);
    }
    extended.SetStartTime(static_cast<std::uint32_t>(info->startTime));
    extended.SetStopTime(static_cast<std::uint32_t>(info->stopTime));
    info->extendedValid = true;
    FreeBlockData();
    return 1;
}

int CDataLogger::DecodeSetupImage(int index) {
    CSUTInfo* info = GetSUTInfo(index);
    data_info_.Clear();
    if (info == nullptr || !CheckBlockReply(-1)) {
        return 0;
    }
    std::vector<std::uint8_t> image(kImageSize);
    std::size_t count = 0;
    bool ok = ExpandSetupImage(image, BlockData(), count);
    FreeBlockData();
    std::span<const std::uint8_t> rest(image.data(), ok ? count : 0);
    int length = 0;
    ok = ok && DecodeSetupHeader(index, rest, length);
    if (ok) {
        rest = rest.subspan(static_cast<std::size_t>(length));
        const std::size_t labels = static_cast<std::size_t>(GetLabelSize()) * 6;
        ok = rest.size() >= labels + kImageNotesSize && DecodeChannelLabels(index, rest.first(labels));
        if (ok) {
            rest = rest.subspan(labels);
            ok = DecodeChannelNotes(index, rest.first(kImageNotesSize));
            rest = rest.subspan(kImageNotesSize);
        }
    }
    if (ok) {
        FillSetupHeader(*info, {});
        ok = info->setupTable->DecodeChannelImage(*info, rest);
    }
    if (!ok) {
        info->setupTable.reset();
    }
    return ok;
}
