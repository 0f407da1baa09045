// CDataLogger: identification, status, scalars, supply voltages, clock and the one-line commands.
#include <cstdio>
#include <cstdlib>

#include "platform/base/local_time.h"
#include "shared/common/app_context.h"
#include "shared/common/calendar.h"
#include "shared/common/logger_fields.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/identity_record.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/status_image.h"
#include "shared/setup/interval_codes.h"

namespace {

// Long-form loggers below this version lack what the program relies on.
constexpr double kOldestLongFormFirmware = 400.194;
constexpr int kClockTextLength = 17;

}  // namespace

int CDataLogger::StartIdentity(const char* titleFormat, bool warn) {
    connection_->SetCommandLimit(GetCommandLimit());
    if (!DecodeIdentity(warn)) {
        return 0;
    }
    PostTitle(titleFormat);
    return 1;
}

void CDataLogger::PostTitle(const char* titleFormat) {
    char title[128];
    std::snprintf(title, sizeof title, titleFormat, logger_id_.c_str(), connection_->GetFirmwareVersion().c_str());
    title_text_ = title;
    PostStatusText(STATUS_LOGGER_TITLE, title_text_);
    PostStatusText(STATUS_DESCRIPTION, description_);
}

int CDataLogger::ReadSessionSetup(int words) {
    PostStatusId(STATUS_TEXT, IDS_READING_SCALARS);
    if (!ReadScalars()) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_HEADER_WORDS);
    if (!ReadHeaderWordsQuery(words)) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_SETUP_HEADER);
    if (!ReadSetupHeader(1)) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_STATUS);
    return ReadStatus();
}

int CDataLogger::ReadHeaderWordsQuery(int count) {
    return connection_->DoCommand("W?", 8000) && ReadHeaderWords(count);
}

int CDataLogger::DecodeIdentity(bool warn) {
    return CheckBlockReply(-1) && DecodeIdentityBytes(warn);
}

int CDataLogger::DecodeIdentityBytes(bool warn) {
    const std::optional<IdentityRecord> record = DecodeIdentityRecord(BlockData());
    if (!record) {
        return 0;
    }
    logger_id_ = record->loggerId;
    description_ = record->description;
    third_text_ = record->thirdText;
    firmware_text_ = record->firmwareText;
    firmware_number_ = FirmwareNumber(firmware_text_);
    option_flags_ = record->optionFlags;
    feature_flag_ = record->optionFlags[0];
    mode_code_ = record->modeCode;
    wraps_ = record->wraps;
    memory_bank_ = record->memoryBank;
    config_byte2_ = record->configByte2;
    if (warn && record->longForm && FirmwareVersionFromThird(firmware_text_) < kOldestLongFormFirmware) {
        ShowMessageBoxId(IDS_OLD_FIRMWARE, MB_OK, true);
    }
    SetRecording(record->recording);
    return 1;
}

int CDataLogger::ReadStatus() {
    return connection_->DoCommand("Y?", 12000) && DecodeStatus();
}

int CDataLogger::DecodeStatus() {
    return CheckBlockReply(-1) && DecodeStatusBytes();
}

int CDataLogger::DecodeStatusBytes() {
    std::optional<StatusImage> status = DecodeStatusImage(BlockData(), type_code_);
    if (!status) {
        return 0;
    }
    const MemoryCounts counts = CountMemory(*status, type_code_);
    memory_start_ = status->memoryStart;
    memory_end_ = status->memoryEnd;
    record_pointer_ = status->recordPointer;
    wraps_ = status->wraps;
    used_count_ = counts.used;
    free_count_ = counts.rest;
    SetRecording(status->recording);
    return 1;
}

int CDataLogger::ReadScalars() {
    const bool withR = IsQuarven();
    if (!DoBlockCommand("*?", 12000, -1) || BlockData().size() < (withR ? 12u : 8u)) {
        return 0;
    }
    const std::span<const std::uint8_t> bytes = BlockData();
    SetAScalar(GetLoggerFloat(bytes.subspan(0, 4), type_code_));
    SetVScalar(GetLoggerFloat(bytes.subspan(4, 4), type_code_));
    SetRScalar(withR ? GetLoggerFloat(bytes.subspan(8, 4), type_code_) : 0.0f);
    if (withR) {
        TraceFormat("A scalar: %f      V scalar: %f      R scalar: %f", double{GetAScalar()},
                    double{GetVScalar()}, double{GetRScalar()});
    }
    return 1;
}

int CDataLogger::ReadSupplyVoltages() {
    return DoBlockCommand("I!16", 12000, -1) && DecodeSupplyVoltages();
}

int CDataLogger::DecodeByteSupplyVoltages(bool newForm) {
    const std::span<const std::uint8_t> b = BlockData();
    if (b.size() < 2) {
        return 0;
    }
    if (newForm) {
        supply_ = {b[0] * 0.01517f, b[1] * 0.0302f};
    } else {
        supply_[0] = b[0] * 0.015f;
    }
    return 1;
}

BatteryReadings CDataLogger::GetBatteryReadings() const {
    return BatteryReadings{.externalPower = feature_flag_,
                           .batteryVolts = supply_[0],
                           .emptyLevel = further_readings_[0],
                           .step = further_readings_[1],
                           .supplyVolts = supply_[1],
                           .code = mode_code_};
}

