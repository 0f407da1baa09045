// CDataLogger: one connected logger as the program sees it: the operations every logger family
// answers, in the order the families override them, and what the object learns of its logger.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shared/datafile/data_info.h"
#include "shared/logger/battery_readings.h"
#include "shared/logger/byte_block.h"
#include "shared/logger/config_table.h"
#include "shared/logger/download_policy.h"
#include "shared/logger/real_time_value.h"
#include "shared/logger/transfer_counters.h"
#include "shared/setup/sut_info.h"

class CConnection;
class CAppContext;
class CSession;
struct CConversionContext;
class DownloadProgressSink;
class RawDownloadFile;
struct CallScheduleRecord;
struct DataMemoryState;
struct NetworkSettings;
struct WiFiSettings;

class CDataLogger {
public:
    // The reply copy of a checked hex dump.
    static constexpr int kReplyMax = 5136;
    // Offsets of the pieces of one setup in the setup memory of the models below type code 13.
    static constexpr int kHeaderOffset = 0;
    static constexpr int kLabelOffset = 58;
    static constexpr int kNoteOffset = 184;
    static constexpr int kChannelOffset = 670;
    static constexpr int kAlarmOffset = 842;
    static constexpr int kExtendedOffset = 1202;
    static constexpr int kExtendedSize = 62;
    static constexpr int kQuarvenExtendedSize = 12;
    static constexpr int kNoteSize = 81;
    // Where the option byte lies in the logger memory.
    static constexpr int kOptionByteAddress = 0xB7E2;

    CDataLogger(CConnection* connection, int typeCode, int summaries);
    virtual ~CDataLogger();
    CDataLogger(const CDataLogger&) = delete;
    CDataLogger& operator=(const CDataLogger&) = delete;

    // ---- Operations each family answers in its own way.
    // The first exchange after the link is up: identity, scalars, setup header, status.
    virtual int InitializeSession() = 0;
    // The farewell to the logger, once per link; `reason` 2 is a quiet end.
    virtual int Disconnect(int reason) = 0;
    // "@!1" / "@!0".
    virtual int EnableAtMode();
    virtual int DisableAtMode();
    // Names of the setups the logger holds, as "Active:\t\t<name>" lines.
    virtual int ListStoredSetups(std::vector<std::string>& list);
    // "*?": the calibration scalars.
    virtual int ReadScalars();
    // The real-time snapshot; `commandMode` when "@!1" was already sent.
    virtual int ArmLogger(bool commandMode) = 0;
    // The longest command text the logger takes.
    virtual int GetCommandLimit() const { return 70; }
    virtual int GetInterfaceText(std::string& text);
    virtual int BuildStatusReport(std::vector<std::string>& lines);
    // "L?CONFIGURATION": the configuration word, -1 on failure or for a model without one.
    virtual int ReadConfiguration() { return -1; }
    virtual int GetConfigurationBits() const { return -1; }
    // "L!CONFIGURATION=value"; only the Quarven has one.
    virtual int WriteConfiguration(int) { return 0; }
    virtual int ReadDemandWindow(int& minutes);
    virtual int ReadTimedValues(CSUTExtendedData& extended);
    virtual int ReadExtraValues(CSUTExtendedData& extended);
    // Bytes of one channel label.
    virtual int GetLabelSize() const { return 21; }
    virtual int ReadSupplyVoltages();
    virtual int DecodeRealTimeValues();
    virtual void DecodeHeaderRecord(std::span<const std::uint16_t> words) = 0;
    virtual int DecodeSupplyVoltages() = 0;
    virtual int DecodeRealTimeImage() = 0;

    // ---- Shared operations.
    // Setup summary by index: 0 to 6 for the standard model, 0 and 1 for the others; nullptr beyond.
    CSUTInfo* GetSUTInfo(int index);
    // "Y? bank address length" for a piece of setup `index`; false for a length of 0 or less.
    bool FormatBlockRead(std::string& command, int index, int length, int offset = 0) const;
    static std::string FormatSetupRead(std::uint8_t bank, unsigned address, int length);

