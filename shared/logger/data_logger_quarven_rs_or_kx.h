// CDataLoggerQuarvenRSorKX: the Quarven RS (type code 13) and KX (14) loggers: tagged setup queries,
// a configuration word, record queries, UTC clock and the fuller status report.
#pragma once

#include <filesystem>

#include "shared/logger/data_logger.h"
#include "shared/logger/discontinuity_report.h"
#include "shared/logger/record_batch_cache.h"

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

    // ---- Record downloads.
    // The record engine: the logger's numbered records read in batches into the data file `target`.
    int ReadData(const std::filesystem::path& target, bool readAll, long recordBase,
                 DownloadExchange& exchange) override;
    // Record `number` of `recordSize` bytes, from the cache or asked for with "R?D," (replies of
    // `replyLength` bytes in binary mode), up to 3 attempts. Null on failure with `code` saying why
    // (1 no link, 2 no records, 3 wrong length, 4 too many records, 5 no line end, 6 end of data,
    // 8 cancelled); `lastBatch` is set by the last record of the logger's last batch.
    virtual const std::uint8_t* ReadHexRecords(std::uint32_t number, int recordSize, int replyLength,
                                               bool& lastBatch, std::int64_t& time, int& code);
    // Reverses the byte order of `length` bytes at `buffer` in place.
    virtual void ReverseBytes(std::uint8_t* buffer, int length);
    // The analog input section of a KX status report.
    int BuildAnalogInputReport(std::string& text);

protected:
    int ScalarCount() const override { return 3; }

private:
    // The whole text of the last reply, without the line breaks before it.
    std::string ReplyText() const;
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

    // One attempt of ReadHexRecords at asking for and taking a record.
    const std::uint8_t* AskForRecord(std::uint32_t number, int recordSize, int replyLength, int& code);
    // Puts the link back into binary replies before another attempt.
    void RestoreBinaryReplies();
    // The end of a download that failed after the raw file was made: the file goes, the cache is
    // emptied; returns `result`.
    int CleanupTransfer(int result, RawDownloadFile& rawFile);

    // The steps of ReadData: prepare (setups, counts, raw file, binary replies), find where new data
    // starts, read the records into the raw file, then build the data file and end the transfer. Each
    // step but the read gives kReadDataDone to go on, or the download's result.
    struct RecordRun;
    int PrepareRecordRun(RecordRun& run);
    int FindNewRecords(RecordRun& run);
    void ReadRecords(RecordRun& run, DiscontinuityReport& report);
    int FinishRecordRun(RecordRun& run, const DiscontinuityReport& report);
    // After a record could not be read: logs why and asks what to do; true to try the record again.
    bool RecoverFromFailedRecord(RecordRun& run, std::uint32_t number);
    // The status line of the transfer, and the one while records arrive.
    static std::string TransferLine(const RecordRun& run);
    void ShowRecordProgress(RecordRun& run, std::uint32_t elapsedMs);

    int configuration_word_ = -1;
    // Record numbers wrap at this capacity (memory end / record size).
    std::uint32_t record_capacity_ = 0;
    RecordBatchCache record_cache_;
};
