// CDataLoggerStandard: the standard logger (type code 0): seven setup summaries with four ROM setups,
// no calibration scalars, float supply readings.
#pragma once

#include "shared/logger/data_logger.h"

class CDataLoggerStandard : public CDataLogger {
public:
    static constexpr int kSummaries = 7;

    CDataLoggerStandard(CConnection* connection, int typeCode);

    int InitializeSession() override;
    int Disconnect(int reason) override;
    int EnableAtMode() override { return 1; }
    int DisableAtMode() override { return 1; }
    int ListStoredSetups(std::vector<std::string>& list) override;
    int ReadScalars() override { return 0; }
    int ArmLogger(bool commandMode) override;
    int ReadSupplyVoltages() override;
    int DecodeRealTimeValues() override;
    void DecodeHeaderRecord(std::span<const std::uint16_t> words) override;
    int DecodeSupplyVoltages() override;
    int DecodeRealTimeImage() override;
    int WriteSetup(const CSetupTable* setup, int target, bool keepRecording) override;
    int WriteAlarms(const CSetupTable* setup, int summary) override;
    int WriteExtendedSetup(const CSetupTable* setup, int summary) override;
    // Recording stops while the memory is read when the interval is below a minute.
    int ReadData(const std::filesystem::path& target, bool readAll, long recordBase,
                 DownloadExchange& exchange) override;

protected:
    int ScalarCount() const override { return 0; }
};