    // Decodes and checks the reply the connection holds into the block data; -1 any length.
    int CheckBlockReply(int expectedLength);
    // Takes `bytes` as the block data (what a checked reply leaves).
    void LoadBlockData(std::span<const std::uint8_t> bytes);
    void FreeBlockData();
    std::span<const std::uint8_t> BlockData() const;

    // DoCommand with 12000 ms and a copy of the reply's first line (leading filler skipped), at most
    // `maxLength` characters.
    int SendQuery(std::string_view command, std::string& text, int maxLength);
    int ReadStatus();
    // The identification record of the "I?" reply still held by the connection.
    int DecodeIdentity(bool warn);
    // The status image of the "Y?" reply the connection holds.
    int DecodeStatus();
    // The same from the block data at its cursor (the real-time reply carries both).
    int DecodeIdentityBytes(bool warn);
    int DecodeStatusBytes();
    int ReadClock(std::string& text);
    int StartRecording();
    int StopRecording();
    int QueryStarted();
    int QueryStopped();
    int ClearMemory(bool keepStopped);
    int ClearTotals();
    int ClearPeak();
    int ClearCallSchedule();
    int SetEchoMode(bool on);
    int TestRam();
    int ReadADCounts(std::string& text, int maxLength);
    void SetRecording(bool on);
    void KickLogger();
    bool HasModelFeature() const;
    // The option byte at 0xB7E2 into the option word: one byte, or two for the standard and Nimbo
    // models.
    int ReadOptionByte(int& value);
    int WriteOptionByte(int value);
    int GetOptionWord() const { return option_word_; }
    void SetOptionWord(int word) { option_word_ = word; }
    int SendTerminalCommand(std::string_view text, std::string& reply);
    int ReadWiFiStatus(std::string& text);
    // "Y?" of the call-schedule block, decoded into `record` with `date` anchoring the weekdays.
    int ReadCallSchedule(CallScheduleRecord& record, const std::tm& date);
    // "I!18": the read position of a partial download.
    int SendReadRange(std::uint32_t first, std::uint32_t last);
    // The Quarven module's text reply to `command`; "!" when it has none.
    std::string QueryModuleText(std::string_view command);
    int EnterModuleTerminal();
    int ExitModuleTerminal();
    // "W!" of summaries 0 and 1; only `which` 1.
    int ActivateSetup(int which, bool keepStopped);
    // The waveform capture: "F?" with `channel` (0-3) into GetConfigTable(), cleared first; non-zero on
    // success. `sampleCount` is what the Quarven sends (200, or 240 with the setup's 50 Hz option); the
    // Ornat always sends 128 samples and the standard model 256. The Nimbo models have no waveform: 0
    // without a command.
    int ReadConfigValue(int channel, int sampleCount);
    // The checked "F?" reply into the configuration table, by family.
    int DecodeConfigTable(int sampleCount);
    const ConfigTable& GetConfigTable() const { return config_table_; }

    // Reading setups back.
    int ReadSetupHeader(int index);
    int ReadSetupBlocks(int index);
    int ReadSetupChannels(int index);
    int ReadSetupLabels(int index);
    int ReadSetupNotes(int index);
    int ReadSetupAlarms(int index);
    int ReadExtendedSetup(int index);
    int ReadSetupImage(int index);
    int ReadInfoRecord();
    int PrepareRealTimeRead();
    // The address of the standard logger's real-time values in its setup memory.
    std::uint16_t GetRealTimeAddress() const { return header_words_[0]; }
    int ReadGeneralQuery();
    int GetChannelBlockSize(int index) const;
    // The "W?" reply of `count` hex words into the setup addresses.
    int ReadHeaderWords(int count);
    // A setup header, from a checked reply or from an expanded image, into summary `index`.
    int DecodeSetupHeader(int index, std::span<const std::uint8_t> bytes, int& length);
    // 58 bytes below type code 13, 72 for 13, 74 for 14.
    int SetupHeaderLength() const;
    int DecodeChannelLabels(int index, std::span<const std::uint8_t> bytes);
    int DecodeChannelNotes(int index, std::span<const std::uint8_t> bytes);
    int DecodeChannelBlock(int index);
    int DecodeAlarmBlock(int index, int expectedLength);
    int DecodeExtendedSetup(int index);
    int DecodeSetupImage(int index);
    int DecodeClockBytes();

