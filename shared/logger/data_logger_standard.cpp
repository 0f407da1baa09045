// CDataLoggerStandard: session start, ROM setups, supply readings and real-time values of the
// standard logger.
#include "shared/logger/data_logger_standard.h"

#include <cstdio>

#include "shared/common/app_context.h"
#include "shared/common/logger_fields.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/real_time_decode.h"

namespace {

constexpr int kFirstRomSetup = 3;
constexpr int kRomSetups = 4;
constexpr std::size_t kStatusOffset = 144;
constexpr std::size_t kClockStep = 4;
constexpr int kFirmwareWithSnapshot = 132;
constexpr int kHeaderWords = 7;
constexpr int kBytesPerChannel = 24;

}  // namespace

CDataLoggerStandard::CDataLoggerStandard(CConnection* connection, int typeCode)
    : CDataLogger(connection, typeCode, kSummaries) {}

int CDataLoggerStandard::InitializeSession() {
    int result = StartIdentity("%s/%s", false);
    if (result) {
        PostStatusId(STATUS_TEXT, IDS_CHECKING_LOGGER);
        PostStatusId(STATUS_TEXT, IDS_READING_ROM_TABLE);
        result = ReadGeneralQuery();
    }
    if (result) {
        PostStatusId(STATUS_TEXT, IDS_READING_HEADER_WORDS);
        result = ReadHeaderWordsQuery(kHeaderWords);
    }
    if (result) {
        PostStatusId(STATUS_TEXT, IDS_READING_SETUP_HEADER);
        result = ReadSetupHeader(1);
    }
    if (result) {
        PostStatusId(STATUS_TEXT, IDS_READING_STATUS);
        result = ReadStatus();
    }
    if (!result) {
        App().Set(CAppContext::Flag::Abort, true);
    }
    return result;
}

int CDataLoggerStandard::Disconnect(int reason) {
    // The standard logger is only left: it falls asleep by itself.
    return EndSession(reason, false);
}

int CDataLoggerStandard::ListStoredSetups(std::vector<std::string>& list) {
    PostStatusId(STATUS_TEXT, IDS_READING_SETUPS);
    const auto readSetup = [this](int index) {
        const CSUTInfo* info = GetSUTInfo(index);
        return (info->headerValid || ReadSetupHeader(index)) && (info->channelsValid || ReadSetupBlocks(index));
    };
    if (!readSetup(1)) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_SAVED_SETUP);
    if (!readSetup(2)) {
        return 0;
    }
    for (int rom = 0; rom < kRomSetups; ++rom) {
        title_text_ = platform::FormatLoadedText(IDS_READING_ROM_SETUP, {std::to_string(rom + 1)});
        PostStatusText(STATUS_TEXT, title_text_);
        if (!ReadSetupImage(kFirstRomSetup + rom)) {
            return 0;
        }
    }
    PostStatusId(STATUS_TEXT, IDS_SETUPS_READ);
    list.push_back("Active:\t\t" + GetSUTInfo(1)->setupName);
    list.push_back("Saved:\t\t" + GetSUTInfo(2)->setupName);
    for (int rom = 0; rom < kRomSetups; ++rom) {
        char label[32];
        std::snprintf(label, sizeof label, "ROM %2d:\t\t", rom + 1);
        list.push_back(label + GetSUTInfo(kFirstRomSetup + rom)->setupName);
    }
    return 1;
}

int CDataLoggerStandard::ArmLogger(bool) {
    if (SessionFirmwareVersion() >= kFirmwareWithSnapshot) {
        return ArmWith("I!10", 16000, true);
    }
    const int length = GetSUTInfo(1)->GetChannelCount(type_code_) * kBytesPerChannel;
    std::string clock;
    return length > 0 && connection_->DoCommand(FormatSetupRead(memory_bank_, GetRealTimeAddress(), length), 12000) &&
           DecodeRealTimeValues() && ReadStatus() && ReadInfoRecord() && ReadSupplyVoltages() && ReadClock(clock);
}

int CDataLoggerStandard::ReadSupplyVoltages() {
    if (!CDataLogger::ReadSupplyVoltages()) {
        return 0;
    }
    const std::span<const std::uint8_t> bytes = BlockData();
    if (bytes.size() >= 12) {
        further_readings_ = {GetLoggerFloat(bytes.subspan(4, 4), type_code_), GetLoggerFloat(bytes.subspan(8, 4), type_code_)};
    }
    return 1;
}

int CDataLoggerStandard::DecodeRealTimeValues() {
    return CDataLogger::DecodeRealTimeValues() && DecodeStandardRealTime(BlockData(), *GetSUTInfo(1), real_time_values_);
}

void CDataLoggerStandard::DecodeHeaderRecord(std::span<const std::uint16_t> words) {
    summaries_[1].blockAddress = words[0];
    summaries_[2].blockAddress = words[1];
    summaries_[0].blockAddress = words[2];
    for (int i = 0; i < 3; ++i) {
        summaries_[static_cast<std::size_t>(i)].blockSize = 0;
    }
    header_words_ = {words[5], words[6], 0};
}

int CDataLoggerStandard::DecodeSupplyVoltages() {
    const std::span<const std::uint8_t> bytes = BlockData();
    if (bytes.size() < 4) {
        return 0;
    }
    supply_[0] = GetLoggerFloat(bytes.first(4), type_code_);
    return 1;
}

int CDataLoggerStandard::DecodeRealTimeImage() {
    return DecodeRealTimeValues() && DecodeRealTimeTail(kStatusOffset, kClockStep);
}

int CDataLoggerStandard::WriteSetup(const CSetupTable* setup, int target, bool keepRecording) {
    const int result = CDataLogger::WriteSetup(setup, target, keepRecording);
    if (setup != nullptr) {
        QueryStarted();
    }
    return result;
}

int CDataLoggerStandard::WriteAlarms(const CSetupTable* setup, int summary) {
    return WriteAlarmBlock(setup, summary);
}

int CDataLoggerStandard::WriteExtendedSetup(const CSetupTable* setup, int summary) {
    return WriteExtendedBlock(setup, summary);
}
