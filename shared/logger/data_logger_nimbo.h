// CDataLoggerNimbo: the Brelan and Nimbo loggers (type codes 3 to 10), with A and V scalars only.
#pragma once

#include "shared/logger/data_logger.h"

class CDataLoggerNimbo : public CDataLogger {
public:
    CDataLoggerNimbo(CConnection* connection, int typeCode);

    int InitializeSession() override;
    int Disconnect(int reason) override;
    int ArmLogger(bool commandMode) override;
    int DecodeRealTimeValues() override;
    void DecodeHeaderRecord(std::span<const std::uint16_t> words) override;
    int DecodeSupplyVoltages() override;
    int DecodeRealTimeImage() override;

protected:
    int ScalarCount() const override { return 2; }
};
