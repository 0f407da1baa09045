// CCsvExport: writes a data file as CSV text.
#include "shared/datafile/csv_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>
#include <vector>

#include "platform/base/text_format.h"
#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/common/date_time_text.h"
#include "shared/datafile/csv_cells.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/model_names.h"
#include "shared/datafile/parallel_parts.h"
#include "shared/datafile/value_text.h"
#include "shared/setup/channel_caption.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_ids.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
// Blocks of whole records of at most this size are read at a time.
constexpr long kBlockBytes = 4 * 1024 * 1024;
// A share of a block smaller than this is not worth a thread.
constexpr std::size_t kLeastRecordsPerThread = 4096;
constexpr int kProgressSteps = 10;
constexpr int kSignificantDigits = 5;

constexpr int kFirstSoftwareChannel = kHardwareChannels + 1;
constexpr int kFirstAnalogChannel = kHardwareChannels + kSoftwareChannels + 1;

// A channel's name as the label line shows it: quotes and apostrophes would end its cell.
std::string LabelOf(const CSetupTable& setup, int channel) {
    std::string name;
    if (channel < kFirstSoftwareChannel) {
        name = setup.GetHardwareChannel(channel - 1).GetName();
    } else if (channel < kFirstAnalogChannel) {
        name = setup.GetSoftwareChannel(channel - kFirstSoftwareChannel).GetName();
    } else {
        name = setup.GetAnalogChannel(channel - kFirstAnalogChannel).GetName();
    }
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '"' || c == '\''; }, '-');
    return name;
}

void AppendQuotedCell(std::string& line, const std::string& text) {
    line += ',';
    AppendCsvText(line, text, true);
}

void AppendNumber(std::string& line, long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    line.append(buffer, result.ptr);
}

// "%2.02d": at least two digits.
void AppendTwoDigits(std::string& line, int value) {
    if (value >= 0 && value < 10) {
        line += '0';
    }
    AppendNumber(line, value);
}

void AppendTimeOfDay(std::string& line, const RecordTimeOfDay& time) {
    line += ',';
    AppendTwoDigits(line, time.hour);
    line += ':';
    AppendTwoDigits(line, time.minute);
    line += ':';
    AppendTwoDigits(line, time.second);
}

// Voltage and power factor are titled in form B, the other quantities in form A.
bool IsFormA(int quantity) {
    return quantity != kQuantityVoltage && quantity != kQuantityPF;
}

// The unit of a hardware channel type with a single quantity; empty for types without one.
std::string SingleQuantityUnit(const CSUTChannelHardware& channel) {
    switch (channel.GetType()) {
        case kChannelTemperature:
            return LoadText(IDS_CSV_TEMPERATURE) + " " +
                   TemperatureUnitToLetter(channel.GetTemperatureUnit());
        case kChannel5VDC:
            return "5VDC";
        case kChannelCurrent:
            return LoadText(IDS_QUANTITY_AMPS);
        case kChannel10VDC:
            return "0-10VDC";
        case kChannel4mA:
            return "4-20mA";
        case kChannel25mA:
            return "0-25mA";
        default:
            return {};
    }
}

// Runs `step`; a file error it throws is reported to `messages` and makes the result false.
template <typename Step>
bool ReportingFileErrors(CMessageSink& messages, Step&& step) {
    try {
        step();
        return true;
    } catch (const CPSTFileException& error) {
        messages.ReportFileException(error);
        return false;
    }
}

// "%1.3f", with a point whatever the program's locale.
std::string Format3(float value) {
    std::string text;
    AppendFixed(text, value, 3);
    return text;
}

}  // namespace

CCsvExport::CCsvExport(CRawData& data, CRawData::ProgressSink progress)
    : data_(data), progress_(std::move(progress)) {}

void CCsvExport::ShowProgress(long recordNumber) const {
    if (progress_) {
        progress_(platform::FormatLoadedText(IDS_CSV_EXPORT_PROGRESS, {std::to_string(recordNumber)}));
    }
}