int CDataLogger::ReadClock(std::string& text) {
    if (!SendQuery("C?", text, kClockTextLength) || static_cast<int>(text.size()) < kClockTextLength) {
        return 0;
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    int month = 0;
    int day = 0;
    int year = 0;
    if (std::sscanf(text.c_str(), "%d:%d:%d %d/%d/%d", &hour, &minute, &second, &month, &day, &year) != 6) {
        return 0;
    }
    if (!IsQuarven()) {
        clock_ = {year, month, day, hour, minute, second};
        return 1;
    }
    // The Quarven keeps UTC; the program shows local time. Fields out of range name no moment: the C
    // library would carry them over into another one.
    const std::optional<std::tm> utc = TimeFromFields(year + 2000, month, day, hour, minute, second);
    const std::optional<std::time_t> time = utc ? platform::FromUtcTime(*utc) : std::nullopt;
    const std::optional<std::tm> local = time ? platform::ToLocalTime(*time) : std::nullopt;
    if (!local) {
        return 0;
    }
    clock_ = {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec};
    char localText[32];
    std::snprintf(localText, sizeof localText, "%02d:%02d:%02d %02d/%02d/%02d", clock_[3], clock_[4], clock_[5],
                  clock_[1], clock_[2], clock_[0] % 100);
    text = localText;
    return 1;
}

int CDataLogger::DecodeClockBytes() {
    const std::span<const std::uint8_t> bytes = BlockData();
    if (bytes.size() < 6) {
        return 0;
    }
    // Hour, minute, second, month, day, two-digit year.
    clock_ = {bytes[5], bytes[3], bytes[4], bytes[0], bytes[1], bytes[2]};
    return 1;
}

void CDataLogger::SetRecording(bool on) {
    recording_ = on;
    PostStatusId(STATUS_RECORDING, !on ? IDS_RECORDING_OFF : HasModelFeature() ? IDS_RECORDING_ON_FAST : IDS_RECORDING_ON);
}

bool CDataLogger::HasModelFeature() const {
    if (summaries_.size() < 2 || feature_flag_) {
        return false;
    }
    const int code = LoggerIntervalToCode(summaries_[1].loggerInterval);
    const bool fastInterval = (code >= 8 && code <= 12) || code == 16;
    const std::size_t point = firmware_text_.rfind('.');
    return fastInterval && point != std::string::npos && std::atoi(firmware_text_.c_str() + point + 1) == 64;
}

int CDataLogger::StartRecording() {
    if (!connection_->DoCommand("E!", 8000)) {
        return 0;
    }
    SetRecording(true);
    return 1;
}

int CDataLogger::StopRecording() {
    if (!connection_->DoCommand("D!", 8000)) {
        return 0;
    }
    SetRecording(false);
    return 1;
}

int CDataLogger::QueryStarted() {
    return connection_->DoCommand("E?", 8000);
}

int CDataLogger::QueryStopped() {
    return connection_->DoCommand("D?", 8000);
}

int CDataLogger::ClearMemory(bool keepStopped) {
    const bool wasRecording = recording_;
    if (!keepStopped && !StopRecording()) {
        return 0;
    }
    int result = 0;
    if (App().IsSet(CAppContext::Flag::CtrlShiftHeld)) {
        if (keepStopped) {
            return 1;
        }
        result = connection_->DoCommand("E!", 12000);
    } else {
        result = connection_->DoCommand("G!", 12000);
        if (keepStopped) {
            return result;
        }
    }
    if (!wasRecording) {
        // Stopped again either way, but a clear that failed stays a failure.
        const int stopped = StopRecording();
        return result && stopped;
    }
    SetRecording(true);
    return result;
}

int CDataLogger::ClearTotals() {
    return connection_->DoCommand(IsQuarven() ? "T!R" : "CLEAR TOTALS", 8000);
}

int CDataLogger::ClearPeak() {
    if (!IsQuarven()) {
        return connection_->DoCommand("CLEAR PEAK", 8000);
    }
    int minutes = 0;
    if (!ReadDemandWindow(minutes)) {
        return 0;
    }
    const std::string command = "T!P=" + std::to_string(minutes);
    return CheckCommandLength(command) && connection_->DoCommand(command, 8000);
}

int CDataLogger::ClearCallSchedule() {
    return connection_->DoCommand("SCHEDULE /C \r", 12000);
}

int CDataLogger::SetEchoMode(bool on) {
    connection_->SetBlockReplyLength(0);
    if (!connection_->DoCommand(on ? "R!E" : "R!F", 8000)) {
        return 0;
    }
    if (CSession* session = Session()) {
        session->SetSendMode(on ? SEND_MODE_ECHO : SEND_MODE_LINE);
    }
    return 1;
}

int CDataLogger::TestRam() {
    std::string reply;
    return SendQuery("Z!", reply, 64) && reply.find("RAM OK") != std::string::npos;
}

int CDataLogger::ReadADCounts(std::string& text, int maxLength) {
    if (type_code_ >= 7 && type_code_ <= 9) {
        std::string reply;
        if (!SendQuery("@?\r", reply, maxLength)) {
            return 0;
        }
        // Types 7 and 8 give three digits at the start, type 9 four from character 4.
        const std::string digits = type_code_ == 9 ? (reply.size() >= 8 ? reply.substr(4, 4) : "")
                                                   : "0" + reply.substr(0, 3);
        text = std::to_string(std::strtoul(digits.c_str(), nullptr, 16) & 0xFFFF);
        return 1;
    }
    if (!SendQuery("F! B0 10\r", text, maxLength)) {
        KickLogger();
        return 0;
    }
    return 1;
}

int CDataLogger::EnableAtMode() {
    return connection_->DoCommand("@!1", 8000);
}

int CDataLogger::DisableAtMode() {
    return connection_->DoCommand("@!0", 8000);
}

int CDataLogger::SendFarewell(int reason) {
    connection_->SetQuietShutdown(reason == 2);
    if (App().IsSet(CAppContext::Flag::NoFarewell)) {
        return 1;
    }
    return connection_->DoCommand("S!", 4000);
}
