// CCsvImport: the setup table of a CSV file: its settings line, channel descriptions, labels and the
// channels that its value columns show.
#include "shared/datafile/csv_import.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/datafile/csv_cells.h"
#include "shared/datafile/csv_line_reader.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/model_names.h"
#include "shared/datafile/raw_data.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/setup_ids.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr std::string_view kHeaderMarker = "#HEADER";
constexpr char kBell = '\x07';
constexpr int kFirstSoftwareChannel = kHardwareChannels + 1;
constexpr int kFirstAnalogChannel = kHardwareChannels + kSoftwareChannels + 1;
constexpr int kMaxDescriptionLines = 10;
// A title "<unit> hours" is known by the first letters of its second word.
constexpr std::size_t kHoursCompareLength = 5;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

// The word after the first blank of `text`.
std::string_view SecondWord(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        return {};
    }
    std::string_view rest = text.substr(blank + 1);
    return rest.substr(0, rest.find(' '));
}

bool IsHoursWord(std::string_view word, std::string_view hours) {
    return !hours.empty() && word.substr(0, kHoursCompareLength) == hours.substr(0, kHoursCompareLength);
}

bool HasWord(std::string_view text, std::string_view word) {
    while (!text.empty()) {
        const std::size_t blank = text.find(' ');
        if (text.substr(0, blank) == word) {
            return true;
        }
        if (blank == std::string_view::npos) {
            break;
        }
        text.remove_prefix(blank + 1);
    }
    return false;
}

double NumberOr(std::string_view text, double fallback) {
    double value = 0.0;
    return ParseDouble(text, value) ? value : fallback;
}

// The channel number of a description or label caption: one of the channel words and a blank at the
// start of the cell, then the number; 0 when the cell is none. `analog` tells the analog word.
int DescribedChannelNumber(std::string_view cell, bool& analog) {
    const std::string analogWord = LoadText(IDS_ANALOG_CHANNEL_WORD);
    for (const std::string& word : {std::string("Channel"), LoadText(IDS_CHANNEL_WORD),
                                    LoadText(IDS_QUARVEN_CHANNEL_WORD), analogWord}) {
        if (StartsWith(cell, word) && cell.size() > word.size() && cell[word.size()] == ' ') {
            analog = word == analogWord;
            return std::atoi(std::string(cell.substr(word.size() + 1)).c_str());
        }
    }
    return 0;
}

// The cells of a description cell: its ';', ':' and '=' separate parts as commas do.
std::vector<std::string> DescriptionParts(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == ';' || c == ':' || c == '='; }, ',');
    std::vector<std::string> parts;
    CsvCursor cursor(text);
    while (!cursor.AtEnd()) {
        parts.emplace_back(TrimBlanks(cursor.NextCSVField()));
    }
    return parts;
}

const std::string& PartOr(const std::vector<std::string>& parts, std::size_t index) {
    static const std::string kEmpty;
    return index < parts.size() ? parts[index] : kEmpty;
}

// A phase reference written as "L1" to "L3" or "N".
char PhaseOfRangeText(const std::string& text) {
    if (text.empty() || text[0] == 'N') {
        return 'N';
    }
    return text.size() > 1 ? static_cast<char>(text[1] + 16) : '\0';
}

}  // namespace

std::size_t FindChannelKeyword(std::string_view text) {
    std::size_t earliest = std::string_view::npos;
    for (const std::string& word : {std::string("CHAN"), LoadText(IDS_CSV_CAPTION_WORD),
                                    LoadText(IDS_QUARVEN_CHANNEL_WORD), LoadText(IDS_ANALOG_CHANNEL_WORD)}) {
        if (!word.empty()) {
            earliest = std::min(earliest, text.find(word));
        }
    }
    return earliest;
}

bool CCsvImport::ReadColumns(std::vector<Column>& columns) {
    std::string captions;
    std::string titles;
    if (!SkipToData(true)) {
        return false;
    }
    if (!ReadLine(captions)) {
        ShowNameMessage(IDS_CSV_NO_RECORDS);
        return false;
    }
    if (!ReadLine(titles)) {
        ShowNameMessage(IDS_CSV_TOO_FEW_LINES);
        return false;
    }
    CsvCursor captionCells(captions);
    CsvCursor titleCells(titles);
    for (int i = 0; i < 3; ++i) {
        captionCells.NextCSVField();
        titleCells.NextCSVField();
    }
    const std::string analogWord = LoadText(IDS_ANALOG_CHANNEL_WORD);
    columns.clear();
    while (!captionCells.AtEnd()) {
        const std::string caption = captionCells.NextCSVField();
        Column column;
        column.title = titleCells.NextCSVField();
        const std::size_t keyword = FindChannelKeyword(caption);
        if (keyword != std::string::npos) {
            const std::string_view from = std::string_view(caption).substr(keyword);
            const std::size_t blank = from.find(' ');
            column.channel =
                blank == std::string_view::npos ? 0 : std::atoi(std::string(from.substr(blank)).c_str());
            if (StartsWith(from, analogWord)) {
                column.channel += kFirstAnalogChannel - 1;
            }
        }
        columns.push_back(std::move(column));
    }
    return true;
}

