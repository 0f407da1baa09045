// CLogger: one entry of a logger list, a packed 462-byte little-endian record that goes to disk and to
// the clipboard byte for byte.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shared/setup/raw_block.h"

namespace platform {
class ByteReader;
class ByteWriter;
}  // namespace platform

// What a fresh entry takes from its program: kivo32 makes modem entries at its default baud rate,
// teldrin entries of type 0 at its own.
struct LoggerDefaults {
    std::int32_t baudRate = 57600;
    std::int16_t connectType = 2;
};

enum LoggerConnectType : std::int16_t {
    kConnectDirect = 1,
    kConnectModem = 2,
    kConnectNetwork = 3,
};

class CLogger {
public:
    static constexpr std::size_t kRecordSize = 462;
    // The record of lists of version 301 and older: a 6-byte serial number and no byte at 241.
    static constexpr std::size_t kOldRecordSize = 434;
    static constexpr std::size_t kScheduleOffset = 270;
    static constexpr std::size_t kScheduleSize = 192;
    using ScheduleBlock = std::array<std::uint8_t, kScheduleSize>;
    using RecordBytes = std::array<std::uint8_t, kRecordSize>;

    // The longest text each field holds (its size less the NUL).
    static constexpr std::size_t kSerialLength = 32;
    static constexpr std::size_t kDescriptionLength = 20;
    static constexpr std::size_t kAddressLength = 21;
    static constexpr std::size_t kNetPortLength = 7;
    static constexpr std::size_t kComPortLength = 11;
    static constexpr std::size_t kDataFolderLength = 127;

    explicit CLogger(const LoggerDefaults& defaults = {});

    // Whole reset, or one that keeps the schedule block (every default inside it undone).
    void Reset(bool fullReset, const LoggerDefaults& defaults);

    // One record at the reader's position in the layout of a list of `version`: 462 bytes from version
    // 302, else the 434-byte layout widened over this entry's current contents. False, with the entry
    // unchanged, when the reader holds fewer bytes.
    bool ReadRecord(platform::ByteReader& reader, std::int16_t version);
    void WriteRecord(platform::ByteWriter& writer) const;
    static std::size_t RecordSizeOf(std::int16_t version) {
        return version >= 302 ? kRecordSize : kOldRecordSize;
    }

    // The clipboard block: "KIVO", a NUL, then the record.
    static constexpr std::size_t kClipboardSize = 5 + kRecordSize;
    std::vector<std::uint8_t> ClipboardBlock() const;
    // Takes the record of a clipboard block; false, with the entry unchanged, for a block that is too
    // short or lacks the tag.
    bool PasteClipboardBlock(std::span<const std::uint8_t> block);

    const RecordBytes& Bytes() const { return record_.Bytes(); }

    std::string GetSerial() const { return Text(kSerialOffset, kSerialLength); }
    void SetSerial(std::string_view text) { SetText(kSerialOffset, kSerialLength, text); }
    std::string GetExtra() const { return Text(kExtraOffset, 5); }
    std::string GetDescription() const { return Text(kDescriptionOffset, kDescriptionLength); }
    void SetDescription(std::string_view text) { SetText(kDescriptionOffset, kDescriptionLength, text); }
    // The phone number of a modem entry, the IP address of a network entry.
    std::string GetPhoneOrAddress() const { return Text(kAddressOffset, kAddressLength); }
    void SetPhoneOrAddress(std::string_view text) { SetText(kAddressOffset, kAddressLength, text); }
    std::string GetNetPort() const { return Text(kNetPortOffset, kNetPortLength); }
    void SetNetPort(std::string_view text) { SetText(kNetPortOffset, kNetPortLength, text); }
    std::string GetComPort() const { return Text(kComPortOffset, kComPortLength); }
    void SetComPort(std::string_view text) { SetText(kComPortOffset, kComPortLength, text); }
    std::string GetDataFolder() const { return Text(kDataFolderOffset, kDataFolderLength); }
    void SetDataFolder(std::string_view text) { SetText(kDataFolderOffset, kDataFolderLength, text); }

