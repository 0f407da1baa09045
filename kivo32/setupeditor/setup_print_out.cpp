// SetupPrintOut: the general-settings page and the channel pages of the setup print-out.
#include "kivo32/setupeditor/setup_print_out.h"

#include <algorithm>
#include <array>

#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/common/program_date_formats.h"
#include "shared/datafile/model_names.h"
#include "shared/setup/channel_caption.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/sut_channel_hardware.h"
#include "shared/setup/sut_channel_pulse.h"
#include "shared/setup/sut_channel_software.h"
#include "shared/setup/sut_header.h"

namespace {

using platform::StringPrintf;

// The space between a channel's caption and its first line, in device units.
constexpr int kCaptionGap = 20;
// Notes of this many characters and more are broken over two lines.
constexpr std::size_t kNoteBreak = 40;

std::string Label(unsigned id) {
    return LoadText(id);
}

// "VHi: L1" for the phases 'A'-'C', "VHi: N" for letters from 'D' on, "VHi:" for anything below 'A'.
std::string PhaseLine(const char* name, char phase) {
    const auto letter = static_cast<unsigned char>(phase);
    if (letter >= 'A' && letter <= 'C') {
        return StringPrintf("%s: L%c", name, '1' + (letter - 'A'));
    }
    if (letter > 'C') {
        return StringPrintf("%s: %c", name, phase);
    }
    return std::string(name) + ":";
}

// The range that the DC and current-loop inputs print after their section label.
const char* InputRangeName(int type) {
    switch (type) {
        case kChannel10VDC:
            return "0-10VDC";
        case kChannel4mA:
            return "4-20mA";
        case kChannel25mA:
            return "0-25mA";
        default:
            return "+/-5VDC";
    }
}

const char* PulseValueName(int type) {
    switch (type) {
        case kChannelPulseKWh:
            return "KWh";
        case kChannelPulseKVAh:
            return "KVAh";
        case kChannelPulseKVARh:
            return "KVARh";
        default:
            return "Unknown";
    }
}

// "a/b/c d:e:f" of a start or stop setting's six fields (month, day, year, hour, minute, second), the
// date in the user's date order.
std::string JoinDateTime(const std::array<std::string, 6>& fields) {
    // The field indexes of each date-order code, in the order kDateOrderMDY .. kDateOrderYDM.
    static constexpr std::array<std::array<int, 3>, 6> kDateFields = {
        {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
    const int order = GetProgramDateOrder();
    const std::array<int, 3>& date =
        kDateFields[order >= 0 && order < static_cast<int>(kDateFields.size()) ? order : kDateOrderMDY];
    return fields[date[0]] + "/" + fields[date[1]] + "/" + fields[date[2]] + " " + fields[3] + ":" +
           fields[4] + ":" + fields[5];
}

template <class Channel>
std::array<std::uint8_t, 6> PowerOptionsOf(const Channel& channel) {
    std::array<std::uint8_t, 6> options{};
    for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
        options[quantity] = channel.GetPowerOptions(quantity);
    }
    return options;
}

}  // namespace

const platform::PrintFont SetupPrintOut::kRegularFont{"Courier New", 12, false, false, false};
const platform::PrintFont SetupPrintOut::kUnderlineFont{"Courier New", 12, false, false, true};
const platform::PrintFont SetupPrintOut::kBoldUnderlineFont{"Courier New", 12, true, false, true};

SetupPrintOut::SetupPrintOut(platform::PagePainter& painter, SetupPrintPosition& position, int model,
                             SetupViewSettings settings)
    : painter_(painter), position_(position), model_(model), settings_(std::move(settings)) {}

void SetupPrintOut::PrintHeader(const CSUTHeader& header) {
    const platform::PrintFont previous = painter_.SelectFont(kRegularFont);
    line_step_ = painter_.TextHeight();
    const int charWidth = painter_.AverageCharWidth();
    const int model = header.GetModelCode();
    const std::uint8_t options = header.GetOptionByte();
    // Yes or no for the standard model's option bits; the other models do not have them.
    const auto yesNo = [&](unsigned labelId, std::uint8_t bit) {
        const std::string answer =
            model != kModelStandard ? "N/A" : Label((options & bit) != 0 ? IDS_PRINT_YES : IDS_PRINT_NO);
        return StringPrintf("%s: %s", Label(labelId).c_str(), answer.c_str());
    };
    // A line's left text, and what the right column shows beside it (shifted right by `rightShift`).
    struct Row {
        std::string left;
        std::string right;
        int rightShift = 0;
    };
    const std::string memoryMode =
        UsesQuarvenLayout(model)
            ? StringPrintf("  %s", settings_.memoryModeText.c_str())
            : StringPrintf("%s: %s", Label(IDS_PRINT_MEMORY_MODE).c_str(), settings_.memoryModeText.c_str());
    const std::string start =
        settings_.startAtOnce ? Label(IDS_PRINT_START_AT_ONCE) : JoinDateTime(settings_.startFields);
    const std::string stop =
        settings_.noStopTime ? Label(IDS_PRINT_NO_STOP_TIME) : JoinDateTime(settings_.stopFields);
    const Row rows[] = {
        {StringPrintf("%s %s", Label(IDS_PRINT_FILE).c_str(), settings_.documentTitle.c_str()),
         yesNo(IDS_PRINT_OPTION_80, CSUTHeader::kOptionStandard80)},
        {StringPrintf("%s: %s", Label(IDS_PRINT_MODEL).c_str(), GetLoggerTypeName(model).c_str()),
         yesNo(IDS_PRINT_AUTO_LINE_FREQUENCY, CSUTHeader::kOptionAutoLineFreq)},
        {StringPrintf("%s: %s", Label(IDS_PRINT_SETUP_NAME).c_str(), header.GetHeaderText().c_str()),
         yesNo(IDS_PRINT_OPTION_08, CSUTHeader::kOptionStandard08)},
        {StringPrintf("%s %s", Label(IDS_PRINT_LINE_FREQUENCY).c_str(),
                      (options & CSUTHeader::kOption50Hz) != 0 ? "50Hz" : "60Hz"),
         Label(IDS_PRINT_MEMORY)},
        {StringPrintf("%s: %s", Label(IDS_PRINT_INTERVAL).c_str(), settings_.intervalText.c_str()),
         memoryMode, 2 * charWidth},
        {StringPrintf("%s: %s", Label(IDS_PRINT_START).c_str(), start.c_str()),
         UsesQuarvenLayout(model) ? std::string()
                                  : StringPrintf("%s: %s", Label(IDS_PRINT_DEMAND_WINDOW).c_str(),
                                                 settings_.demandWindowText.c_str())},
        {StringPrintf("%s:  %s", Label(IDS_PRINT_STOP).c_str(), stop.c_str()), {}},
    };

    position_.x = 4 * charWidth;
    position_.y = line_step_;
    painter_.SelectFont(kBoldUnderlineFont);
    painter_.TextOut(position_.x, position_.y, Label(IDS_PRINT_TITLE));
    position_.y += 2 * line_step_;
    painter_.SelectFont(kRegularFont);

    // The right column starts at half the page, or further right where a left text would reach it.
    int rightColumn = painter_.DrawingRect().Width() / 2;
    for (const Row& row : rows) {
        if (!row.right.empty()) {
            rightColumn = std::max(rightColumn, position_.x + painter_.TextWidth(row.left) + 2 * charWidth);
        }
    }
    for (const Row& row : rows) {
        painter_.TextOut(position_.x, position_.y, row.left);
        if (!row.right.empty()) {
            painter_.TextOut(rightColumn + row.rightShift, position_.y, row.right);
        }
        position_.y += line_step_;
    }
    position_.y += 2 * line_step_;

    painter_.SelectFont(kBoldUnderlineFont);
    painter_.TextOut(position_.x, position_.y, Label(IDS_PRINT_END_TITLE));
    position_.y += line_step_;
    painter_.SelectFont(previous);
}

void SetupPrintOut::PrintHardwareChannel(const CSUTChannelHardware& channel, int item) {
    const platform::PrintFont previous = BeginChannel(item);
    const int type = channel.GetType();
    switch (type) {
        case kChannelPower:
            Line(Label(IDS_PRINT_POWER_CHANNEL));
            LabeledLine(IDS_PRINT_NAME, channel.GetName());
            Line(PhaseLine("VHi", channel.GetVHi()));
            Line(PhaseLine("VLo", channel.GetVLo()));
            Line(StringPrintf("PT: %f", channel.GetPTRatio()));
            Line(StringPrintf("CT: %f", channel.GetCTSize()));
            PowerOptionLines(PowerOptionsOf(channel));
            break;
        case kChannelTemperature:
            Line(Label(IDS_PRINT_TEMPERATURE_CHANNEL));
            LabeledLine(IDS_PRINT_NAME, channel.GetName());
            LabeledLine(IDS_PRINT_SCALE_LOW, StringPrintf("%f", channel.GetScaleValue1()));
            LabeledLine(IDS_PRINT_SCALE_HIGH, StringPrintf("%f", channel.GetScaleValue2()));
            LabeledLine(IDS_PRINT_UNITS,
                        std::string(1, TemperatureUnitToLetter(channel.GetTemperatureUnit())));
            LabeledLine(IDS_PRINT_VALUES, MaskToLettersANXI(channel.GetOptions()));
            painter_.SelectFont(previous);
            return;
        case kChannel5VDC:
        case kChannel10VDC:
        case kChannel4mA:
        case kChannel25mA:
            LabeledLine(IDS_PRINT_DC_CHANNEL, InputRangeName(type));
            LabeledLine(IDS_PRINT_NAME, channel.GetName());
            LabeledLine(IDS_PRINT_LOGGER_LABEL, channel.GetLoggerLabel());
            LabeledLine(IDS_PRINT_SCALE_LOW, StringPrintf("%f", channel.GetScaleValue1()));
            LabeledLine(IDS_PRINT_SCALE_HIGH, StringPrintf("%f", channel.GetScaleValue2()));
            LabeledLine(IDS_PRINT_UNITS, channel.GetUnits());
            LabeledLine(IDS_PRINT_VALUES, MaskToLettersANXI(channel.GetOptions()));
            break;
        case kChannelRNDC:
            Line(Label(IDS_PRINT_RNDC_CHANNEL));
            LabeledLine(IDS_PRINT_NAME, channel.GetName());
            LabeledLine(IDS_PRINT_LOGGER_LABEL, channel.GetLoggerLabel());
            LabeledLine(IDS_PRINT_SCALE, StringPrintf("%f", channel.GetRNDCScale()));
            LabeledLine(IDS_PRINT_UNITS, channel.GetUnits());
            LabeledLine(IDS_PRINT_VALUES, MaskToLettersRNDC(channel.GetOptions()));
            break;
        case kChannelCurrent:
            Line(Label(IDS_PRINT_CURRENT_CHANNEL));
            LabeledLine(IDS_PRINT_NAME, channel.GetName());
            Line(StringPrintf("CT: %f", channel.GetCTSize()));
            LabeledLine(IDS_PRINT_VALUES, MaskToLettersANXI(channel.GetOptions()));
            break;
        default:
            Line(Label(IDS_PRINT_NOT_USED));
            painter_.SelectFont(previous);
            return;
    }
    painter_.SelectFont(previous);
    PrintWrappedNote(channel.GetNote());
}

void SetupPrintOut::PrintSoftwareChannel(const CSUTChannelSoftware& channel, int item) {
    const platform::PrintFont previous = BeginChannel(item);
    if (channel.GetType() != kChannelSoftware) {
        Line(Label(IDS_PRINT_NOT_USED));
        painter_.SelectFont(previous);
        return;
    }
    Line(Label(IDS_PRINT_SOFTWARE_CHANNEL));
    LabeledLine(IDS_PRINT_NAME, channel.GetName());
    ChannelFlags flags{};
    for (int hardware = 0; hardware < kHardwareChannels; ++hardware) {
        flags[hardware] = channel.GetHardwareFlag(hardware);
    }
    LabeledLine(IDS_PRINT_CHANNELS, ChannelFlagsToDigitList(flags));
    PowerOptionLines(PowerOptionsOf(channel));
    painter_.SelectFont(previous);
    PrintWrappedNote(channel.GetNote());
}

void SetupPrintOut::PrintPulseChannel(const CSUTChannelPulse& channel, int item) {
    const platform::PrintFont previous = BeginChannel(item);
    if (!IsPulseType(channel.GetType())) {
        Line(Label(IDS_PRINT_NOT_USED));
    } else {
        Line(Label(IDS_PRINT_PULSE_CHANNEL));
        LabeledLine(IDS_PRINT_NAME, channel.GetName());
        Line(StringPrintf("Power Channel: %d", channel.GetPowerChannel()));
        Line(std::string("Value: ") + PulseValueName(channel.GetType()));
        Line(StringPrintf("Scale: %.4f", channel.GetScale()));
    }
    painter_.SelectFont(previous);
}

platform::PrintFont SetupPrintOut::BeginChannel(int item) {
    const platform::PrintFont previous = painter_.SelectFont(kRegularFont);
    line_step_ = painter_.TextHeight();
    position_.y += line_step_;
    painter_.SelectFont(kUnderlineFont);
    painter_.TextOut(position_.x, position_.y, FormatChannelName(model_, item));
    painter_.SelectFont(kRegularFont);
    position_.y += line_step_ + kCaptionGap;
    return previous;
}

void SetupPrintOut::Line(const std::string& text) {
    painter_.TextOut(position_.x, position_.y, text);
    position_.y += line_step_;
}

void SetupPrintOut::LabeledLine(unsigned labelId, const std::string& value) {
    Line(StringPrintf("%s: %s", Label(labelId).c_str(), value.c_str()));
}

void SetupPrintOut::PowerOptionLines(const std::array<std::uint8_t, 6>& options) {
    LabeledLine(IDS_PRINT_VOLTS, MaskToLettersANXI(options[kQuantityVoltage]));
    LabeledLine(IDS_PRINT_AMPS, MaskToLettersANXH(options[kQuantityCurrent]));
    Line("KW: " + MaskToLettersANXH(options[kQuantityKW]));
    Line("KVA: " + MaskToLettersANXH(options[kQuantityKVA]));
    Line("PF: " + MaskToLettersANXI(options[kQuantityPF]));
    Line("KVAR: " + MaskToLettersANXH(options[kQuantityKVAR]));
}

void SetupPrintOut::PrintWrappedNote(const std::string& note) {
    if (note.size() < kNoteBreak) {
        LabeledLine(IDS_PRINT_NOTE, note);
        return;
    }
    const std::string label = Label(IDS_PRINT_NOTE) + ":";
    painter_.TextOut(position_.x, position_.y, label);
    const int column = position_.x + painter_.TextWidth(label + " ");
    const std::size_t blank = note.find(' ', kNoteBreak);
    const std::size_t cut = blank == std::string::npos ? kNoteBreak : blank + 1;
    painter_.TextOut(column, position_.y, note.substr(0, cut));
    position_.y += line_step_;
    painter_.TextOut(column, position_.y, note.substr(cut));
    position_.y += line_step_;
}
