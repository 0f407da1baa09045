// CDataInfo: the tagged information record that follows the header of a data file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class BinaryFile;
}
class CMessageSink;

// What a download knew of the logger and the transfer beyond the setup table. Stored as entries of a
// 16-bit tag, a 16-bit length and a payload, ended by tag 0; readers skip the tags they do not know.
// The id text (tag 4) of a data file converted from CSV.
inline constexpr const char* kConvertedMarker = "##CSV-To-Dat##";

class CDataInfo {
public:
    static constexpr std::size_t kIdTextSize = 42;
    static constexpr std::size_t kTypeTextSize = 12;
    // Seven entries and the end entry, as every record is written.
    static constexpr std::size_t kWrittenSize = 106;

    enum Tag : std::uint16_t {
        kTagEnd = 0,
        kTagFirstLoggerTime = 1,
        kTagSecondLoggerTime = 2,
        kTagRecordCount = 3,
        kTagIdText = 4,
        kTagLoggerMemoryPosition = 5,
        kTagLastRecordTimeMark = 6,
        kTagTypeText = 7,
    };

    CDataInfo() = default;
    virtual ~CDataInfo() = default;
    CDataInfo(const CDataInfo&) = default;
    CDataInfo& operator=(const CDataInfo&) = default;

    // Zeroes the valid flag and every stored field.
    void Clear();

    // Writes the seven entries and the end entry at the file's position. False for a null file or a
    // failed write (reported to `messages`).
    bool Write(platform::BinaryFile* file, CMessageSink& messages) const;
    // Reads entries up to the end entry. The record changes only when the whole read succeeds; fields
    // whose entries are missing keep their values. False for a null file, a record that ends early, or
    // a file exception (reported to `messages`).
    bool Read(platform::BinaryFile* file, CMessageSink& messages);

    // Set by a complete, successful read; not stored.
    bool IsValid() const { return valid_; }

    // Tag 1: seconds since 1970, the time base of the download decoders.
    std::uint32_t GetFirstLoggerTime() const { return first_logger_time_; }
    void SetFirstLoggerTime(std::uint32_t time) { first_logger_time_ = time; }
    // Tag 2.
    std::uint32_t GetSecondLoggerTime() const { return second_logger_time_; }
    void SetSecondLoggerTime(std::uint32_t time) { second_logger_time_ = time; }
    // Tag 3: the number of data records in the file.
    std::uint32_t GetRecordCount() const { return record_count_; }
    void SetRecordCount(std::uint32_t count) { record_count_ = count; }
    // Tag 4: at most 41 characters are kept.
    std::string GetIdText() const;
    void SetIdText(std::string_view text);
    // Tag 5: where the next download of new data continues.
    std::uint32_t GetLoggerMemoryPosition() const { return logger_memory_position_; }
    void SetLoggerMemoryPosition(std::uint32_t position) { logger_memory_position_ = position; }
    // Tag 6: the raw time stamp of the last converted record.
    std::uint32_t GetLastRecordTimeMark() const { return last_record_time_mark_; }
    void SetLastRecordTimeMark(std::uint32_t mark) { last_record_time_mark_ = mark; }
    // Tag 7: the logger's firmware text; at most 11 characters are kept.
    std::string GetTypeText() const;
    void SetTypeText(std::string_view text);

    friend bool operator==(const CDataInfo&, const CDataInfo&) = default;

private:
    // The 32-bit field that an entry of `tag` holds, or nullptr for the text and unknown tags.
    std::uint32_t* NumberField(std::uint16_t tag);

    bool valid_ = false;
    std::uint32_t first_logger_time_ = 0;
    std::uint32_t second_logger_time_ = 0;
    std::uint32_t record_count_ = 0;
    // Both texts keep the bytes the file held (their last byte made a NUL), so that a record read and
    // written again is unchanged up to that terminator.
    std::array<std::uint8_t, kIdTextSize> id_text_{};
    std::uint32_t logger_memory_position_ = 0;
    std::uint32_t last_record_time_mark_ = 0;
    std::array<std::uint8_t, kTypeTextSize> type_text_{};
};