    // Memory reads.
    int ReadMemoryWord(int address, int length, std::uint16_t& value);
    // One block of a download, read downwards from `address`.
    int ReadMemoryBlock(std::int64_t& address, std::int64_t& bytesLeft, bool keepPosition);
    // The download's blocks appended to `rawFile`; a file that cannot be written is told through
    // `exchange`.
    int ReadMemoryToFile(RawDownloadFile& rawFile, std::int64_t address, std::int64_t bytesLeft,
                         bool keepPosition, DownloadExchange& exchange);
    // After each block of a download: the bar from the bytes received, and in the window the records
    // with their rate and the time left.
    void ShowBlockProgress(std::uint32_t elapsedMs);
    void ShowBytesProgress(std::int64_t bytes);
    // The record size of the active setup; 0 without one.
    int ActiveRecordSize();
    // The stamp of the record that ends at `endAddress`; a read that fails is told through `exchange`.
    int ReadRecordValue(std::int64_t endAddress, std::uint32_t& value, DownloadExchange& exchange);
    std::int64_t SizeOfFullDataRead(std::int64_t& first) const;
    std::int64_t SizeOfPartialDataRead(std::int64_t& first) const;

    // ---- Setting commands.
    // "C!" with `time`: in UTC from type code 13, in local time below. A time the clock cannot show and
    // a text too long for the command line are not sent.
    int SetLoggerClock(std::time_t time);
    // "I!14" with the code of `rate`; the link follows the logger to its new rate.
    int SetBaudRate(int rate);
    static int BaudRateCode(int rate);
    // "I!E": the logger ID, at most 6 characters.
    int SetLoggerId(const std::string& text);
    // After new logger IDs: "G!", then "I!4" when it succeeded. 1 success.
    int RestartAfterIdChange();
    // The firmware text becomes `prefix` followed by the old text's version tail (its last four
    // characters; a text shorter than that has none to lend), and so does the connection's.
    void ReplaceFirmwareTextPrefix(const std::string& prefix);
    // "+!" and "+?": the modem string, at most 60 characters.
    int SetModemString(const std::string& text);
    int ReadModemString(std::string& text);
    // The logger description, and the second logger ID (at most 6 characters below type code 13).
    virtual int PrepareExtraWrite(const std::string& text);
    virtual int WriteExtraBlock(const std::string& text);
    // "*!": the calibration scalars as float bit patterns.
    virtual int WriteScalars(float a, float v, float r);
    // The 144-byte host-call schedule record into the logger's schedule block, after a status read.
    int WriteCallSchedule(std::span<const std::uint8_t> record);
    int SendScheduleRCommand();
    // `value` in a zero-filled field of `fieldLength` bytes, sent as the tagged block "<tag>="; the field
    // of a `secret` value (a password) shows as asterisks in the trace and communication log.
    int SendTextSetting(const std::string& tag, const std::string& value, int fieldLength, bool secret);
    // The wired network settings; `withMac` writes or reads the MAC address too.
    virtual int WriteNetworkSettings(const NetworkSettings& settings, bool withMac);
    virtual int ReadNetworkSettings(NetworkSettings& settings, bool withMac);
    // The Wi-Fi module's settings: only a network logger has one.
    virtual int WriteWiFiSettings(const WiFiSettings&) { return 0; }
    virtual int ReadWiFiSettings(WiFiSettings&) { return 0; }
    // "#?": the calibration reference; success only with all three values.
    int ReadCalibrationReference(int& index, float& value1, float& value2);