int CCsvExport::ExportCSV(const std::filesystem::path& csvPath, bool headerSection, bool labelLine) {
    CMessageSink& messages = data_.GetMessageSink();
    CDataInfo* info = data_.GetDataInfo();
    CSetupTable* setup = data_.GetSetupTable();
    platform::BinaryFile& file = data_.GetFile();
    record_count_ = info != nullptr ? static_cast<long>(info->GetRecordCount()) : 0;
    std::error_code ignored;
    if (info != nullptr && record_count_ < 1 && std::filesystem::exists(csvPath, ignored)) {
        // Nothing to write: an earlier export of the same name stays as it was.
        messages.ShowMessage(LoadText(IDS_DATA_FILE_NO_RECORDS));
        return kNoRecords;
    }
    if (!ReportingFileErrors(messages, [&] { output_.Create(csvPath); })) {
        return kCannotCreate;
    }
    if (info == nullptr || setup == nullptr || !file.IsOpen() || data_.GetDataOffset() < 0) {
        return kHeaderFailed;
    }
    if (record_count_ < 1) {
        messages.ShowMessage(LoadText(IDS_DATA_FILE_NO_RECORDS));
        ReportingFileErrors(messages, [&] { output_.Commit(); });
        return kNoRecords;
    }
    if (!data_.BuildFieldList()) {
        return kFieldListFailed;
    }
    const long size = data_.GetRecordSize();
    // Blocks no larger than the records the file holds, so that a header claiming more than were
    // written costs no megabytes; a file cut short still fails at its end.
    std::uint64_t length = 0;
    if (!ReportingFileErrors(messages, [&] { length = file.Length(); })) {
        return kFileError;
    }
    const auto offset = static_cast<std::uint64_t>(data_.GetDataOffset());
    const auto held = static_cast<long>((length - std::min(length, offset)) / static_cast<std::uint64_t>(size));
    const long blockRecords = std::max(1L, std::min({kBlockBytes / size, record_count_, held}));
    std::vector<std::uint8_t> block;
    try {
        block.resize(static_cast<std::size_t>(blockRecords * size));
    } catch (const std::bad_alloc&) {
        messages.ShowMessage(CPSTMemoryException().what());
        return kNoMemory;
    }
    if (!WriteCSVHeader(headerSection, labelLine)) {
        return kHeaderFailed;
    }
    ShowProgress(1);
    // A file error reading the data file, or a data file cut short, is kFileError; one writing the
    // CSV file (a full disk) is kRowsFailed: the user is told which of the two failed.
    const auto readBlock = [&](std::size_t bytes) {
        if (file.Read(block.data(), bytes) < bytes) {
            throw CPSTFileException(CPSTFileException::endOfFile, -1, data_.GetPath());
        }
    };
    if (!ReportingFileErrors(messages,
                             [&] { file.Seek(data_.GetDataOffset(), platform::BinaryFile::Origin::Begin); })) {
        return kFileError;
    }
    long recordNumber = 1;
    for (long remaining = record_count_; remaining > 0;) {
        const auto wanted = static_cast<std::size_t>(std::min(remaining, blockRecords) * size);
        if (!ReportingFileErrors(messages, [&] { readBlock(wanted); })) {
            return kFileError;
        }
        bool written = false;
        const std::span<const std::uint8_t> records = std::span<const std::uint8_t>(block).first(wanted);
        if (!ReportingFileErrors(messages, [&] { written = WriteCSVRows(records, recordNumber); }) || !written) {
            return kRowsFailed;
        }
        remaining -= static_cast<long>(wanted) / size;
    }
    return ReportingFileErrors(messages, [&] { output_.Commit(); }) ? kWritten : kRowsFailed;
}

