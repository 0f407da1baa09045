// CRawRecordDecoder: turns the raw records of a logger download into data records, by logger
// generation, with their time stamps, scaling and the bookkeeping of the last stamp.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <span>
#include <vector>

#include "platform/base/byte_order.h"
#include "shared/setup/raw_data_field.h"

class CDataInfo;
class CFileHeader;
class CSetupTable;
struct CConversionContext;

class CRawRecordDecoder {
public:
    // Results of DecodeRawRecord.
    enum Result {
        kDecoded = 0,
        kNothingToDecode = 1,   // an empty raw record
        kBadStamp = 2,          // a minute stamp that is no date
        kUnknownGeneration = 3  // a logger type code without a decoder
    };

    // Patches one byte of a record already written to the data file; false when that failed.
    using WrittenBytePatcher = std::function<bool(std::uint64_t position, std::uint8_t value)>;

    // Whether a logger type code has a decoder: 0 standard, 1-2 second, 3-10 third, 13-14 fourth
    // generation.
    static bool KnowsModel(int modelCode);

    // The decoder writes the time stamps it decodes into `info` (tag 6) and `header` (last-record stamp
    // and seconds), and the running stamp and seconds into `context`.
    CRawRecordDecoder(CConversionContext& context, const CSetupTable& setup,
                      const std::vector<CRawDataField>& fields, CDataInfo& info, CFileHeader& header,
                      WrittenBytePatcher patcher);

    // The records decoded next go to `output` and will be written at `filePosition` of the data file.
    void StartChunk(std::span<std::uint8_t> output, std::uint64_t filePosition);
    // Decodes one raw record into `record`, a record of the current chunk's output.
    int DecodeRawRecord(std::span<std::uint8_t> record, std::span<const std::uint8_t> raw);

private:
    enum class Generation { Standard, Second, Third, Fourth, None };

    static Generation GenerationOf(int modelCode);

    // Each fills the date and time of `record` from the record's stamp.
    int DecodeStandardStamp(platform::ByteReader& in, std::span<std::uint8_t> record, int offset);
    int DecodeMinuteStamp(platform::ByteReader& in, std::span<std::uint8_t> record, int offset);
    void DecodeSecondsStamp(platform::ByteReader& in, std::span<std::uint8_t> record, int offset);
    void DecodeTimeOfDay(platform::ByteReader& in, std::span<std::uint8_t> record,
                         const CRawDataField& field);
    // The value of a float field; false for a kind this generation does not decode.
    bool DecodeValue(platform::ByteReader& in, const CRawDataField& field, double& value);
    bool DecodeStandardValue(platform::ByteReader& in, int valueKind, double& value);
    bool DecodeSecondGenerationValue(platform::ByteReader& in, const CRawDataField& field, double& value);
    bool DecodeThirdGenerationValue(platform::ByteReader& in, const CRawDataField& field, double& value);
    bool DecodeFourthGenerationValue(platform::ByteReader& in, int valueKind, double& value);
    float ReadLoggerFloat(platform::ByteReader& in);

    // Moves the records of the previous minute to its end when it held fewer than a minute's worth.
    void RepairPreviousMinute();
    void SetSecondsByte(std::uint64_t recordPosition, std::uint8_t seconds);
    std::uint64_t FilePositionOf(std::span<std::uint8_t> record) const;

    CConversionContext& context_;
    const CSetupTable& setup_;
    const std::vector<CRawDataField>& fields_;
    CDataInfo& info_;
    CFileHeader& header_;
    WrittenBytePatcher patcher_;
    Generation generation_;

    std::span<std::uint8_t> output_;
    std::uint64_t chunk_file_position_ = 0;
    std::vector<std::uint8_t> reversed_;

    // Time-stamp state of the minute-stamping generations.
    std::time_t previous_stamp_;
    int seconds_counter_ = 0;
    int records_per_minute_ = 1;
    // File positions of the records decoded in the current minute.
    std::vector<std::uint64_t> minute_records_;
};