    std::int32_t GetBaudRate() const { return static_cast<std::int32_t>(record_.U32(kBaudOffset)); }
    void SetBaudRate(std::int32_t rate) { record_.SetU32(kBaudOffset, static_cast<std::uint32_t>(rate)); }
    bool IsScheduleOn() const { return record_.U16(kScheduleOnOffset) != 0; }
    void SetScheduleOn(bool on) { record_.SetU16(kScheduleOnOffset, on ? 1 : 0); }
    std::int16_t GetConnectType() const { return S16(kConnectTypeOffset); }
    // Both the 16-bit type and its one-byte copy.
    void SetConnectType(std::int16_t type);
    std::uint8_t GetByteConnectType() const { return record_.U8(kByteConnectTypeOffset); }

    std::uint8_t GetCallInterval() const { return record_.U8(kCallIntervalOffset); }
    std::uint8_t GetTasks() const { return record_.U8(kTasksOffset); }
    std::time_t GetSingleCall() const { return S32(kSingleCallOffset); }
    std::int16_t GetDailyMinutes() const { return S16(kDailyOffset); }
    // Days 0-6, Sunday first.
    bool IsWeekDayOn(int day) const { return Indexed(kWeekDayOnOffset, day, 7) != 0; }
    std::int16_t GetWeekDayMinutes(int day) const { return Indexed(kWeekDayMinutesOffset, day, 7); }
    // Indexes 0-30.
    std::int16_t GetReservedA(int index) const { return Indexed(kReservedAOffset, index, 31); }
    std::int16_t GetReservedB(int index) const { return Indexed(kReservedBOffset, index, 31); }
    std::time_t GetSecondCall() const { return S32(kSecondCallOffset); }
    std::uint8_t GetFileTasks() const { return record_.U8(kFileTasksOffset); }
    std::int16_t GetMultiFirstMinutes() const { return S16(kMultiFirstOffset); }
    std::int16_t GetMultiIntervalMinutes() const { return S16(kMultiIntervalOffset); }

    ScheduleBlock GetScheduleBlock() const;
    void SetScheduleBlock(const ScheduleBlock& block);

    // The conversion of lists older than version 301: the 16-bit type from its one-byte copy; a direct
    // entry loses its address texts and takes `comPort`.
    void ConvertOldConnectType(std::string_view comPort);

    bool operator==(const CLogger& other) const { return record_ == other.record_; }

private:
    static constexpr std::size_t kSerialOffset = 0;
    static constexpr std::size_t kExtraOffset = 33;
    static constexpr std::size_t kDescriptionOffset = 39;
    static constexpr std::size_t kAddressOffset = 60;
    static constexpr std::size_t kNetPortOffset = 82;
    static constexpr std::size_t kComPortOffset = 90;
    static constexpr std::size_t kDataFolderOffset = 102;
    static constexpr std::size_t kBaudOffset = 244;
    static constexpr std::size_t kScheduleOnOffset = 248;
    static constexpr std::size_t kConnectTypeOffset = 250;
    static constexpr std::size_t kCallIntervalOffset = 270;
    static constexpr std::size_t kTasksOffset = 271;
    static constexpr std::size_t kSingleCallOffset = 272;
    static constexpr std::size_t kDailyOffset = 276;
    static constexpr std::size_t kWeekDayOnOffset = 278;
    static constexpr std::size_t kWeekDayMinutesOffset = 292;
    static constexpr std::size_t kReservedAOffset = 306;
    static constexpr std::size_t kReservedBOffset = 368;
    static constexpr std::size_t kSpare1Offset = 430;
    static constexpr std::size_t kSecondCallOffset = 432;
    static constexpr std::size_t kSpare2Offset = 436;
    static constexpr std::size_t kByteConnectTypeOffset = 442;
    static constexpr std::size_t kFileTasksOffset = 443;
    static constexpr std::size_t kMultiFirstOffset = 444;
    static constexpr std::size_t kMultiIntervalOffset = 446;

    std::string Text(std::size_t offset, std::size_t length) const {
        return record_.Text(offset, length + 1);
    }
    void SetText(std::size_t offset, std::size_t length, std::string_view text) {
        record_.SetText(offset, length + 1, text);
    }
    std::int16_t S16(std::size_t offset) const { return static_cast<std::int16_t>(record_.U16(offset)); }
    std::int32_t S32(std::size_t offset) const { return static_cast<std::int32_t>(record_.U32(offset)); }
    // Entry `index` of a table of 16-bit numbers; throws std::out_of_range outside 0..count-1.
    std::int16_t Indexed(std::size_t offset, int index, int count) const;
    void WidenOldRecord(std::span<const std::uint8_t> old);

    RawBlock<kRecordSize> record_;
};