bool CCsvExport::WriteCSVHeader(bool headerSection, bool labelLine) {
    const CDataInfo* info = data_.GetDataInfo();
    const CSetupTable* setup = data_.GetSetupTable();
    if (info == nullptr || setup == nullptr) {
        return false;
    }
    std::string& text = output_.Text();
    if (headerSection) {
        const CSUTHeader& header = setup->GetHeader();
        text += "#HEADER";
        text += kLineEnd;
        text += platform::StringPrintf(
            "%s,%s,%s,%s,%s,%s,%s,%s,%s %s", LoadText(IDS_CSV_SETUP_NAME).c_str(),
            LoadText(IDS_CSV_MEMORY_MODE).c_str(), LoadText(IDS_CSV_LINE_FREQUENCY).c_str(),
            LoadText(IDS_CSV_INTERVAL).c_str(), LoadText(IDS_CSV_LOGGER_ID).c_str(),
            LoadText(IDS_CSV_SETUP_LOGGER_ID).c_str(), LoadText(IDS_CSV_MODEL).c_str(),
            LoadText(IDS_CSV_FIRMWARE).c_str(), LoadText(IDS_CSV_DEMAND_WINDOW).c_str(),
            LoadText(IDS_UNIT_MINUTES).c_str());
        text += kLineEnd;
        const std::uint8_t options = header.GetOptionByte();
        AppendCsvText(text, header.GetHeaderText(), true);
        text += (options & CSUTHeader::kOptionRingMemory) != 0 ? ",Ring," : ",Linear,";
        text += (options & CSUTHeader::kOption50Hz) != 0 ? "50 Hz," : "60 Hz,";
        AppendCsvText(text, CRawData::FormatIntervalCode(header.GetIntervalCode()), false);
        text += ',';
        AppendCsvText(text, info->GetIdText(), true);
        text += ',';
        AppendCsvText(text, header.GetSubText(), false);
        text += ',';
        AppendCsvText(text, GetLoggerTypeName(setup->GetModelCode()), false);
        text += ',';
        AppendCsvText(text, info->GetTypeText(), false);
        text += platform::StringPrintf(",%d %s", static_cast<int>(setup->GetExtendedData().GetDemandWindow()),
                                       LoadText(IDS_UNIT_MINUTES).c_str());
        text += kLineEnd;
        if (UsesQuarvenLayout(setup->GetModelCode())) {
            WriteCSVChannelLines();
        }
        text += '#';
        text += LoadText(IDS_CSV_DATA_MARKER);
        text += kLineEnd;
    }
    TitleLines lines;
    const std::string recordCaption = LoadText(IDS_CSV_RECORD_CAPTION);
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            lines.captions += ',';
        }
        AppendCsvText(lines.captions, recordCaption, true);
    }
    AppendCsvText(lines.titles, LoadText(IDS_CSV_RECORD_TITLE), true);
    AppendQuotedCell(lines.titles, LoadText(IDS_CSV_DATE_TITLE));
    AppendQuotedCell(lines.titles, LoadText(IDS_CSV_TIME_TITLE));
    lines.labels = "\"\",\"\",\"\"";
    BuildCSVColumnTitles(lines);
    text += lines.captions + kLineEnd + lines.titles + kLineEnd;
    if (labelLine) {
        text += lines.labels + kLineEnd;
    }
    return true;
}

void CCsvExport::WriteCSVChannelLines() {
    const CSetupTable& setup = *data_.GetSetupTable();
    const int model = setup.GetModelCode();
    std::string& text = output_.Text();
    for (int i = 0; i < kHardwareChannels; ++i) {
        const CSUTChannelHardware& channel = setup.GetHardwareChannel(i);
        if (channel.GetType() != kChannelPower) {
            continue;
        }
        AppendCsvText(text, FormatChannelName(model, i + 1), false);
        text += ',';
        AppendCsvText(text,
                      LoadText(IDS_QUARVEN_CHANNEL_WORD) + ": VHi: " + channel.GetVHiName() +
                          ", VLo: " + channel.GetVLoName() + "; PT = " + Format3(channel.GetPTRatio()) +
                          "; CT = " + Format3(channel.GetCTSize()),
                      true);
        text += ',';
        AppendCsvText(text,
                      std::string("CT Type = ") + (channel.GetCTType() != 0 ? "ROCOIL" : "MV") +
                          "; Phase Shift = " + Format3(channel.GetPhaseShift()),
                      true);
        text += kLineEnd;
    }
    for (int i = 0; i < kSoftwareChannels; ++i) {
        const CSUTChannelSoftware& channel = setup.GetSoftwareChannel(i);
        if (channel.GetType() != kChannelSoftware) {
            continue;
        }
        ChannelFlags flags{};
        for (int h = 0; h < kHardwareChannels; ++h) {
            flags[static_cast<std::size_t>(h)] = channel.GetHardwareFlag(h);
        }
        text += platform::StringPrintf("%s %d,", GetChannelKindName(model, kFirstSoftwareChannel + i).c_str(),
                                       kFirstSoftwareChannel + i);
        AppendCsvText(text, LoadText(IDS_CSV_SOFTWARE_SUM) + ": " + ChannelFlagsToDigitList(flags), true);
        text += kLineEnd;
    }
    if (model != kModelQuarvenKX) {
        return;
    }
    for (int i = 0; i < kAnalogChannels; ++i) {
        const CSUTChannelAnalog& channel = setup.GetAnalogChannel(i);
        if (!IsAnalogType(channel.GetType())) {
            continue;
        }
        text += platform::StringPrintf("%s %d,", LoadText(IDS_ANALOG_CHANNEL_WORD).c_str(), i + 1);
        AppendCsvText(
            text,
            "Analog " + GetAnalogRangeName(channel.GetType()) +
                ": Low Sensor: " + FloatToSignificantText(channel.GetLowSensor(), kSignificantDigits) +
                ", Low Output: " + FloatToSignificantText(channel.GetLowOutput(), kSignificantDigits) +
                ", High Sensor: " + FloatToSignificantText(channel.GetHighSensor(), kSignificantDigits) +
                ", High Output: " + FloatToSignificantText(channel.GetHighOutput(), kSignificantDigits) +
                ", Units: " + channel.GetUnits(),
            true);
        text += kLineEnd;
    }
}

