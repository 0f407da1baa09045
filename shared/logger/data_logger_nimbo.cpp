// CDataLoggerNimbo: session start, farewell, supply voltages and real-time values of the Nimbo loggers.
#include "shared/logger/data_logger_nimbo.h"

#include "shared/link/connection.h"
#include "shared/logger/real_time_decode.h"

namespace {

constexpr std::size_t kStatusOffset = 8;
constexpr std::size_t kClockStep = 2;

}  // namespace

CDataLoggerNimbo::CDataLoggerNimbo(CConnection* connection, int typeCode) : CDataLogger(connection, typeCode, 2) {
    alarm_block_ = SessionFirmwareVersion() >= 96;
    extended_setup_ = SessionFirmwareVersion() >= 149;
}

int CDataLoggerNimbo::InitializeSession() {
    return StartIdentity("%s/%s", false) && ReadSessionSetup(8);
}

int CDataLoggerNimbo::Disconnect(int reason) {
    return EndSession(reason, true);
}

int CDataLoggerNimbo::ArmLogger(bool commandMode) {
    return ArmWith("I!10", 4000, commandMode);
}

int CDataLoggerNimbo::DecodeRealTimeValues() {
    return CDataLogger::DecodeRealTimeValues() &&
           DecodeNimboRealTime(BlockData(), *GetSUTInfo(1), {GetAScalar(), GetVScalar()}, real_time_values_);
}

void CDataLoggerNimbo::DecodeHeaderRecord(std::span<const std::uint16_t> words) {
    DecodeSetupWords(words, true);
}

int CDataLoggerNimbo::DecodeSupplyVoltages() {
    return DecodeByteSupplyVoltages(true);
}

int CDataLoggerNimbo::DecodeRealTimeImage() {
    return DecodeRealTimeValues() && DecodeRealTimeTail(kStatusOffset, kClockStep);
}