bool CCsvImport::ParseCSVHeaderValues(CSetupTable& setup, CDataInfo& info) {
    std::string line;
    if (!Rewind()) {
        return false;
    }
    if (!ReadLine(line) || line.rfind(kHeaderMarker, 0) != 0) {
        return Rewind();
    }
    if (!ReadLine(line)) {
        return true;
    }
    line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
    if (line.rfind(LoadText(IDS_CSV_SETUP_NAME) + "," + LoadText(IDS_CSV_MEMORY_MODE), 0) != 0) {
        return true;  // not a settings line of ours: the defaults stay
    }
    if (!ReadLine(line)) {
        ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
        return false;
    }
    line = line.substr(0, line.find(kBell));
    CsvCursor cells(line);
    CSUTHeader& header = setup.GetHeader();
    std::string cell;
    const auto next = [&cells, &cell]() {
        if (cells.AtEnd()) {
            return false;
        }
        cell = cells.NextCSVField();
        return true;
    };
    if (!next()) {
        return true;
    }
    header.SetHeaderText(cell);
    if (!next()) {
        return true;
    }
    std::uint8_t options = header.GetOptionByte();
    options =
        cell == "Ring" ? options | CSUTHeader::kOptionRingMemory : options & ~CSUTHeader::kOptionRingMemory;
    if (!next()) {
        header.SetOptionByte(options);
        return true;
    }
    options &= ~(CSUTHeader::kOption50Hz | CSUTHeader::kOptionAutoLineFreq);
    if (cell.rfind("50", 0) == 0) {
        options |= CSUTHeader::kOption50Hz;
    } else if (cell.rfind("Auto", 0) == 0) {
        options |= CSUTHeader::kOptionAutoLineFreq;
    }
    header.SetOptionByte(options);
    if (!next()) {
        return true;
    }
    if (cell.empty()) {
        return false;
    }
    // A text that names no interval leaves it to the record times.
    if (const std::optional<std::uint8_t> code = CRawData::FindIntervalCode(cell.c_str())) {
        header.SetIntervalCode(*code);
        header_interval_ = true;
    }
    if (!next()) {
        return true;
    }
    info.SetIdText(cell);
    if (!next()) {
        return true;
    }
    header.SetSubText(cell);
    if (!next()) {
        return true;
    }
    header.SetModelCode(static_cast<std::uint8_t>(GetLoggerTypeFromName(cell)));
    if (!next()) {
        return true;
    }
    info.SetTypeText(cell);
    if (!next()) {
        return true;
    }
    setup.GetExtendedData().SetDemandWindow(static_cast<std::uint32_t>(std::atoi(cell.c_str())));
    return true;
}

bool CCsvImport::ScanChannelLabels(CSetupTable& setup) {
    std::string captions;
    std::string line;
    if (!SkipToData(true)) {
        return false;
    }
    if (!ReadLine(captions) || !ReadLine(line)) {
        ShowNameMessage(IDS_CSV_NO_RECORDS);
        return false;
    }
    if (!ReadLine(line) || !(line.rfind("\"\"", 0) == 0 || line.rfind(",", 0) == 0)) {
        return true;  // no label line
    }
    CsvCursor captionCells(captions);
    CsvCursor labelCells(line);
    while (!captionCells.AtEnd()) {
        bool analog = false;
        int channel = DescribedChannelNumber(captionCells.NextCSVField(), analog);
        const std::string label = labelCells.NextCSVField();
        if (channel == 0 || label.empty()) {
            continue;
        }
        if (analog) {
            channel += kFirstAnalogChannel - 1;
        }
        if (channel >= 1 && channel < kFirstSoftwareChannel) {
            setup.GetHardwareChannel(channel - 1).SetName(label);
        } else if (channel >= kFirstSoftwareChannel && channel < kFirstAnalogChannel) {
            setup.GetSoftwareChannel(channel - kFirstSoftwareChannel).SetName(label);
        } else if (channel >= kFirstAnalogChannel && channel <= kMaxChannelSlots) {
            setup.GetAnalogChannel(channel - kFirstAnalogChannel).SetName(label);
        }
    }
    return true;
}

