// CRawData: the data-file model: the parts before the records, the record layout, and reading, writing
// and copying fixed-size records.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/base/binary_file.h"
#include "platform/base/temp_file_beside.h"
#include "shared/datafile/local_day_cache.h"
#include "shared/setup/raw_data_field.h"
#include "shared/setup/record_file_io.h"

class CDataInfo;
class CFileHeader;
class CMessageSink;
class CSetupTable;
struct CConversionContext;

// A data file: a 42-byte file header, the information record, the setup table, then fixed-size records
// (lead byte, date, time, values), all little-endian. One object belongs to one thread at a time.
//
// A writer: Initialize, CreateDataFile, records, RewriteHeader or FinishRecords, CloseDataFile. The file
// is written under a temporary name and takes its own name only in CloseDataFile, so a write that fails
// or is never closed leaves no file that looks valid. A reader: Initialize, OpenDataFile,
// InitRecordAccess, ReadRecord per record, CloseDataFile.
class CRawData {
public:
    static constexpr std::int16_t kFormatVersion = 306;
    static constexpr std::int16_t kFirstVersionWithExtendedData = 303;
    // Offsets inside a record: the lead byte at 0, then the date, the time and the values.
    static constexpr int kDateOffset = 1;
    static constexpr int kTimeOffset = 4;
    static constexpr int kFirstValueOffset = 7;
    static constexpr int kSecondsOffset = kTimeOffset + 2;

    // Receives the progress texts of a long operation.
    using ProgressSink = std::function<void(const std::string& text)>;

    CRawData();
    // Closes an open file; a created file that CloseDataFile did not finish is discarded.
    ~CRawData();
    CRawData(const CRawData&) = delete;
    CRawData& operator=(const CRawData&) = delete;

    // Where the model tells the user what went wrong (the program-wide message box unless set). The
    // caller keeps the sink alive while the model uses it.
    void SetMessageSink(CMessageSink& sink) { messages_ = &sink; }
    CMessageSink& GetMessageSink() const { return *messages_; }

    // Before opening or creating: with both parts null the model makes and owns its own, with both given
    // it borrows them; one alone is refused. Always makes a new file header.
    bool Initialize(CDataInfo* info = nullptr, CSetupTable* setup = nullptr);

    // Opens an existing data file (kind 3 or 4, version up to 306) for reading and reads the parts before
    // the records; the file position is then the data offset.
    bool OpenDataFile(const std::filesystem::path& path);
    // The same for a file already open (read from its start).
    bool OpenDataFile(platform::BinaryFile file);
    // Creates a data file of `fileKind` and writes the parts before the records.
    bool CreateDataFile(const std::filesystem::path& path, std::uint16_t fileKind);
    // Writes the parts before the records into `file`, an empty file already at its place: no temporary
    // file, nothing renamed.
    bool CreateDataFile(platform::BinaryFile file, std::uint16_t fileKind);

    // After OpenDataFile: fixes the data offset and the record count (cut to the whole records the file
    // holds, telling the user), builds the field list, reports gaps and short intervals between the
    // record times (unless `checkTimes` is false: a second reader of a file already checked), and makes
    // record 0 current.
    bool InitRecordAccess(bool checkTimes = true);
    // The date and time fields, then one per logged value; sets the record size.
    bool BuildFieldList();
    // Tells the user about gaps and short intervals between record times; false when a read failed or
    // `keepGoing` (asked now and then, when given) said to stop.
    bool CheckRecordTimes(const std::function<bool()>& keepGoing = {});
    // Makes record `index` (0 to record count - 1) current. Records are read in blocks, so neighbouring
    // records and the current one again need no read.
    bool ReadRecord(int index);
    // Field `index` of the list; nullptr outside it.
    const CRawDataField* GetField(int index) const;

    // Writes whole records at the file's position (a created file). A failure discards the file.
    bool WriteRecords(std::span<const std::uint8_t> records);
    // Writes the file header and the information record again; the file position is kept.
    bool RewriteHeader();
    // After the records: the source's setup table again, the record count and size, RewriteHeader.
    bool FinishRecords(CRawData& source, int recordCount, int recordSize);
    // Writes records `first` to `last` (from 1; last -1 = the source's last) of the source, then
    // FinishRecords. Both must have the same record size and the range must lie in the source.
    bool CopyRecords(CRawData& source, int first, int last);
    // Writes all of the source's records; both must have the same record size.
    bool AppendRecords(CRawData& source);
    // Copies `length` bytes of the source from `position` to this file's position.
    bool CopyBlock(CRawData& source, std::uint64_t position, std::uint64_t length);

