// CDataLoggerOrnat: session start, farewell, supply voltages and real-time values of the Ornat loggers.
#include "shared/logger/data_logger_ornat.h"

#include "shared/link/connection.h"
#include "shared/logger/real_time_decode.h"

namespace {

constexpr std::size_t kStatusOffset = 98;
constexpr int kFirmwareWithFarewell = 115;
constexpr int kFirmwareWithNewVoltages = 119;

}  // namespace

CDataLoggerOrnat::CDataLoggerOrnat(CConnection* connection, int typeCode) : CDataLogger(connection, typeCode, 2) {
    alarm_block_ = SessionFirmwareVersion() >= 121;
    extended_setup_ = SessionFirmwareVersion() >= 52;
}

int CDataLoggerOrnat::InitializeSession() {
    return StartIdentity("%s/%s", false) && ReadSessionSetup(SessionFirmwareVersion() < 115 ? 7 : 8);
}

int CDataLoggerOrnat::Disconnect(int reason) {
    return EndSession(reason, SessionFirmwareVersion() >= kFirmwareWithFarewell);
}

int CDataLoggerOrnat::ArmLogger(bool commandMode) {
    return ArmWith("I!10", 4000, commandMode);
}

int CDataLoggerOrnat::DecodeRealTimeValues() {
    return CDataLogger::DecodeRealTimeValues() &&
           DecodeOrnatRealTime(BlockData(), *GetSUTInfo(1), {GetAScalar(), GetVScalar()}, real_time_values_);
}

void CDataLoggerOrnat::DecodeHeaderRecord(std::span<const std::uint16_t> words) {
    DecodeSetupWords(words, SessionFirmwareVersion() >= 115);
}

int CDataLoggerOrnat::DecodeSupplyVoltages() {
    return DecodeByteSupplyVoltages(SessionFirmwareVersion() >= kFirmwareWithNewVoltages);
}

int CDataLoggerOrnat::DecodeRealTimeImage() {
    const std::size_t clockStep = SessionFirmwareVersion() < kFirmwareWithNewVoltages ? 1 : 2;
    return DecodeRealTimeValues() && DecodeRealTimeTail(kStatusOffset, clockStep);
}