bool CCsvImport::ParseCSVChannelLines(ChannelDescriptions& descriptions) {
    std::string line;
    if (!Rewind()) {
        return false;
    }
    if (!ReadLine(line) || line.rfind(kHeaderMarker, 0) != 0) {
        return Rewind();
    }
    for (int i = 0; i < 2; ++i) {
        if (!ReadLine(line)) {
            ShowNameMessage(IDS_DATA_FILE_UNREADABLE);
            return false;
        }
    }
    const std::string softwareWord = LoadText(IDS_CSV_SOFTWARE_SUM);
    const std::string powerWord = LoadText(IDS_QUARVEN_CHANNEL_WORD);
    for (int i = 0; i < kMaxDescriptionLines && ReadLine(line); ++i) {
        CsvCursor cells(line);
        bool analogWord = false;
        const int number = DescribedChannelNumber(TrimBlanks(cells.NextCSVField()), analogWord);
        if (number == 0) {
            break;
        }
        const std::vector<std::string> parts = DescriptionParts(cells.NextCSVField());
        const std::string third = cells.NextCSVField();
        const std::string& kind = PartOr(parts, 0);
        if (kind == softwareWord && number >= kFirstSoftwareChannel && number < kFirstAnalogChannel) {
            ChannelDescription& software = descriptions[static_cast<std::size_t>(number - 1)];
            software.type = kChannelSoftware;
            for (std::size_t p = 1; p < parts.size(); ++p) {
                const int hardware = std::atoi(parts[p].c_str());
                if (hardware == 0) {
                    break;
                }
                if (hardware >= 1 && hardware <= kHardwareChannels) {
                    software.hardwareFlags[static_cast<std::size_t>(hardware - 1)] = 1;
                }
            }
        } else if (kind == powerWord && number >= 1 && number <= kHardwareChannels) {
            ChannelDescription& power = descriptions[static_cast<std::size_t>(number - 1)];
            power.type = kChannelPower;
            power.vHi = PhaseOfRangeText(PartOr(parts, 2));
            power.vLo = PhaseOfRangeText(PartOr(parts, 4));
            power.ptRatio = static_cast<float>(NumberOr(PartOr(parts, 6), power.ptRatio));
            power.ctSize = static_cast<float>(NumberOr(PartOr(parts, 8), power.ctSize));
            const std::vector<std::string> transformer = DescriptionParts(third);
            power.hasTransformer = !third.empty();
            power.ctType = PartOr(transformer, 1) == "MV" ? 0 : 1;
            power.phaseShift = static_cast<float>(NumberOr(PartOr(transformer, 3), power.phaseShift));
        } else if (number >= 1 && number <= kAnalogChannels) {
            for (std::uint8_t type = kChannelAnalog4To20mA; type <= kChannelAnalog0To10V; ++type) {
                if (kind.find(GetAnalogRangeName(type)) == std::string::npos) {
                    continue;
                }
                ChannelDescription& analog =
                    descriptions[static_cast<std::size_t>(kFirstAnalogChannel - 2 + number)];
                analog.type = type;
                analog.lowSensor = static_cast<float>(NumberOr(PartOr(parts, 2), 0.0));
                analog.lowOutput = static_cast<float>(NumberOr(PartOr(parts, 4), 0.0));
                analog.highSensor = static_cast<float>(NumberOr(PartOr(parts, 6), 0.0));
                analog.highOutput = static_cast<float>(NumberOr(PartOr(parts, 8), 0.0));
                analog.units = PartOr(parts, 10);
                break;
            }
        }
    }
    return true;
}

