// CRawRecordDecoder: the raw records of a logger download into data records, by logger generation.
#include "shared/datafile/raw_record_decoder.h"

#include <algorithm>
#include <array>

#include "platform/base/local_time.h"
#include "shared/common/calendar.h"
#include "shared/common/logger_fields.h"
#include "shared/datafile/conversion_context.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/raw_field_widths.h"
#include "shared/datafile/record_bytes.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

using platform::ByteOrder;
using platform::ByteReader;

namespace {

// The standard model stamps records in seconds from this firmware version on, in minutes before it.
constexpr int kFirstSecondsStampFirmware = 132;
constexpr int kSecondsPerMinute = 60;

// Value kinds of data-record columns (see the setup table's column builder).
enum ValueKind {
    kKindCurrent = 1,
    kKindVoltage = 2,
    kKind5VDC = 3,
    kKindKW = 4,
    kKindKVA = 5,
    kKindPowerFactor = 6,
    kKindKVAR = 7,
    kKindTemperature = 9,
    kKindPulseCount = 14,
    kKindPulseRate = 15,
    kKindOnTime = 16,
    kKindDutyCycle = 17,
    kKindAnalog = 18,
};

// Temperature units of a type-2 channel.
constexpr int kFahrenheit = 0;
constexpr int kRankine = 2;
constexpr int kKelvin = 3;

// Values strictly between -limit and 0 are noise around zero.
double ZeroSmallNegative(double value, double limit) {
    return value > -limit && value < 0.0 ? 0.0 : value;
}

std::time_t StartOfConversionStamp() {
    std::tm local{};
    local.tm_year = 70;
    local.tm_mday = 2;
    local.tm_isdst = -1;
    return platform::FromLocalTime(local).value_or(24 * 60 * 60);
}

int LocalYearOf(std::uint32_t time) {
    const std::optional<std::tm> local = platform::ToLocalTime(static_cast<std::time_t>(time));
    return local ? local->tm_year + 1900 : 1970;
}

void WriteBrokenDown(std::span<std::uint8_t> record, int offset, const std::tm& time, int yearByte) {
    WriteRecordDate(record, offset, {yearByte, time.tm_mon + 1, time.tm_mday});
    WriteRecordTimeOfDay(record, offset + CRawData::kTimeOffset - CRawData::kDateOffset,
                         {time.tm_hour, time.tm_min, time.tm_sec});
}

double CelsiusIn(int unit, double celsius) {
    switch (unit) {
        case kFahrenheit:
            return celsius * 9 * 0.2 + 32;
        case kRankine:
            return celsius * 9 * 0.2 + 491.67;
        case kKelvin:
            return celsius + 273.15;
        default:
            return celsius;
    }
}

}  // namespace

bool CRawRecordDecoder::KnowsModel(int modelCode) {
    return GenerationOf(modelCode) != Generation::None;
}

CRawRecordDecoder::Generation CRawRecordDecoder::GenerationOf(int modelCode) {
    if (modelCode == kModelStandard) {
        return Generation::Standard;
    }
    if (modelCode >= kModelOrnatFirst && modelCode <= kModelOrnatLast) {
        return Generation::Second;
    }
    if (modelCode >= kModelBrelanFirst && modelCode <= kModelBrelanLast) {
        return Generation::Third;
    }
    if (modelCode == kModelQuarvenRS || modelCode == kModelQuarvenKX) {
        return Generation::Fourth;
    }
    return Generation::None;
}

CRawRecordDecoder::CRawRecordDecoder(CConversionContext& context, const CSetupTable& setup,
                                     const std::vector<CRawDataField>& fields, CDataInfo& info,
                                     CFileHeader& header, WrittenBytePatcher patcher)
    : context_(context),
      setup_(setup),
      fields_(fields),
      info_(info),
      header_(header),
      patcher_(std::move(patcher)),
      generation_(GenerationOf(context.modelCode)),
      previous_stamp_(StartOfConversionStamp()) {
    if (context_.intervalSeconds > 0 && context_.intervalSeconds < kSecondsPerMinute) {
        records_per_minute_ = static_cast<int>(kSecondsPerMinute / context_.intervalSeconds);
    }
}

void CRawRecordDecoder::StartChunk(std::span<std::uint8_t> output, std::uint64_t filePosition) {
    output_ = output;
    chunk_file_position_ = filePosition;
}

std::uint64_t CRawRecordDecoder::FilePositionOf(std::span<std::uint8_t> record) const {
    return chunk_file_position_ + static_cast<std::uint64_t>(record.data() - output_.data());
}

