// CDataLogger: the real-time snapshot: arming, the value table and the walk through the reply's tail.
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"

namespace {

constexpr int kQueryRepeats = 3;
constexpr std::size_t kIdentityStep = 10;
constexpr std::size_t kSupplyStep = 55;
constexpr std::size_t kBytesPerStandardChannel = 24;

}  // namespace

int CDataLogger::DecodeRealTimeValues() {
    const CSUTInfo* active = GetSUTInfo(1);
    if (active == nullptr || !CheckBlockReply(-1)) {
        return 0;
    }
    const std::size_t count = static_cast<std::size_t>(active->GetValueCount());
    if (real_time_values_.size() != count) {
        real_time_values_.assign(count, RealTimeValue{});
    }
    return 1;
}

int CDataLogger::DecodeRealTimeTail(std::size_t statusOffset, std::size_t clockStep) {
    if (block_data_.empty()) {
        return 0;
    }
    const std::size_t saved = block_cursor_;
    block_cursor_ = statusOffset;
    int result = DecodeStatusBytes();
    if (result) {
        block_cursor_ += kIdentityStep;
        result = DecodeIdentityBytes(false);
    }
    if (result) {
        block_cursor_ += kSupplyStep;
        result = DecodeSupplyVoltages();
    }
    if (result) {
        block_cursor_ += clockStep;
        result = DecodeClockBytes();
    }
    block_cursor_ = saved;
    return result;
}

int CDataLogger::ArmWith(std::string_view query, int timeout, bool commandMode) {
    if (!commandMode && !connection_->DoCommand("@!1", 8000)) {
        return 0;
    }
    int result = connection_->DoCommand(query, timeout);
    for (int repeat = 0; !result && repeat < kQueryRepeats && !App().IsSet(CAppContext::Flag::Abort);
         ++repeat) {
        result = connection_->DoCommand(query, timeout);
    }
    return result && DecodeRealTimeImage();
}

int CDataLogger::PrepareRealTimeRead() {
    CSUTInfo* active = GetSUTInfo(1);
    if (active == nullptr) {
        return 0;
    }
    active->Clear();
    PostStatusId(STATUS_TEXT, IDS_READING_SETUPS);
    if (!ReadSetupHeader(1) || !ReadSetupBlocks(1)) {
        return 0;
    }
    if (!active->setupTable || !active->setupTable->HasActiveChannel(type_code_ == 14)) {
        ShowMessageBoxId(type_code_ == 14 ? IDS_NO_ACTIVE_ANALOG_CHANNEL : IDS_NO_ACTIVE_CHANNEL, MB_OK, true);
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_REAL_TIME);
    int result = 0;
    if (type_code_ != 0) {
        result = connection_->DoCommand("@!1", 8000) == 1 && connection_->DoCommand("@?", 12000);
    } else {
        const int length = active->GetChannelCount(type_code_) * static_cast<int>(kBytesPerStandardChannel);
        result = length > 0 && connection_->DoCommand(FormatSetupRead(memory_bank_, GetRealTimeAddress(), length), 12000);
    }
    if (!result || !DecodeRealTimeValues()) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_STATUS);
    if (!ReadStatus() || !ReadInfoRecord()) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_SUPPLY);
    if (!ReadSupplyVoltages()) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_CLOCK);
    std::string clock;
    return ReadClock(clock);
}
