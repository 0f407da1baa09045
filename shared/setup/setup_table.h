// CSetupTable: the whole setup of one logger: its records, file stream, record arithmetic, data-file
// columns and the setup image exchanged with the logger.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "shared/setup/interval_codes.h"
#include "shared/setup/raw_data_field.h"
#include "shared/setup/record_file_io.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/sut_channel_alarms.h"
#include "shared/setup/sut_channel_analog.h"
#include "shared/setup/sut_channel_hardware.h"
#include "shared/setup/sut_channel_pulse.h"
#include "shared/setup/sut_channel_software.h"
#include "shared/setup/sut_extended_data.h"
#include "shared/setup/sut_header.h"

namespace platform {
class BinaryFile;
}
struct CSUTInfo;
class SetupPrinter;

// Channel slots of each kind that the channel, label and note blocks of the logger image carry.
struct ChannelCounts {
    int hardware = 0;
    int software = 0;
    int pulse = 0;
    int analog = 0;

    int Total() const { return hardware + software + pulse + analog; }
};

class CSetupTable {
public:
    // Slot sizes of the logger's channel block.
    static constexpr std::size_t kHardwareSlotSize = 39;
    static constexpr std::size_t kSoftwareSlotSize = 8;
    static constexpr std::size_t kPulseSlotSize = 16;
    static constexpr std::size_t kAnalogSlotSize = 38;
    static constexpr std::size_t kLoggerLabelSize = 21;
    static constexpr std::size_t kLoggerNoteSize = 81;
    static constexpr std::size_t kLoggerAlarmEntrySize = 10;
    static constexpr std::size_t kLoggerAlarmBlockSize =
        (kHardwareChannels + kSoftwareChannels) * CSUTChannelAlarms::kAlarmCount * kLoggerAlarmEntrySize;

    CSetupTable() = default;
    CSetupTable(const CSetupTable& other);
    // Copies the header, the hardware and software channels, the alarms and the extended data, and the
    // pulse channels for model code 13 or the analog channels for 14 (the model just copied). The kind
    // that the model does not use is reset, so that no stale channel resurfaces after a model change.
    CSetupTable& operator=(const CSetupTable& other);

    // Equal headers, hardware and software channels; pulse, analog, alarms and extended data are not
    // compared.
    bool Compare(const CSetupTable& other) const;
    // Whether a logger records the same way under both tables: the same interval code, hardware channels
    // of the same type (this table's type 6 matches the other's type 1) with the same byte 54, word 30 and
    // recording options (bytes 12-17 and 32), software channels of the same type with the same byte 186
    // and recording options (bytes 112-117).
    bool IsLoggingCompatible(const CSetupTable& other) const;

    // The stream that setup-table files hold after their header and data files inside theirs: header,
    // 4 hardware channels (the 166-byte old form below model code 13), 2 software channels, 2 pulse
    // channels (model 13) or 4 analog channels (model 14), optionally the 6 alarm sets, optionally the
    // extended data.
    static std::size_t GetStreamSize(int model, int fileVersion, bool withAlarms, bool withExtended,
                                     bool dataFile);
    void Write(platform::ByteWriter& writer, bool withAlarms, bool withExtended) const;
    // False after reporting a file error to `report`.
    bool Write(platform::BinaryFile& file, bool withAlarms, bool withExtended,
               const FileErrorReport& report = ReportFileErrorInMessageBox) const;
    // The table changes only when the whole stream was read: a stream that ends early, or a file error
    // (reported to `report`), gives false and leaves the table as it was. `fileVersion` and `dataFile` (read
    // from a data file, not a setup-table file) decide the record forms of older files; parts the stream does
    // not hold take their defaults.
    bool Read(platform::ByteReader& reader, int fileVersion, bool withAlarms, bool withExtended,
              bool dataFile);
    bool Read(platform::BinaryFile& file, int fileVersion, bool withAlarms, bool withExtended, bool dataFile,
              const FileErrorReport& report = ReportFileErrorInMessageBox);

    // Bytes of one record in the logger's memory; 0 for a model code outside 0-10, 13 and 14.
    int GetRecordSize() const;
    // The same by the size rules alone, for any model code.
    int ComputeRecordSize() const;
    // Bytes of one record in a data file: the flag, date and time bytes and every selected value.
    int GetDataRecordSize() const;
    // Records per day of an interval code (0 outside 0-16); kIntervalOwnCode stands for the table's own.
    long GetRecordsPerDay(int intervalCode = kIntervalOwnCode) const;
    // (logger record size, plus 4 from model code 13) x records per day.
    long GetBytesPerDay(int intervalCode = kIntervalOwnCode) const;
    // Days that `memoryBytes` hold at `bytesPerDay`; with `wholeRecords` the memory is first cut down to
    // whole records of the logger record size plus 4. 0 when bytesPerDay is not positive.
    double GetRecordingDays(double memoryBytes, long bytesPerDay, bool wholeRecords) const;
    long GetIntervalSeconds() const { return header_.GetIntervalSeconds(); }