void CCsvImport::ScanChannelTypes(const std::vector<Column>& columns, ChannelTypes& result) const {
    const std::string minimum = LoadText(IDS_VALUE_MINIMUM);
    const std::string maximum = LoadText(IDS_VALUE_MAXIMUM);
    const std::string average = LoadText(IDS_VALUE_AVERAGE);
    const std::string instant = LoadText(IDS_VALUE_BIT8);
    const std::string volts = LoadText(IDS_QUANTITY_VOLTS);
    const std::string amps = LoadText(IDS_QUANTITY_AMPS);
    const std::string temperature = LoadText(IDS_CSV_TEMPERATURE);
    const std::string timeWord = LoadText(IDS_CSV_TIME_WORD);
    const std::string hours = LoadText(IDS_UNIT_HOURS);
    const std::string timeOfMinimum = LoadText(IDS_TIME_OF_MINIMUM);
    const std::string timeOfMaximum = LoadText(IDS_TIME_OF_MAXIMUM);
    const std::array<std::string, 4> pulseWords = {LoadText(IDS_RNDC_VALUE_R), LoadText(IDS_RNDC_VALUE_N),
                                                   LoadText(IDS_CSV_PULSE_BIT4), LoadText(IDS_RNDC_VALUE_C)};

    int type = kChannelOff;  // carries over from one column to the next
    int previousChannel = 0;
    for (const Column& column : columns) {
        const int n = column.channel;
        if (n < 1 || n > kMaxChannelSlots) {
            continue;
        }
        std::uint8_t& entry = result.types[static_cast<std::size_t>(n - 1)];
        const int fallback = n < kFirstSoftwareChannel ? kChannelPower
                             : n < kFirstAnalogChannel ? kChannelSoftware
                             : entry != 0              ? entry
                                                       : kChannelAnalog4To20mA;
        const std::string_view title = column.title;
        // The time of a minimum or maximum belongs to the value before it.
        if (title == timeOfMinimum || title == timeOfMaximum) {
            continue;
        }
        std::string_view rest;
        bool valueTitle = false;
        for (const std::string* word : {&minimum, &maximum, &average, &instant}) {
            if (StartsWith(title, *word)) {
                rest = title.substr(std::min(title.size(), word->size() + 1));
                valueTitle = true;
                break;
            }
        }
        if (valueTitle) {
            if (StartsWith(rest, volts)) {
                type = fallback;
            } else if (StartsWith(rest, amps)) {
                type = n < kFirstSoftwareChannel ? (entry != 0 ? entry : kChannelCurrent) : fallback;
            } else if (StartsWith(rest, "KW") || StartsWith(rest, "KVA") || StartsWith(rest, "PF")) {
                type = fallback;
            } else if (StartsWith(rest, temperature)) {
                type = kChannelTemperature;
                const std::size_t blank = rest.find(' ');
                const char letter = blank + 1 < rest.size() ? rest[blank + 1] : '\0';
                result.temperatureUnits[static_cast<std::size_t>(n - 1)] = LetterToTemperatureUnit(letter);
            } else if (StartsWith(rest, "5VDC")) {
                type = kChannel5VDC;
            } else if (StartsWith(rest, "0-10VDC")) {
                type = kChannel10VDC;
            } else if (StartsWith(rest, "4-20mA")) {
                type = kChannel4mA;
            } else if (StartsWith(rest, "0-25mA")) {
                type = kChannel25mA;
            } else if (StartsWith(rest, timeWord) && type == kChannelOff && n != previousChannel) {
                type = fallback;
            }
            // A channel first taken for current only shows its power quantities later.
            if (entry == kChannelOff || (entry == kChannelCurrent && type == kChannelPower)) {
                entry = static_cast<std::uint8_t>(type);
            }
        } else if (std::any_of(pulseWords.begin(), pulseWords.end(),
                               [title](const std::string& word) { return StartsWith(title, word); })) {
            entry = kChannelRNDC;
        } else if (const std::string_view word = SecondWord(title); IsHoursWord(word, hours)) {
            type = fallback;
            entry = static_cast<std::uint8_t>(fallback);
        } else {
            messages_.ShowMessage(LoadText(IDS_CSV_UNKNOWN_TITLE) + " " + std::string(word.substr(0, 4)));
            continue;
        }
        previousChannel = n;
    }
}

std::uint8_t CCsvImport::TitleToSelectionBit(std::string_view title) {
    struct TitleBit {
        unsigned wordId;
        std::uint8_t bit;
    };
    static constexpr std::array<TitleBit, 9> kTitleBits{{
        {IDS_VALUE_AVERAGE, kOptionBit1},
        {IDS_VALUE_MINIMUM, kOptionBit2},
        {IDS_VALUE_MAXIMUM, kOptionBit4},
        {IDS_VALUE_BIT8, kOptionBit8},
        {IDS_UNIT_HOUR, kOptionBit8},
        {IDS_RNDC_VALUE_C, kOptionBit8},
        {IDS_RNDC_VALUE_R, kOptionBit1},
        {IDS_CSV_PULSE_BIT2, kOptionBit2},
        {IDS_CSV_PULSE_BIT4, kOptionBit4},
    }};
    for (const TitleBit& entry : kTitleBits) {
        if (StartsWith(title, LoadText(entry.wordId))) {
            return entry.bit;
        }
    }
    return StartsWith(SecondWord(title), LoadText(IDS_UNIT_HOUR)) ? kOptionBit8 : 0;
}