int CRawRecordDecoder::DecodeRawRecord(std::span<std::uint8_t> record, std::span<const std::uint8_t> raw) {
    if (raw.empty()) {
        return kNothingToDecode;
    }
    if (generation_ == Generation::None) {
        return kUnknownGeneration;
    }
    // The logger keeps its records back to front: the fields are read from the end of the raw record.
    reversed_.assign(raw.rbegin(), raw.rend());
    ByteReader in(reversed_, ByteOrder::Big);
    std::fill(record.begin(), record.end(), std::uint8_t{0});
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        const CRawDataField& field = fields_[index];
        if (!FieldFitsRecord(field, record.size())) {
            continue;
        }
        if (field.storageKind == CRawDataField::kStorageDate) {
            int result = kDecoded;
            switch (generation_) {
                case Generation::Standard:
                    result = DecodeStandardStamp(in, record, field.offset);
                    break;
                case Generation::Fourth:
                    DecodeSecondsStamp(in, record, field.offset);
                    break;
                default:
                    result = DecodeMinuteStamp(in, record, field.offset);
                    break;
            }
            if (result != kDecoded) {
                return result;
            }
        } else if (field.storageKind == CRawDataField::kStorageTime) {
            // Every stamp fills the record's own time field; the others are times of a minimum or maximum.
            if (index != 1) {
                DecodeTimeOfDay(in, record, field);
            }
        } else {
            double value = 0.0;
            if (DecodeValue(in, field, value) && in.ok()) {
                WriteRecordFloat(record, field.offset, static_cast<float>(value));
            } else {
                WriteRecordMissing(record, field.offset);
            }
        }
    }
    return kDecoded;
}

int CRawRecordDecoder::DecodeStandardStamp(ByteReader& in, std::span<std::uint8_t> record, int offset) {
    if (context_.firmwareVersion >= kFirstSecondsStampFirmware) {
        const std::int32_t seconds = std::max<std::int32_t>(in.S32(), 0);
        info_.SetLastRecordTimeMark(static_cast<std::uint32_t>(seconds));
        const std::optional<std::tm> utc = platform::ToUtcTime(seconds);
        if (!utc) {
            return kBadStamp;
        }
        // Years from 2000 lose 100 more, so 1900-2099 keep their last two digits.
        const int yearByte = utc->tm_year - (utc->tm_year + 1900 > 1999 ? 100 : 0);
        WriteBrokenDown(record, offset, *utc, yearByte);
        return kDecoded;
    }
    const std::uint32_t minutes = in.U24();
    info_.SetLastRecordTimeMark(minutes);
    int year = LocalYearOf(context_.firstLoggerTime);
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    DayNumberToDate(minutes, year, month, day, hour, minute);
    WriteRecordDate(record, offset, {RecordYearByte(year), month, day});
    WriteRecordTimeOfDay(record, offset + CRawData::kTimeOffset - CRawData::kDateOffset, {hour, minute, 0});
    return kDecoded;
}

int CRawRecordDecoder::DecodeMinuteStamp(ByteReader& in, std::span<std::uint8_t> record, int offset) {
    const std::uint32_t stamp = in.U24();
    info_.SetLastRecordTimeMark(stamp);
    header_.SetLastRecordStamp(stamp);
    header_.SetLastRecordSeconds(0);

    int year = LocalYearOf(context_.firstLoggerTime);
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    DayNumberToDate(stamp, year, month, day, hour, minute);
    const std::optional<std::time_t> time =
        year < 1900 ? std::nullopt : LocalTimeFromFields(year, month, day, hour, minute, 0);
    if (!time) {
        return kBadStamp;
    }

    const long interval = context_.intervalSeconds;
    const bool subMinute = interval > 0 && interval < kSecondsPerMinute;
    const long minutesPassed = static_cast<long>(*time - previous_stamp_) / kSecondsPerMinute;
    if (subMinute) {
        seconds_counter_ = minutesPassed == 0 ? seconds_counter_ + static_cast<int>(interval) : 0;
    }
    WriteRecordDate(record, offset, {RecordYearByte(year), month, day});
    WriteRecordTimeOfDay(record, offset + CRawData::kTimeOffset - CRawData::kDateOffset,
                         {hour, minute, seconds_counter_});
    if (subMinute && minutesPassed == 1 && static_cast<int>(minute_records_.size()) < records_per_minute_) {
        RepairPreviousMinute();
    }
    if (minutesPassed != 0) {
        minute_records_.clear();
    }
    minute_records_.push_back(FilePositionOf(record));
    previous_stamp_ = *time;

    // The running seconds of equal stamps, carried across downloads by the session.
    const int seconds = stamp != context_.keptStamp ? 0 : context_.keptSeconds + static_cast<int>(interval);
    context_.keptStamp = stamp;
    context_.keptSeconds = seconds;
    header_.SetLastRecordSeconds(static_cast<std::int16_t>(seconds));
    return kDecoded;
}

