// CDataLoggerQuarvenRSorKX: programming a setup with the tagged block commands.
#include <string>

#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/programming_ids.h"
#include "shared/setup/setup_codes.h"

namespace {

// From this firmware version on the logger takes the demand window with a new setup.
constexpr int kDemandWindowFirmware = 200;

}  // namespace

int CDataLoggerQuarvenRSorKX::WriteSetup(const CSetupTable* setup, int target, bool keepRecording) {
    if (setup == nullptr) {
        return 0;
    }
    return WithRecordingStopped(keepRecording, [&] { return WriteTaggedSetup(*setup, target, keepRecording); });
}

int CDataLoggerQuarvenRSorKX::WriteTaggedSetup(const CSetupTable& s, int target, bool keepRecording) {
    transfer_active_ = true;
    last_percent_ = 0;
    struct Piece {
        unsigned statusId;
        const char* tag;
        std::size_t length;
        BlockBuilder build;
        bool wanted;
    };
    // Every channel slot of the model goes, used or not.
    const std::size_t channels = type_code_ == kModelQuarvenRS ? 204 : type_code_ == kModelQuarvenKX ? 324 : 172;
    const Piece pieces[] = {
        {IDS_SENDING_HEADER, "T!H", std::size_t(SetupHeaderLength()),
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerHeaderBlock(b); }, true},
        {IDS_SENDING_CHANNELS, "T!C", channels, [&s](std::span<std::uint8_t> b) { return s.BuildLoggerChannelBlock(b, true); },
         true},
        {IDS_SENDING_LABELS, "T!N", s.GetLoggerLabelBlockSize(),
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerLabelBlock(b); }, s.GetLoggerLabelBlockSize() > 0},
        {IDS_SENDING_EXTENDED, "T!S", std::size_t(kQuarvenExtendedSize),
         [&s](std::span<std::uint8_t> b) { return s.BuildLoggerTimeBlock(b); }, extended_setup_},
    };
    int result = 1;
    for (const Piece& piece : pieces) {
        if (result && piece.wanted) {
            result = SendSetupBlock(piece.statusId, static_cast<int>(piece.length), piece.build,
                                    [this, &piece](ByteBlock& block) { return FormatBlockWrite(piece.tag, block); });
        }
    }
    transfer_active_ = false;
    if (!result) {
        return 0;
    }
    if (target != 1) {
        return 1;
    }
    if (!ActivateSetup(target, keepRecording)) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_STARTING_SETUP);
    ForgetActiveSetup();
    if (SessionFirmwareVersion() >= kDemandWindowFirmware) {
        const std::string command = "T!P=" + std::to_string(s.GetExtendedData().GetDemandWindow());
        if (!connection_->DoCommand(command, 8000)) {
            return 0;
        }
    }
    return ClearMemory(keepRecording);
}