std::uint8_t CCsvImport::FindColumnsForChannel(const std::vector<Column>& columns, int channel,
                                               std::string_view word) {
    std::uint8_t options = 0;
    for (const Column& column : columns) {
        if (column.channel == channel && (word.empty() || HasWord(column.title, word))) {
            options |= TitleToSelectionBit(column.title);
        }
    }
    return options;
}

bool CCsvImport::SetupChannelsFromCSV(CSetupTable& setup, CDataInfo& info) {
    ChannelDescriptions descriptions;
    std::vector<Column> columns;
    if (!ParseCSVHeaderValues(setup, info) || !ScanChannelLabels(setup) ||
        !ParseCSVChannelLines(descriptions) || !ReadColumns(columns)) {
        return false;
    }
    ChannelTypes types;
    for (std::size_t slot = 0; slot < types.types.size(); ++slot) {
        types.types[slot] = descriptions[slot].type;
    }
    ScanChannelTypes(columns, types);
    const int model = setup.GetModelCode();

    for (int i = 0; i < kHardwareChannels; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const int number = i + 1;
        CSUTChannelHardware& channel = setup.GetHardwareChannel(i);
        const std::string name = channel.GetName();
        channel = CSUTChannelHardware();
        channel.SetName(name);
        const std::uint8_t type = types.types[slot];
        if (!IsHardwareType(type)) {
            continue;
        }
        channel.SetType(type);
        switch (type) {
            case kChannelPower: {
                for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
                    channel.SetPowerOptions(quantity,
                                            FindColumnsForChannel(columns, number, PowerQuantityUnit(quantity)));
                }
                const ChannelDescription& described = descriptions[slot];
                if (described.type == kChannelPower) {
                    channel.SetVHi(described.vHi);
                    channel.SetVLo(described.vLo);
                    channel.SetPTRatio(described.ptRatio);
                    channel.SetCTSize(described.ctSize);
                    if (UsesQuarvenLayout(model) && described.hasTransformer) {
                        channel.SetCTType(described.ctType);
                        channel.SetPhaseShift(described.phaseShift);
                    }
                }
                continue;
            }
            case kChannelTemperature:
                channel.SetTemperatureUnit(types.temperatureUnits[slot]);
                [[fallthrough]];
            case kChannel5VDC:
            case kChannel10VDC:
            case kChannel4mA:
            case kChannel25mA:
                channel.SetScaleValue1(1.0f);
                break;
            case kChannelRNDC:
                channel.SetRNDCScale(1.0f);
                break;
            case kChannelCurrent:
                channel.SetCTSize(100.0f);
                break;
            default:
                break;
        }
        channel.SetOptions(FindColumnsForChannel(columns, number, {}));
    }

    for (int i = 0; i < kSoftwareChannels; ++i) {
        const auto slot = static_cast<std::size_t>(kHardwareChannels + i);
        CSUTChannelSoftware& channel = setup.GetSoftwareChannel(i);
        const std::string name = channel.GetName();
        channel = CSUTChannelSoftware();
        channel.SetName(name);
        if (types.types[slot] != kChannelSoftware) {
            continue;
        }
        channel.SetType(kChannelSoftware);
        if (descriptions[slot].type == kChannelSoftware) {
            for (int h = 0; h < kHardwareChannels; ++h) {
                channel.SetHardwareFlag(h, descriptions[slot].hardwareFlags[static_cast<std::size_t>(h)]);
            }
        }
        for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
            channel.SetPowerOptions(
                quantity, FindColumnsForChannel(columns, kFirstSoftwareChannel + i, PowerQuantityUnit(quantity)));
        }
    }

    if (model != kModelQuarvenKX) {
        return true;
    }
    for (int i = 0; i < kAnalogChannels; ++i) {
        const auto slot = static_cast<std::size_t>(kHardwareChannels + kSoftwareChannels + i);
        CSUTChannelAnalog& channel = setup.GetAnalogChannel(i);
        const std::string name = channel.GetName();
        channel = CSUTChannelAnalog();
        channel.SetName(name);
        const std::uint8_t type = types.types[slot];
        if (!IsAnalogType(type)) {
            continue;
        }
        const ChannelDescription& described = descriptions[slot];
        channel.SetType(type);
        channel.SetLowSensor(described.lowSensor);
        channel.SetLowOutput(described.lowOutput);
        channel.SetHighSensor(described.highSensor);
        channel.SetHighOutput(described.highOutput);
        channel.SetUnits(described.units);
        channel.SetOptions(FindColumnsForChannel(columns, kFirstAnalogChannel + i, {}));
    }
    return true;
}