void CRawRecordDecoder::RepairPreviousMinute() {
    int seconds = kSecondsPerMinute;
    for (auto position = minute_records_.rbegin(); position != minute_records_.rend(); ++position) {
        seconds -= static_cast<int>(context_.intervalSeconds);
        SetSecondsByte(*position, static_cast<std::uint8_t>(std::max(seconds, 0)));
    }
}

void CRawRecordDecoder::SetSecondsByte(std::uint64_t recordPosition, std::uint8_t seconds) {
    const std::uint64_t position = recordPosition + CRawData::kSecondsOffset;
    if (recordPosition >= chunk_file_position_) {
        output_[static_cast<std::size_t>(position - chunk_file_position_)] = seconds;
    } else {
        patcher_(position, seconds);
    }
}

void CRawRecordDecoder::DecodeSecondsStamp(ByteReader& in, std::span<std::uint8_t> record, int offset) {
    in.set_order(ByteOrder::Little);
    const std::uint32_t seconds = in.U32();
    in.set_order(ByteOrder::Big);
    const std::time_t time = UTCTimeNormalize(static_cast<std::time_t>(seconds));
    if (const std::optional<std::tm> local = platform::ToLocalTime(time)) {
        WriteBrokenDown(record, offset, *local, (local->tm_year + 1900) % 100);
    }
    previous_stamp_ = time;
    const std::uint32_t minutes = seconds / kSecondsPerMinute;
    const std::uint32_t secondsInMinute = seconds % kSecondsPerMinute;
    info_.SetLastRecordTimeMark(minutes);
    header_.SetLastRecordStamp(minutes);
    const auto keptHighByte = static_cast<std::uint16_t>(header_.GetLastRecordSeconds()) & 0xFF00u;
    header_.SetLastRecordSeconds(static_cast<std::int16_t>(keptHighByte | secondsInMinute));
    context_.keptStamp = minutes;
    context_.keptSeconds = static_cast<int>(secondsInMinute);
}

void CRawRecordDecoder::DecodeTimeOfDay(ByteReader& in, std::span<std::uint8_t> record,
                                        const CRawDataField& field) {
    switch (generation_) {
        case Generation::Standard: {
            const int hour = in.U8();
            const int minute = in.U8();
            const int second = in.U8();
            WriteRecordTimeOfDay(record, field.offset, {hour, minute, second});
            break;
        }
        case Generation::Fourth: {
            in.set_order(ByteOrder::Little);
            const std::uint32_t seconds = in.U32();
            in.set_order(ByteOrder::Big);
            if (const std::optional<std::tm> local =
                    platform::ToLocalTime(static_cast<std::time_t>(seconds))) {
                WriteRecordTimeOfDay(record, field.offset, {local->tm_hour, local->tm_min, local->tm_sec});
            }
            break;
        }
        default:
            // These generations give no time of day: its bytes are passed over and the cell stays 00:00:00.
            in.Skip(static_cast<std::size_t>(RawFieldWidth(setup_, field)));
            break;
    }
}

float CRawRecordDecoder::ReadLoggerFloat(ByteReader& in) {
    // The field's bytes as the record holds them, put back from the number read in the same byte order:
    // no allocation for each value of a download of millions of records.
    std::array<std::uint8_t, 4> bytes{};
    platform::WriteU32(bytes, 0, in.U32(), in.order());
    return in.ok() ? GetLoggerFloat(bytes, context_.modelCode) : 0.0f;
}

bool CRawRecordDecoder::DecodeValue(ByteReader& in, const CRawDataField& field, double& value) {
    const int width = RawFieldWidth(setup_, field);
    if (width == 0) {
        return false;  // the logger keeps no such value
    }
    bool decoded = false;
    switch (generation_) {
        case Generation::Standard:
            decoded = DecodeStandardValue(in, field.valueKind, value);
            break;
        case Generation::Second:
            decoded = DecodeSecondGenerationValue(in, field, value);
            break;
        case Generation::Third:
            decoded = DecodeThirdGenerationValue(in, field, value);
            break;
        case Generation::Fourth:
            decoded = DecodeFourthGenerationValue(in, field.valueKind, value);
            break;
        case Generation::None:
            break;
    }
    if (!decoded) {
        // A kind this generation does not decode still takes its bytes, so later values keep their places.
        in.Skip(static_cast<std::size_t>(width));
    }
    return decoded;
}