void CCsvExport::BuildCSVColumnTitles(TitleLines& lines) const {
    const CSetupTable& setup = *data_.GetSetupTable();
    for (int i = 0; i < kHardwareChannels; ++i) {
        const CSUTChannelHardware& channel = setup.GetHardwareChannel(i);
        const int number = i + 1;
        if (channel.GetType() == kChannelPower) {
            for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
                AddQuantityColumns(lines, number, channel.GetPowerOptions(quantity),
                                   PowerQuantityUnit(quantity), IsFormA(quantity));
            }
        } else if (channel.GetType() == kChannelRNDC) {
            AddPulseColumns(lines, number, channel.GetOptions());
        } else if (const std::string unit = SingleQuantityUnit(channel); !unit.empty()) {
            AddQuantityColumnsB(lines, number, channel.GetOptions(), unit);
        }
    }
    for (int i = 0; i < kSoftwareChannels; ++i) {
        const CSUTChannelSoftware& channel = setup.GetSoftwareChannel(i);
        if (channel.GetType() != kChannelSoftware) {
            continue;
        }
        for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
            AddQuantityColumns(lines, kFirstSoftwareChannel + i, channel.GetPowerOptions(quantity),
                               PowerQuantityUnit(quantity), IsFormA(quantity));
        }
    }
    if (setup.GetModelCode() != kModelQuarvenKX) {
        return;
    }
    for (int i = 0; i < kAnalogChannels; ++i) {
        const CSUTChannelAnalog& channel = setup.GetAnalogChannel(i);
        if (IsAnalogType(channel.GetType())) {
            AddQuantityColumnsB(lines, kFirstAnalogChannel + i, channel.GetOptions(), channel.GetUnits());
        }
    }
}

void CCsvExport::AddColumn(TitleLines& lines, int channel, const std::string& title) const {
    const CSetupTable& setup = *data_.GetSetupTable();
    AppendQuotedCell(lines.captions, FormatChannelName(setup.GetModelCode(), channel));
    AppendQuotedCell(lines.titles, title);
    AppendQuotedCell(lines.labels, LabelOf(setup, channel));
}

void CCsvExport::AddQuantityColumnsA(TitleLines& lines, int channel, std::uint8_t options,
                                     const std::string& unit) const {
    AddQuantityColumns(lines, channel, options, unit, true);
}

void CCsvExport::AddQuantityColumnsB(TitleLines& lines, int channel, std::uint8_t options,
                                     const std::string& unit) const {
    AddQuantityColumns(lines, channel, options, unit, false);
}

void CCsvExport::AddQuantityColumns(TitleLines& lines, int channel, std::uint8_t options,
                                    const std::string& unit, bool formA) const {
    if ((options & kOptionBit8) != 0) {
        AddColumn(lines, channel,
                  formA ? unit + " " + LoadText(IDS_UNIT_HOURS) : LoadText(IDS_VALUE_BIT8) + " " + unit);
    }
    if ((options & kOptionBit2) != 0) {
        AddColumn(lines, channel, LoadText(IDS_VALUE_MINIMUM) + " " + unit);
        AddColumn(lines, channel, LoadText(IDS_TIME_OF_MINIMUM));
    }
    if ((options & kOptionBit4) != 0) {
        AddColumn(lines, channel, LoadText(IDS_VALUE_MAXIMUM) + " " + unit);
        AddColumn(lines, channel, LoadText(IDS_TIME_OF_MAXIMUM));
    }
    if ((options & kOptionBit1) != 0) {
        AddColumn(lines, channel, LoadText(IDS_VALUE_AVERAGE) + " " + unit);
    }
}