    // The channel-type bytes in image order: 4 hardware, 2 software, then 2 pulse (model 13) or 4 analog
    // (model 14).
    std::vector<std::uint8_t> GetChannelTypes() const;
    // Any hardware channel in use, or with `includeAnalog` and model code 14 any analog channel.
    bool HasActiveChannel(bool includeAnalog) const;
    // The table-wide alarms-in-use bit, kept in hardware channel 1's alarm set.
    bool IsAlarmsInUse() const;
    void SetAlarmsInUse(bool inUse);

    // Prints item `item` of the print-out: 0 the general settings, 1-4 the hardware channels, 5-6 the
    // software channels (5 only with at least 2 power channels, 6 with at least 3), 7-8 the pulse
    // channels.
    void DescribeItem(SetupPrinter& printer, int item) const;

    // Appends the columns of a data record to `fields`, the first at `firstOffset`; returns the offset
    // behind the last column, which is the data record size.
    int BuildDataFields(std::vector<CRawDataField>& fields, int firstOffset) const;

    // The setup image exchanged with a logger. Builders fill exactly their block at the start of
    // `buffer`, zero where the layout writes nothing, and return false when the buffer is shorter than
    // the block or a channel's type cannot be carried.
    ChannelCounts GetChannelCounts() const;
    std::size_t GetLoggerHeaderBlockSize() const;
    // With `allSlots` every slot of the model, else the slots of GetChannelCounts.
    std::size_t GetLoggerChannelBlockSize(bool allSlots = false) const;
    std::size_t GetLoggerLabelBlockSize() const;
    std::size_t GetLoggerNoteBlockSize() const;
    std::size_t GetLoggerTimeBlockSize() const;
    bool BuildLoggerHeaderBlock(std::span<std::uint8_t> buffer) const;
    bool BuildLoggerChannelBlock(std::span<std::uint8_t> buffer, bool allSlots = false) const;
    bool BuildLoggerLabelBlock(std::span<std::uint8_t> buffer) const;
    bool BuildLoggerNoteBlock(std::span<std::uint8_t> buffer) const;
    bool BuildLoggerAlarmBlock(std::span<std::uint8_t> buffer) const;
    bool BuildLoggerTimeBlock(std::span<std::uint8_t> buffer) const;
    // Decode a channel or alarm block read from a logger, guided by the summary's channel types, with the
    // byte order of this table's model. The table changes only when the whole image decoded; the result
    // is also stored in the summary's channels-valid flag, and a decoded alarm block marks the summary as
    // holding alarms.
    bool DecodeChannelImage(CSUTInfo& info, std::span<const std::uint8_t> image);
    bool LoadLoggerAlarmBlock(CSUTInfo& info, std::span<const std::uint8_t> image);

    int GetModelCode() const { return header_.GetModelCode(); }
    const CSUTHeader& GetHeader() const { return header_; }
    CSUTHeader& GetHeader() { return header_; }
    const CSUTChannelHardware& GetHardwareChannel(int index) const { return hardware_.at(index); }
    CSUTChannelHardware& GetHardwareChannel(int index) { return hardware_.at(index); }
    const CSUTChannelSoftware& GetSoftwareChannel(int index) const { return software_.at(index); }
    CSUTChannelSoftware& GetSoftwareChannel(int index) { return software_.at(index); }
    const CSUTChannelPulse& GetPulseChannel(int index) const { return pulse_.at(index); }
    CSUTChannelPulse& GetPulseChannel(int index) { return pulse_.at(index); }
    const CSUTChannelAnalog& GetAnalogChannel(int index) const { return analog_.at(index); }
    CSUTChannelAnalog& GetAnalogChannel(int index) { return analog_.at(index); }
    const CSUTChannelAlarms& GetHardwareAlarms(int index) const { return hardware_alarms_.at(index); }
    CSUTChannelAlarms& GetHardwareAlarms(int index) { return hardware_alarms_.at(index); }
    const CSUTChannelAlarms& GetSoftwareAlarms(int index) const { return software_alarms_.at(index); }
    CSUTChannelAlarms& GetSoftwareAlarms(int index) { return software_alarms_.at(index); }
    const CSUTExtendedData& GetExtendedData() const { return extended_; }
    CSUTExtendedData& GetExtendedData() { return extended_; }

private:
    // The slots of the channel block: every slot of the model, or those of GetChannelCounts.
    ChannelCounts GetCarriedSlots(bool allSlots) const;

    CSUTHeader header_;
    std::array<CSUTChannelHardware, kHardwareChannels> hardware_;
    std::array<CSUTChannelSoftware, kSoftwareChannels> software_;
    std::array<CSUTChannelPulse, kPulseChannels> pulse_;
    std::array<CSUTChannelAnalog, kAnalogChannels> analog_;
    std::array<CSUTChannelAlarms, kHardwareChannels> hardware_alarms_;
    std::array<CSUTChannelAlarms, kSoftwareChannels> software_alarms_;
    CSUTExtendedData extended_;
};