bool CRawRecordDecoder::DecodeStandardValue(ByteReader& in, int valueKind, double& value) {
    const double interval = static_cast<double>(context_.intervalSeconds);
    switch (valueKind) {
        case kKindCurrent:
        case kKindVoltage:
            value = in.U24() * 0.1;
            break;
        case kKind5VDC:
        case kKindKW:
        case kKindKVAR:
            value = in.S24() * 0.001;
            break;
        case kKindKVA:
            value = in.U24() * 0.001;
            break;
        case kKindPowerFactor:
            value = in.S8() * 0.01;
            break;
        case kKindTemperature:
            value = in.U16() * 0.1;
            break;
        case kKindOnTime: {
            const double onTime = ReadLoggerFloat(in);
            value = std::max(onTime > -1.0 && onTime < 1.0 ? interval : interval - onTime, 0.0);
            break;
        }
        case kKindDutyCycle:
            value = 1.0 - ReadLoggerFloat(in);
            break;
        default:
            value = ReadLoggerFloat(in);
            break;
    }
    return true;
}

bool CRawRecordDecoder::DecodeSecondGenerationValue(ByteReader& in, const CRawDataField& field,
                                                    double& value) {
    const double a = context_.currentScalar;
    const double v = context_.voltageScalar;
    // Software channels log floats; hardware channels integers in units of their transformers.
    const bool floatForm = field.softwareChannel;
    double ct = 1.0;
    double pt = 1.0;
    if (!floatForm && field.channelIndex >= 0 && field.channelIndex < kHardwareChannels) {
        const CSUTChannelHardware& channel = setup_.GetHardwareChannel(field.channelIndex);
        ct = channel.GetCTSize();
        pt = channel.GetPTRatio();
    }
    switch (field.valueKind) {
        case kKindCurrent:
            value = floatForm ? ReadLoggerFloat(in) * a : in.U16() * a * 0.0625 * ct;
            value = ZeroSmallNegative(value, 0.01);
            return true;
        case kKindVoltage:
            value = floatForm ? ReadLoggerFloat(in) * v : in.U16() * v * 0.0625 * pt;
            value = ZeroSmallNegative(value, 0.1);
            return true;
        case kKindKW:
        case kKindKVAR:
        case kKindKVA:
            if (floatForm) {
                value = ReadLoggerFloat(in) * a * v * 0.001;
            } else {
                const double raw = field.valueKind == kKindKVA ? static_cast<double>(in.U24()) : in.S24();
                value = raw * a * v * ct * pt * 0.001;
            }
            value = ZeroSmallNegative(value, 0.001);
            return true;
        case kKindPowerFactor:
            value = ZeroSmallNegative(in.S8() * 0.01, 0.01);
            return true;
        default:
            return false;
    }
}

bool CRawRecordDecoder::DecodeThirdGenerationValue(ByteReader& in, const CRawDataField& field,
                                                   double& value) {
    const double a = context_.currentScalar;
    const double v = context_.voltageScalar;
    const double interval = static_cast<double>(context_.intervalSeconds);
    if (field.channelIndex < 0 || field.channelIndex >= kHardwareChannels) {
        return false;
    }
    const CSUTChannelHardware& channel = setup_.GetHardwareChannel(field.channelIndex);
    switch (field.valueKind) {
        case kKindCurrent:
            value = ZeroSmallNegative(in.U16() * a * 0.0625 * channel.GetCTSize(), 0.01);
            return true;
        case kKindTemperature:
            value = CelsiusIn(channel.GetTemperatureUnit(), in.U16() * v * 0.01) * channel.GetScaleValue1() +
                    channel.GetScaleValue2();
            return true;
        case kKindPulseCount:
            value = in.S32() * static_cast<double>(channel.GetRNDCScale());
            return true;
        case kKindPulseRate:
            if (interval <= 0) {
                return false;
            }
            value = in.S32() / interval * channel.GetRNDCScale();
            return true;
        case kKindOnTime:
            value = in.S32() * 0.01;
            if (value - interval > -1.0 && value - interval < 1.0) {
                value = interval;
            }
            value = std::max(value, 0.0);
            return true;
        case kKindDutyCycle:
            if (interval <= 0) {
                return false;
            }
            value = in.S32() * 0.01 / interval;
            return true;
        case kKindAnalog:
            value = in.U16() * v * channel.GetScaleValue1() + channel.GetScaleValue2();
            return true;
        default:
            return false;
    }
}

bool CRawRecordDecoder::DecodeFourthGenerationValue(ByteReader& in, int valueKind, double& value) {
    switch (valueKind) {
        case kKindCurrent:
        case kKindPowerFactor:
            value = ZeroSmallNegative(ReadLoggerFloat(in), 0.01);
            return true;
        case kKindVoltage:
            value = ZeroSmallNegative(ReadLoggerFloat(in), 0.1);
            return true;
        case kKindKW:
        case kKindKVA:
        case kKindKVAR:
            value = ZeroSmallNegative(ReadLoggerFloat(in) * 0.001, 0.001);
            return true;
        default:
            return false;
    }
}