    // Abandons the transfer under way with ESC; with `restoreBinary`, a link in binary reply mode is
    // put back into it ("R!B"). 1 success.
    int AbortTransfer(bool restoreBinary);

    // ---- Writing setups, blocks and programs.
    // Sends `setup` block by block into the working setup area, then activates it; `target` 1 starts it
    // as the active setup (clearing the memory), another target only stores it. Recording is stopped
    // around it and restarted, unless `keepRecording` leaves it as it is. 1 success.
    virtual int WriteSetup(const CSetupTable* setup, int target, bool keepRecording);
    // The alarm block and the extended setup into summary `summary`'s area, recording stopped around
    // the write; success without a command when the logger has no such block.
    virtual int WriteAlarms(const CSetupTable* setup, int summary);
    virtual int WriteExtendedSetup(const CSetupTable* setup, int summary);
    // "#!" with the recording mode byte.
    int SetRecordMode(std::uint8_t mode);
    // Codes of a program block: sent, no session or link, the send failed or the reply was empty or
    // invalid, the logger refused it, cancelled, the logger asked for it again each time.
    static constexpr int kBlockSent = 0;
    static constexpr int kBlockNoSession = 3;
    static constexpr int kBlockSendFailed = 4;
    static constexpr int kBlockRefused = 5;
    static constexpr int kBlockCancelled = 7;
    static constexpr int kBlockResend = 8;
    // One block of a program or file transfer, raw `bytes` or else the command text, with up to three
    // attempts; the code above.
    virtual int SendProgramBlock(std::string_view command, std::span<const std::uint8_t> bytes);
    // The Intel HEX firmware file at `path` sent to the logger; 0 success. Only the Quarven takes one.
    virtual int SendFirmwareFile(const std::string& /*path*/) { return 0; }
    // The file at `path` uploaded to the logger in numbered blocks (`mode` 1); 0 success. Only the
    // Quarven takes one.
    virtual int ParseNameTag(const std::string& /*path*/, int /*mode*/) { return 0; }
    // The counters the two transfers above move; shared with whoever follows them (never null).
    std::shared_ptr<TransferCounters> GetTransferCounters() const { return transfer_counters_; }
    void SetTransferCounters(std::shared_ptr<TransferCounters> counters);
    // The checksummed memory write "M!" of `block` at `address`, chunk by chunk, each chunk and then the
    // whole range verified with "U?". 1 success.
    virtual int WriteMemoryBlock(const ByteBlock& block, int address);
    // The wait callback of block writes: posts the percent written when it grows.
    void WriteWaitCallback();
    // One tagged block command of the Quarven ("T!H"...) with its checksum; the logger must answer
    // "OK". The block is freed either way.
    virtual int FormatBlockWrite(std::string_view tag, ByteBlock& block);
    // ---- Downloads.
    // Reads the logger's records into the data file `target`: all of them, or with `readAll` false those
    // logged since the stored position, with `policy` answering the download's questions. The outcome's
    // result is one of the kReadData codes (download_result.h); `recordBase` numbers the record engine's
    // discontinuity lines. `earlierTry` is the file an earlier try of the same download built at
    // `target`, after which the user chose Try again.
    DownloadOutcome Download(const std::filesystem::path& target, bool readAll, long recordBase,
                             DownloadPolicy policy, std::optional<BuiltDataFile> earlierTry = std::nullopt);
    // The download engine of the model: the result, what it asked and told in `exchange`.
    virtual int ReadData(const std::filesystem::path& target, bool readAll, long recordBase,
                         DownloadExchange& exchange);
    // Builds the data file `target` from the raw download `rawFile`, after the old file's records when
    // the session reads new data (the old file then goes to ".bak", unless an earlier try of the download
    // built it: the backup stays the file as it was before the download); `recordCount` -1 takes the raw
    // file's count, `position` -1 the logger's own memory position. The raw file is removed. 1 success,
    // 0 failure, kReadDataNothingToRead when no record was newer than the old file's last (which stays).
    // What the data files have to tell goes through `exchange`.
    int AssembleDownloadFile(const std::filesystem::path& target, RawDownloadFile& rawFile,
                             long intervalSeconds, long recordCount, std::int64_t position, bool readAll,
                             DownloadExchange& exchange);
    // What the caller wants done after a download broke with `recordsReceived` whole records kept:
    // kReadDataKept, kReadDataTryAgain or kReadDataRecoveryCancelled.
    int PromptDataRecovery(DownloadExchange& exchange, int recordsReceived);
    // Where a download of new data continues: the old file's logger memory position (tag 5), its last
    // record time mark (tag 6) and its header flag byte (bit 0: the file ended with a partial download).
    std::uint32_t GetStoredPosition() const { return stored_position_; }
    std::uint32_t GetStoredTimeMark() const { return stored_time_mark_; }
    std::uint8_t GetStoredFlags() const { return stored_flags_; }
    void SetStoredContinuation(std::uint32_t position, std::uint32_t timeMark, std::uint8_t flags);
    // Whether the stored time mark still lies between the oldest and the newest record of a wrapped
    // memory; false when either record could not be read.
    bool StoredMarkStillInMemory(DownloadExchange& exchange);
    // The decoders' view of this logger and its session for converting `intervalSeconds` records.
    CConversionContext MakeConversionContext(long intervalSeconds) const;

