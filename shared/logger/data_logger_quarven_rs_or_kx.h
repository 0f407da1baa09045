// CDataLoggerQuarvenRSorKX: the Quarven RS (type code 13) and KX (14) loggers: tagged setup queries,
// a configuration word, record queries, UTC clock and the fuller status report.
#pragma once

#include "shared/logger/data_logger.h"

class CDataLoggerQuarvenRSorKX : public CDataLogger {
public:
    // The program's build number, told to the logger at the session start.
    static constexpr int kProgramBuild = 346;

    CDataLoggerQuarvenRSorKX(CConnection* connection, int typeCode);

    int InitializeSession() override;
    int Disconnect(int reason) override;
    int ArmLogger(bool commandMode) override;
    int GetCommandLimit() const override { return 2048; }
    int GetInterfaceText(std::string& text) override;
    int BuildStatusReport(std::vector<std::string>& lines) override;
    int ReadConfiguration() override;
    int GetConfigurationBits() const override { return configuration_word_; }
    int WriteConfiguration(int value) override;
    int ReadDemandWindow(int& minutes) override;
    int ReadTimedValues(CSUTExtendedData& extended) override;
    int ReadExtraValues(CSUTExtendedData& extended) override;
    int DecodeRealTimeValues() override;
    int PrepareExtraWrite(const std::string& text) override;
    int WriteExtraBlock(const std::string& text) override;
    int WriteScalars(float a, float v, float r) override;
    int WriteNetworkSettings(const NetworkSettings& settings, bool withMac) override;
    int ReadNetworkSettings(NetworkSettings& settings, bool withMac) override;
    int WriteWiFiSettings(const WiFiSettings& settings) override;
    int ReadWiFiSettings(WiFiSettings& settings) override;
    void DecodeHeaderRecord(std::span<const std::uint16_t> words) override;
    int DecodeSupplyVoltages() override;
    int DecodeRealTimeImage() override;
    int WriteSetup(const CSetupTable* setup, int target, bool keepRecording) override;
    int SendFirmwareFile(const std::string& path) override;
    int ParseNameTag(const std::string& path, int mode) override;

    // Record queries.
    int ReadRecordInfo(bool all, std::uint32_t& value);
    std::int64_t ReadRecordCount(int n);
    int ReadRecordSize();
    int ReadRecordsAvailable();
    int SetReplyMode(bool binary);
    // Binary replies for a transfer: up to three tries, the transfer abandoned after each failure.
    int EnterBinaryReplies(bool restoreBinary);
    // The analog input section of a KX status report.
    int BuildAnalogInputReport(std::string& text);

protected:
    int ScalarCount() const override { return 3; }

private:
    // The setup's tagged blocks, then activation and the fresh start.
    int WriteTaggedSetup(const CSetupTable& setup, int target, bool keepRecording);
    // Firmware blocks of 512 bytes rather than 256, and the room a block has for records: no record
    // that does not fit an empty block is sent.
    bool HasLargeFirmwareBlocks() const;
    std::size_t FirmwareBlockRoom() const;
    // The firmware file's lines in binary blocks, its end tag as a text command; a block code.
    int SendFirmwareLines(const std::vector<std::string>& lines);
    // "I?I": the interface the logger is reached through.
    int ReadInterface();
    // "I!X": tells the logger the program's build.
    int SendProgramVersion();
    // The key-and-value items of an "L?" reply as report lines.
    void AppendQueryItems(std::string_view command, std::vector<std::string>& lines);

    int configuration_word_ = -1;
};