    // Frees the field list and closes the file. A created file takes its own name here; false when that
    // failed (the user has been told) or the file had been given up.
    bool CloseDataFile();
    // Closes the file at once; a created file is removed.
    void Abort();

    // Text of field `field` of the current record, as the grid shows it.
    bool GetFieldText(int field, std::string& text) const;
    // Calendar time of the current record (local time, daylight saving as the zone decides).
    bool GetRecordTime(std::time_t& time) const;
    // "%d %s" of an interval code's number and unit word; empty for codes above 16.
    static std::string FormatIntervalCode(std::uint8_t code);
    // The interval code of "<number> <unit word>"; 0 (one minute) when it does not parse.
    static std::uint8_t ParseIntervalText(const char* text);
    // The same, but nullopt when the text names no interval, so that it cannot pass for one minute.
    static std::optional<std::uint8_t> FindIntervalCode(const char* text);

    // Converts the records of the raw download `raw` (at its data offset; as many as this file's
    // information record counts) into data records appended to this file, decoding them by the
    // context's logger generation. The context's kept stamp and seconds are updated.
    bool ConvertRawDownload(platform::BinaryFile& raw, CConversionContext& context);

    // Writes the file as CSV text (CCsvExport, whose result codes it returns); the file must have just
    // been opened. The short form that the scheduled-calling program writes has neither the header
    // section nor the label line.
    int ExportCSV(const std::filesystem::path& csvPath, const ProgressSink& progress, bool headerSection,
                  bool labelLine = true);

    CDataInfo* GetDataInfo() const { return info_; }
    CFileHeader* GetFileHeader() const { return header_.get(); }
    CSetupTable* GetSetupTable() const { return setup_; }
    const std::vector<CRawDataField>& GetFields() const { return fields_; }
    int GetFieldCount() const { return static_cast<int>(fields_.size()); }
    int GetRecordCount() const { return record_count_; }
    int GetRecordSize() const { return record_size_; }
    std::int64_t GetDataOffset() const { return data_offset_; }
    int GetCurrentRecord() const { return current_record_; }
    std::span<const std::uint8_t> GetRecordBuffer() const { return record_; }
    bool IsBorrowed() const { return owned_info_ == nullptr && info_ != nullptr; }
    bool IsOpen() const { return file_.IsOpen(); }
    platform::BinaryFile& GetFile() { return file_; }
    const std::filesystem::path& GetPath() const { return path_; }

private:
    // Closes what is open and starts on the file at `path`; false before Initialize.
    bool StartOn(const std::filesystem::path& path);
    // The parts before the records, read from or written into the open file.
    bool ReadHead();
    bool WriteHead(std::uint16_t fileKind);
    // Shows text `id` formatted with the file's name.
    void ShowFileMessage(unsigned id) const;
    // Reports a file exception and gives a created file up.
    void FileFailed(const CPSTFileException& error);
    // Where the file header and the setup table report their file errors: this model's sink.
    FileErrorReport SinkReport() const;
    // Reads buffer.size() bytes of this file at `position`; a short read is a failure.
    bool ReadAt(std::uint64_t position, std::span<std::uint8_t> buffer);
    // Writes `count` records of the source from index `firstIndex` at this file's position.
    bool CopyRecordRange(CRawData& source, int firstIndex, int count);
    // Cuts the record count to the whole records the file holds, telling the user when it had to.
    void CheckRecordCountAgainstLength();
    // No file position or record is known any more.
    void ForgetRecords();

    CMessageSink* messages_;
    std::unique_ptr<CDataInfo> owned_info_;
    std::unique_ptr<CSetupTable> owned_setup_;
    CDataInfo* info_ = nullptr;
    CSetupTable* setup_ = nullptr;
    std::unique_ptr<CFileHeader> header_;
    std::vector<CRawDataField> fields_;

    platform::BinaryFile file_;
    std::filesystem::path path_;
    // While a created file is written: its temporary file.
    platform::TempFileBeside temp_;
    // A created file was given up before it was complete.
    bool given_up_ = false;

    int record_count_ = 0;
    int record_size_ = 0;
    std::int64_t data_offset_ = -1;
    int current_record_ = -1;
    std::vector<std::uint8_t> record_;
    // A block of whole records read together, starting at record cache_first_.
    std::vector<std::uint8_t> cache_;
    int cache_first_ = -1;
    int cache_count_ = 0;
    // Record times of the day last asked for: a walk over the records asks for each day many times.
    mutable LocalDayCache day_cache_;
};