    // Output to the download progress window, or status texts without one.
    void SetProgressSink(DownloadProgressSink* sink) { progress_sink_ = sink; }
    // The download's log in the progress window: emptied, or a line added.
    void ClearTrace();
    void AppendTrace(std::string_view line);
    void WriteTrace(unsigned stringId);
    // A step of a download in its window and the status bar, which must not go on showing the step
    // before it (the setup read's).
    void ShowStep(unsigned stringId);
    void ReportStatus(const std::string& text);
    // The wait callback of block reads: moves the progress on by what has arrived.
    void UpdateBlockProgress();

    // Scalars (0.0 where the model has none).
    float GetAScalar() const { return scalars_[0]; }
    float GetVScalar() const { return scalars_[1]; }
    float GetRScalar() const { return scalars_[2]; }
    void SetAScalar(float value) { SetScalar(0, value); }
    void SetVScalar(float value) { SetScalar(1, value); }
    void SetRScalar(float value) { SetScalar(2, value); }

    // What the object learned.
    int GetTypeCode() const { return type_code_; }
    int GetFirmwareNumber() const { return firmware_number_; }
    const std::string& GetTitleText() const { return title_text_; }
    const std::string& GetLoggerId() const { return logger_id_; }
    const std::string& GetDescription() const { return description_; }
    // The description as it was last written to the logger.
    void SetDescription(std::string text) { description_ = std::move(text); }
    const std::string& GetThirdText() const { return third_text_; }
    const std::string& GetFirmwareText() const { return firmware_text_; }
    const std::string& GetInterfaceName() const { return interface_text_; }
    std::uint8_t GetMemoryBank() const { return memory_bank_; }
    std::uint8_t GetConfigByte2() const { return config_byte2_; }
    bool IsRecording() const { return recording_; }
    bool IsWrapping() const { return wraps_; }
    bool GetOptionFlag(int index) const { return option_flags_.at(static_cast<std::size_t>(index)); }
    int GetModeCode() const { return mode_code_; }
    std::uint32_t GetMemoryStart() const { return memory_start_; }
    std::uint32_t GetMemoryEnd() const { return memory_end_; }
    std::uint32_t GetRecordPointer() const { return record_pointer_; }
    std::int64_t GetUsedCount() const { return used_count_; }
    std::int64_t GetFreeCount() const { return free_count_; }
    std::uint16_t GetHeaderWord(int index) const { return header_words_.at(static_cast<std::size_t>(index)); }
    std::uint32_t GetReadPosition() const { return read_position_; }
    void SetReadPosition(std::uint32_t position) { read_position_ = position; }
    BatteryReadings GetBatteryReadings() const;
    // Year, month, day, hour, minute, second.
    const std::array<int, 6>& GetClock() const { return clock_; }
    bool HasAlarmBlock() const { return alarm_block_; }
    bool HasExtendedSetup() const { return extended_setup_; }
    const std::vector<RealTimeValue>& GetRealTimeValues() const { return real_time_values_; }
    const CDataInfo& GetDataInfo() const { return data_info_; }
    CConnection* GetConnection() const { return connection_; }

protected:
    // How many of the A, V and R scalars the model keeps.
    virtual int ScalarCount() const = 0;
    // Memory models read from setup memory; the Quarven has its tagged queries.
    bool IsQuarven() const { return type_code_ >= 13; }
    // The session and the application of the link, as the link was given them.
    CSession* Session() const;
    CAppContext& App() const;
    int SessionFirmwareVersion() const;
    bool IsAborted() const;
    void PostStatusId(unsigned code, unsigned stringId) const;
    void PostStatusText(unsigned code, std::string text) const;
    void PostStatusValue(unsigned code, int value) const;
    // The common steps of the Ornat, Nimbo and Quarven session starts: scalars, `words` header words,
    // setup-1 header, status.
    int ReadSessionSetup(int words);
    // Command-length limit, identity, title text and description posted.
    int StartIdentity(const char* titleFormat, bool warn);
    // The title text of logger ID and firmware text, posted with the description.
    void PostTitle(const char* titleFormat);
    // Setup 1 at word 0 and the working setup at word 2, the header words 5, 6 and (with a schedule) 7.
    void DecodeSetupWords(std::span<const std::uint16_t> words, bool withSchedule);
    // Supply voltages of one byte each; the older form has only the first, on another scale.
    int DecodeByteSupplyVoltages(bool newForm);
    // "W?" then ReadHeaderWords with the model's count.
    int ReadHeaderWordsQuery(int count);
    // DoCommand then CheckBlockReply.
    int DoBlockCommand(std::string_view command, int timeout, int expectedLength);
    // Sends the farewell "S!" with DoCommand.
    int SendFarewell(int reason);
    // The hex digits of a reply, after leading filler, up to the first line end or prompt.
    std::string ReplyLine() const;
    // The reply text, at most 1023 characters, without a closing prompt.
    std::string ModuleReplyText() const;
    // Disconnect of the families that have nothing more to say than the farewell, if any.
    int EndSession(int reason, bool sayFarewell);
    // Whether a command text fits in the logger's line; shows the message box when not.
    bool CheckCommandLength(const std::string& command) const;
    // The header fields of a summary's setup table, from the summary.
    void FillSetupHeader(CSUTInfo& info, const std::string& loggerId) const;
    CSetupTable& EnsureSetupTable(CSUTInfo& info) const;
    // Walks the real-time reply after its values: status, identity, supply voltages and clock at the
    // family's offsets; the block data position is restored.
    int DecodeRealTimeTail(std::size_t statusOffset, std::size_t clockStep);
    // "@!1" unless in command mode, then `query` with up to three repeats, then the real-time decode.
    int ArmWith(std::string_view query, int timeout, bool commandMode);
    // `text` in a zero-filled field of `fieldLength` bytes, as the tagged block `tag`.
    int WriteTextField(const std::string& tag, const std::string& text, int fieldLength);
    // Where the memory models keep their logger ID and description: the second header word.
    int IdAreaAddress() const { return header_words_[1]; }
    // ---- Writing setups, blocks and programs: the shared steps.
    using BlockBuilder = std::function<bool(std::span<std::uint8_t>)>;
    // One block of a setup: allocated, its status posted, built, sent by `send`, freed; the progress
    // starts afresh for the next block.
    int SendSetupBlock(unsigned statusId, int length, const BlockBuilder& build,
                       const std::function<int(ByteBlock&)>& send);
    // A setup block written into setup memory at summary `summary`'s area + `offset`.
    int WriteSetupPiece(unsigned statusId, int length, const BlockBuilder& build, int summary, int offset);
    int WriteOptionalPiece(const CSetupTable* setup, int summary, unsigned statusId, int length,
                           bool (CSetupTable::*build)(std::span<std::uint8_t>) const, int offset);
    // Status read, recording stopped ("D!", "D?") unless `keepRecording`, `operation`, and recording
    // restarted when it had been on.
    int WithRecordingStopped(bool keepRecording, const std::function<int()>& operation);
    // The memory models' setup write without the recording bracket; the alarm block and the extended
    // setup likewise.
    int WriteSetupBlocks(const CSetupTable& setup, int target, bool keepRecording);
    int WriteAlarmBlock(const CSetupTable* setup, int summary);
    int WriteExtendedBlock(const CSetupTable* setup, int summary);
    // Summary 1 and the real-time values forgotten: a new active setup is on its way.
    void ForgetActiveSetup();

