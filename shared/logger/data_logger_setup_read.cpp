// CDataLogger: reading a setup back piece by piece, the stored-setup list and the real-time preparation.
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/firmware_features.h"
#include "shared/logger/logger_ids.h"

namespace {

constexpr const char* kFactorySetupName = "\aDefault SUT\a";

}  // namespace

int CDataLogger::ReadSetupHeader(int index) {
    std::string command = "T?H";
    if (!IsQuarven() && !FormatBlockRead(command, index, SetupHeaderLength())) {
        return 0;
    }
    int length = 0;
    if (!connection_->DoCommand(command, 12000) || !CheckBlockReply(SetupHeaderLength()) ||
        !DecodeSetupHeader(index, BlockData(), length)) {
        return 0;
    }
    if (IsQuarven() && GetSUTInfo(index)->setupName == kFactorySetupName) {
        ShowMessageBoxId(IDS_FACTORY_SETUP, MB_OK, true);
    }
    return 1;
}

int CDataLogger::ReadSetupBlocks(int index) {
    CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr) {
        return 0;
    }
    if (type_code_ == 14) {
        info->optionByte |= CSUTHeader::kOptionModel14ReadBack;
    }
    if (!info->channelsValid &&
        (!ReadSetupChannels(index) || !ReadSetupLabels(index) || (!IsQuarven() && !ReadSetupNotes(index)))) {
        return 0;
    }
    if (alarm_block_ && !info->alarmsValid && !ReadSetupAlarms(index)) {
        return 0;
    }
    return !extended_setup_ || info->extendedValid || ReadExtendedSetup(index);
}

int CDataLogger::ReadSetupChannels(int index) {
    PostStatusId(STATUS_TEXT, IDS_READING_CHANNELS);
    const int length = GetChannelBlockSize(index);
    std::string command = "T?C";
    if (!IsQuarven() && !FormatBlockRead(command, index, length, kChannelOffset)) {
        return 0;
    }
    return RunBlockRead(command, 16000, length) && DecodeChannelBlock(index);
}

int CDataLogger::ReadSetupLabels(int index) {
    PostStatusId(STATUS_TEXT, IDS_READING_LABELS);
    const CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr) {
        return 0;
    }
    const int channels = type_code_ == 13 ? 8 : type_code_ == 14 ? 10 : info->GetChannelCount(type_code_);
    const int length = channels * GetLabelSize();
    if (length <= 0) {
        return 1;
    }
    std::string command = "T?N";
    if (!IsQuarven() && !FormatBlockRead(command, index, length, kLabelOffset)) {
        return 0;
    }
    return RunBlockRead(command, 16000, length) && CheckBlockReply(length) && DecodeChannelLabels(index, BlockData());
}

int CDataLogger::ReadSetupNotes(int index) {
    PostStatusId(STATUS_TEXT, IDS_READING_NOTES);
    const CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr) {
        return 0;
    }
    const int length = info->GetChannelCount(type_code_) * kNoteSize;
    if (length <= 0) {
        return 1;
    }
    std::string command;
    return FormatBlockRead(command, index, length, kNoteOffset) && RunBlockRead(command, 16000, length) &&
           CheckBlockReply(length) && DecodeChannelNotes(index, BlockData());
}

int CDataLogger::ReadSetupAlarms(int index) {
    PostStatusId(STATUS_TEXT, IDS_READING_ALARMS);
    const int length = static_cast<int>(CSetupTable::kLoggerAlarmBlockSize);
    std::string command = "T?A";
    if (!IsQuarven() && !FormatBlockRead(command, index, length, kAlarmOffset)) {
        return 0;
    }
    return RunBlockRead(command, 16000, length) && DecodeAlarmBlock(index, length);
}

int CDataLogger::ReadExtendedSetup(int index) {
    PostStatusId(STATUS_TEXT, IDS_READING_EXTENDED);
    const int length = IsQuarven() ? kQuarvenExtendedSize : kExtendedSize;
    std::string command = "T?S";
    if (!IsQuarven() && !FormatBlockRead(command, index, length, kExtendedOffset)) {
        return 0;
    }
    if (!RunBlockRead(command, 16000, length) || !DecodeExtendedSetup(index)) {
        return 0;
    }
    if (!IsDemandWindowSupported(type_code_, SessionFirmwareVersion())) {
        return 1;
    }
    CSUTExtendedData& extended = GetSUTInfo(index)->setupTable->GetExtendedData();
    int minutes = 0;
    if (!ReadDemandWindow(minutes)) {
        return 0;
    }
    extended.SetDemandWindow(static_cast<std::uint32_t>(minutes));
    return ReadTimedValues(extended) && ReadExtraValues(extended);
}

int CDataLogger::ReadSetupImage(int index) {
    CSUTInfo* info = GetSUTInfo(index);
    if (info == nullptr) {
        return 0;
    }
    if (info->setupTable && info->channelsValid) {
        return 1;
    }
    std::string command;
    return FormatBlockRead(command, index, info->blockSize) && RunBlockRead(command, 12000, info->blockSize) &&
           DecodeSetupImage(index);
}

int CDataLogger::ListStoredSetups(std::vector<std::string>& list) {
    PostStatusId(STATUS_TEXT, IDS_READING_SETUPS);
    CSUTInfo* active = GetSUTInfo(1);
    if ((!active->headerValid && !ReadSetupHeader(1)) || !ReadSetupBlocks(1)) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_SETUPS_READ);
    list.push_back("Active:\t\t" + active->setupName);
    return 1;
}

int CDataLogger::ReadInfoRecord() {
    if (!connection_->DoCommand("I?", 16000)) {
        return 0;
    }
    connection_->SetReplyMode('H');
    return DecodeIdentity(false);
}

int CDataLogger::ReadDemandWindow(int&) {
    return 0;
}

int CDataLogger::ReadTimedValues(CSUTExtendedData&) {
    return 0;
}

int CDataLogger::ReadExtraValues(CSUTExtendedData&) {
    return 0;
}