void CCsvExport::AddPulseColumns(TitleLines& lines, int channel, std::uint8_t options) const {
    struct PulseBit {
        std::uint8_t bit;
        unsigned wordId;
    };
    static constexpr std::array<PulseBit, 4> kPulseBits{{
        {kOptionBit8, IDS_RNDC_VALUE_C},
        {kOptionBit1, IDS_RNDC_VALUE_R},
        {kOptionBit2, IDS_RNDC_VALUE_N},
        {kOptionBit4, IDS_RNDC_VALUE_D},
    }};
    for (const PulseBit& pulse : kPulseBits) {
        if ((options & pulse.bit) != 0) {
            AddColumn(lines, channel, LoadText(pulse.wordId));
        }
    }
}

void CCsvExport::DateText::Append(std::string& line, const RecordDate& recordDate) {
    if (recordDate.year != date.year || recordDate.month != date.month || recordDate.day != date.day) {
        date = recordDate;
        text = FormatDateText(date.year, date.month, date.day, false);
    }
    line += text;
}

void CCsvExport::AppendRows(std::string& line, std::span<const std::uint8_t> records, long recordNumber,
                            const std::vector<int>& decimals, DateText& dates) const {
    const std::vector<CRawDataField>& fields = data_.GetFields();
    const auto size = static_cast<std::size_t>(data_.GetRecordSize());
    const long interval = data_.GetSetupTable()->GetIntervalSeconds();
    for (std::size_t start = 0; start + size <= records.size(); start += size) {
        const std::span<const std::uint8_t> record = records.subspan(start, size);
        AppendNumber(line, recordNumber++);
        line += ',';
        for (std::size_t index = 0; index < fields.size(); ++index) {
            const CRawDataField& field = fields[index];
            switch (field.storageKind) {
                case CRawDataField::kStorageDate:
                    dates.Append(line, ReadRecordDate(record, field.offset));
                    break;
                case CRawDataField::kStorageTime:
                    AppendTimeOfDay(line, ReadRecordTimeOfDay(record, field.offset));
                    break;
                default: {
                    line += ',';
                    const float value = ReadRecordFloat(record, field.offset);
                    if (!std::isnan(value)) {
                        AppendFixed(line, ValueShownAs(field.valueKind, value, interval), decimals[index]);
                    }
                }
            }
        }
        line += kLineEnd;
    }
}

bool CCsvExport::WriteCSVRows(std::span<const std::uint8_t> records, long& recordNumber) {
    const std::vector<CRawDataField>& fields = data_.GetFields();
    const auto size = static_cast<std::size_t>(data_.GetRecordSize());
    // Lines stop at the record count.
    const auto count = static_cast<std::size_t>(
        std::clamp<long>(record_count_ - recordNumber + 1, 0, static_cast<long>(records.size() / size)));
    if (count == 0) {
        return true;
    }
    // What the fields need is worked out once for the block, not for each value.
    std::vector<int> decimals(fields.size());
    for (std::size_t index = 0; index < fields.size(); ++index) {
        if (!FieldFitsRecord(fields[index], size)) {
            return false;
        }
        decimals[index] = CsvDecimals(fields[index].valueKind);
    }
    const long progressStep = record_count_ / kProgressSteps;
    for (long number = recordNumber; progressStep > 0 && number < recordNumber + static_cast<long>(count);
         ++number) {
        if (number % progressStep == 0) {
            ShowProgress(number);
        }
    }
    // A large block is shared among a few threads, each writing the lines of its records into a text of
    // its own; the texts follow each other in the file.
    std::vector<std::string> parts(PartCount(count, kLeastRecordsPerThread));
    const bool whole =
        RunInParts(count, kLeastRecordsPerThread, [&](std::size_t part, std::size_t first, std::size_t last) {
            DateText dates = part == 0 ? dates_ : DateText{};
            std::string& text = part == 0 ? output_.Text() : parts[part];
            AppendRows(text, records.subspan(first * size, (last - first) * size),
                       recordNumber + static_cast<long>(first), decimals, dates);
            if (part == 0) {
                dates_ = dates;
            }
            return true;
        });
    for (std::size_t part = 1; part < parts.size(); ++part) {
        output_.WriteAfter(parts[part]);
    }
    output_.WriteIfFull();
    recordNumber += static_cast<long>(count);
    return whole;
}