    // Runs a block read with the progress counters set for it.
    int RunBlockRead(std::string_view command, int timeout, int length);

    // The steps of the memory engine's ReadData: find what to read (setups, status, sizes), prepare the
    // raw file, then, after the memory is read into it, build the data file (or keep the whole records
    // of a broken read). The first two give kReadDataDone to go on, or the download's result.
    struct MemoryRun;
    int FindMemoryToRead(MemoryRun& run);
    int PrepareMemoryRun(MemoryRun& run);
    int FinishMemoryRun(MemoryRun& run, bool transferred);
    int AssembleMemoryRun(MemoryRun& run);
    int KeepBrokenMemoryRun(MemoryRun& run);

    CConnection* const connection_;
    int type_code_;
    std::string title_text_;
    std::string interface_text_;
    std::vector<std::uint8_t> block_data_;
    std::size_t block_cursor_ = 0;
    int firmware_number_ = 0;
    CDataInfo data_info_;
    std::string logger_id_;
    std::string description_;
    std::string third_text_;
    std::string firmware_text_;
    std::uint8_t memory_bank_ = 0;
    std::uint8_t config_byte2_ = 0;
    bool recording_ = false;
    bool wraps_ = false;
    std::array<bool, 5> option_flags_{};
    int mode_code_ = 0;
    std::uint32_t memory_start_ = 0;
    std::uint32_t memory_end_ = 0;
    std::uint32_t record_pointer_ = 0;
    std::array<std::uint16_t, 3> header_words_{};
    // Progress of a block read or a download: the estimate stays put while a transfer is active.
    std::int64_t bytes_to_read_ = 0;
    std::int64_t bytes_received_ = 0;
    bool transfer_active_ = false;
    bool alarm_block_ = false;
    bool extended_setup_ = false;
    std::uint32_t read_position_ = 0;
    int option_word_ = 0;
    std::vector<RealTimeValue> real_time_values_;
    std::int64_t used_count_ = 0;
    std::int64_t free_count_ = 0;
    // Option flag 1 of the identity: the logger runs on external power.
    bool feature_flag_ = false;
    // The battery and supply voltages, and the standard model's battery empty level and step.
    std::array<float, 2> supply_{};
    std::array<float, 2> further_readings_{};
    std::array<int, 6> clock_{};
    std::array<float, 3> scalars_{};
    std::vector<CSUTInfo> summaries_;
    ConfigTable config_table_;
    std::uint32_t stored_position_ = 0;
    std::uint32_t stored_time_mark_ = 0;
    std::uint8_t stored_flags_ = 0;
    DownloadProgressSink* progress_sink_ = nullptr;
    // Progress of a block write; the transfer-active flag above brackets a whole setup.
    std::int64_t bytes_to_write_ = 0;
    std::int64_t bytes_written_ = 0;
    int last_percent_ = 0;
    std::shared_ptr<TransferCounters> transfer_counters_ = std::make_shared<TransferCounters>();
    std::string trace_text_;

private:
    void SetScalar(int index, float value);
    // Hands the download's log to the progress window, when there is one.
    void ShowTrace();
    // The memory pointers and the active setup's record size, for the download arithmetic.
    DataMemoryState MemoryState() const;
};
