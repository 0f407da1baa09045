// CDataLogger: programming a setup block by block, the alarm and extended-setup writes, and the
// record mode; the models stop recording around them.
#include <cstdio>
#include <memory>

#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/programming_ids.h"
#include "shared/setup/setup_codes.h"

namespace {

// Recording mode bytes of "#!": intervals of a minute and more, and the shorter ones.
constexpr std::uint8_t kMinuteRecording = 0x01;
constexpr std::uint8_t kFastRecording = 0x41;
constexpr std::uint8_t kFastRecordingOrnat2 = 0x43;

}  // namespace

int CDataLogger::SendSetupBlock(unsigned statusId, int length, const BlockBuilder& build,
                                const std::function<int(ByteBlock&)>& send) {
    ByteBlock block = NewByteBlock(length);
    PostStatusId(STATUS_TEXT, statusId);
    const int result = block.Length() > 0 && build(block.Span()) && send(block);
    FreeByteBlock(block);
    PostStatusValue(STATUS_COMMAND_DONE, 0);
    transfer_active_ = true;
    last_percent_ = 0;
    return result;
}

int CDataLogger::WriteSetupPiece(unsigned statusId, int length, const BlockBuilder& build, int summary, int offset) {
    const CSUTInfo* info = GetSUTInfo(summary);
    if (info == nullptr) {
        return 0;
    }
    const int address = info->blockAddress + offset;
    return SendSetupBlock(statusId, length, build, [this, address](ByteBlock& block) {
        return WriteMemoryBlock(block, address);
    });
}

int CDataLogger::WriteSetup(const CSetupTable* setup, int target, bool keepRecording) {
    if (setup == nullptr) {
        return 0;
    }
    return WithRecordingStopped(keepRecording, [&] { return WriteSetupBlocks(*setup, target, keepRecording); });
}

int CDataLogger::WriteSetupBlocks(const CSetupTable& s, int target, bool keepRecording) {
    int result = connection_->DoCommand("I!11", 8000);
    transfer_active_ = true;
    last_percent_ = 0;
    struct Piece {
        unsigned statusId;
        std::size_t length;
        int offset;
        BlockBuilder build;
        bool wanted;
    };
    const Piece pieces[] = {
        {IDS_SENDING_HEADER, std::size_t(SetupHeaderLength()), kHeaderOffset,
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerHeaderBlock(b); }, true},
        {IDS_SENDING_CHANNELS, s.GetLoggerChannelBlockSize(), kChannelOffset,
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerChannelBlock(b); }, true},
        {IDS_SENDING_LABELS, s.GetLoggerLabelBlockSize(), kLabelOffset,
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerLabelBlock(b); }, s.GetLoggerLabelBlockSize() > 0},
        {IDS_SENDING_NOTES, s.GetLoggerNoteBlockSize(), kNoteOffset,
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerNoteBlock(b); }, s.GetLoggerNoteBlockSize() > 0},
        {IDS_SENDING_ALARMS, CSetupTable::kLoggerAlarmBlockSize, kAlarmOffset,
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerAlarmBlock(b); }, alarm_block_},
        {IDS_SENDING_EXTENDED, std::size_t(kExtendedSize), kExtendedOffset,
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerTimeBlock(b); }, extended_setup_},
    };
    for (const Piece& piece : pieces) {
        if (result && piece.wanted) {
            result = WriteSetupPiece(piece.statusId, static_cast<int>(piece.length), piece.build, 0, piece.offset);
        }
    }
    transfer_active_ = false;
    if (!result) {
        return 0;
    }
    // Only the active setup is started; a setup stored elsewhere has nothing to activate.
    if (target == 1 && !ActivateSetup(target, keepRecording)) {
        return 0;
    }
    const bool minutes = s.GetIntervalSeconds() > 59;
    if (!SetRecordMode(minutes ? kMinuteRecording : type_code_ == kModelOrnatLast ? kFastRecordingOrnat2 : kFastRecording)) {
        return 0;
    }
    if (target == 1) {
        PostStatusId(STATUS_TEXT, IDS_STARTING_SETUP);
        ForgetActiveSetup();
        if (!ClearMemory(keepRecording)) {
            return 0;
        }
    }
    if (CSUTInfo* kept = GetSUTInfo(target == 1 ? 1 : 2)) {
        kept->setupTable = std::make_unique<CSetupTable>(s);
        kept->UpdateFromSetup();
    }
    return 1;
}

void CDataLogger::ForgetActiveSetup() {
    if (CSUTInfo* active = GetSUTInfo(1)) {
        active->Clear();
    }
    real_time_values_.clear();
}

int CDataLogger::WriteAlarms(const CSetupTable* setup, int summary) {
    return WithRecordingStopped(false, [&] { return WriteAlarmBlock(setup, summary); });
}

int CDataLogger::WriteExtendedSetup(const CSetupTable* setup, int summary) {
    return WithRecordingStopped(false, [&] { return WriteExtendedBlock(setup, summary); });
}

int CDataLogger::WriteAlarmBlock(const CSetupTable* setup, int summary) {
    if (!alarm_block_) {
        transfer_active_ = false;
        return 1;
    }
    return WriteOptionalPiece(setup, summary, IDS_SENDING_ALARMS, static_cast<int>(CSetupTable::kLoggerAlarmBlockSize),
                              &CSetupTable::BuildLoggerAlarmBlock, kAlarmOffset);
}

int CDataLogger::WriteExtendedBlock(const CSetupTable* setup, int summary) {
    if (!extended_setup_) {
        transfer_active_ = false;
        return 1;
    }
    return WriteOptionalPiece(setup, summary, IDS_SENDING_EXTENDED, kExtendedSize, &CSetupTable::BuildLoggerTimeBlock,
                              kExtendedOffset);
}

int CDataLogger::WriteOptionalPiece(const CSetupTable* setup, int summary, unsigned statusId, int length,
                                    bool (CSetupTable::*build)(std::span<std::uint8_t>) const, int offset) {
    if (setup == nullptr) {
        return 0;
    }
    PostStatusValue(STATUS_COMMAND_DONE, 0);
    transfer_active_ = true;
    const int result = WriteSetupPiece(statusId, length, [&](std::span<std::uint8_t> b) { return (setup->*build)(b); },
                                       summary, offset);
    transfer_active_ = false;
    return result;
}

int CDataLogger::WithRecordingStopped(bool keepRecording, const std::function<int()>& operation) {
    const int status = ReadStatus();
    bool restart = false;
    if (!keepRecording) {
        // Blocks are never written under a recording logger.
        if (!status) {
            return 0;
        }
        restart = recording_;
        if (!StopRecording()) {
            return 0;
        }
    }
    QueryStopped();
    const int result = operation();
    // A logger that was recording and cannot be restarted is not what the caller asked for.
    return restart && !StartRecording() ? 0 : result;
}

int CDataLogger::SetRecordMode(std::uint8_t mode) {
    char command[16];
    std::snprintf(command, sizeof command, "#! %2X", unsigned{mode});
    return connection_->DoCommand(command, 4000);
}
