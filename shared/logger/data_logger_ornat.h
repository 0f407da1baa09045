// CDataLoggerOrnat: the Ornat loggers (type codes 1 and 2).
#pragma once

#include "shared/logger/data_logger.h"

class CDataLoggerOrnat : public CDataLogger {
public:
    CDataLoggerOrnat(CConnection* connection, int typeCode);

    int InitializeSession() override;
    int Disconnect(int reason) override;
    int ArmLogger(bool commandMode) override;
    int DecodeRealTimeValues() override;
    void DecodeHeaderRecord(std::span<const std::uint16_t> words) override;
    int DecodeSupplyVoltages() override;
    int DecodeRealTimeImage() override;

protected:
    int ScalarCount() const override { return 3; }
};
