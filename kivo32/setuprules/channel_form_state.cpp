// Channel state of the setup form: defaults, limits and loading from a setup table.
#include "kivo32/setuprules/channel_form_state.h"

#include "kivo32/setuprules/alarm_rules.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/program_texts.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr double kWide = 100000000.0;

// Columns 11 and 15 carry the A/N/X/I letters, the other four A/N/X/H.
std::string OptionLetters(int optionIndex, std::uint8_t mask) {
    return optionIndex == 0 || optionIndex == 4 ? MaskToLettersANXI(mask) : MaskToLettersANXH(mask);
}

}  // namespace

void ResetChannelState(ChannelFormState& state, int type, int channel, int model,
                       const std::array<bool, 4>& powerChannels) {
    state = ChannelFormState{};
    state.type = type;
    if (channel >= 4) {
        if (type == 5) {
            for (int hardware = 0; hardware < 4; ++hardware) {
                state.sums[hardware] = powerChannels[hardware] ? 1 : 0;
            }
        }
    }
    switch (type) {
        case 1:
            state.ctRating = 100.0f;
            [[fallthrough]];
        case 5:
            state.options[2] = "A";
            if (model == 0) {
                state.options[4] = "A";
            }
            break;
        case 2:
            state.scale = 1.0f;
            state.singleOption = "A";
            break;
        case 3:
        case 7:
            state.scale = 1.0f;
            state.shortUnit = "VoltsDC";
            state.singleOption = "A";
            break;
        case 4:
            state.pulseScale = 1.0f;
            state.singleOption = "C";
            break;
        case 6:
            state.ctRating = 1.0f;
            state.singleOption = "A";
            break;
        case 8:
        case 9:
            state.scale = 1.0f;
            state.shortUnit = LoadText(IDS_SHORT_UNIT_DEFAULT);
            state.singleOption = "A";
            break;
        default:
            break;
    }
}

std::optional<FieldRange> FloatFieldRange(int type, int column) {
    if (type == 1) {
        if (column == kColumnValue) {
            return FieldRange{0.0, 9999.9};
        }
        if (column == kColumnSecondCT) {
            return FieldRange{0.0, 359.9999};
        }
        return std::nullopt;
    }
    if (type == 2) {
        if (column == kColumnCTRating) {
            return FieldRange{-9.999, 9.999};
        }
        return column == kColumnSecondCT ? std::optional<FieldRange>(FieldRange{-99.99, 99.99})
                                         : std::nullopt;
    }
    const bool scaled = type == 3 || (type >= 7 && type <= 9);
    if ((scaled && (column == kColumnCTRating || column == kColumnSecondCT)) ||
        (type == 4 && column == kColumnCTRating)) {
        return FieldRange{-kWide, kWide};
    }
    return std::nullopt;
}

int TextFieldLimit(int type, int column) {
    switch (column) {
        case kColumnLabel:
        case kColumnValue:
            return 20;
        case kColumnNote:
            return type == 1 ? 80 : 79;
        case kColumnShortUnit:
            return 8;
        default:
            return 35;
    }
}

int PhaseIndexFromLetter(char letter, int model) {
    if (letter < 'A') {
        return -1;  // no phase (stored one below 'A')
    }
    if (letter >= 'N') {
        return model == 1 ? 1 : 3;
    }
    return letter - 'A';
}

std::string AppendOptionMarks(std::string text, int model, bool alarmOn, bool peakDemand) {
    if (model >= 13) {
        return text;
    }
    const auto append = [&text](const char* mark) { text += text.empty() ? mark : std::string(",") + mark; };
    if (alarmOn) {
        append("L");
    }
    if (peakDemand) {
        append("D");
    }
    return text;
}

ChannelFormState LoadChannelState(const CSetupTable& table, int channel) {
    const int model = table.GetModelCode();
    ChannelFormState state;
    if (channel >= 4) {
        const CSUTChannelSoftware& record = table.GetSoftwareChannel(channel - 4);
        state.type = record.GetType();
        state.label = record.GetName();
        state.note = record.GetNote();
        for (int hardware = 0; hardware < 4; ++hardware) {
            state.sums[hardware] = record.GetHardwareFlag(hardware) != 0 ? 1 : 0;
        }
        state.alarms = table.GetSoftwareAlarms(channel - 4);
        for (int option = 0; option < kOptionColumns; ++option) {
            const bool peak = IsPeakWindowChannel(model, channel, kColumnFirstOption + option, table) == 1;
            state.options[option] = AppendOptionMarks(OptionLetters(option, record.GetPowerOptions(option)),
                                                      model, state.alarms.GetAlarm(option).IsOn(), peak);
        }
        return state;
    }
    const CSUTChannelHardware& record = table.GetHardwareChannel(channel);
    state.type = record.GetType();
    state.label = record.GetName();
    state.note = record.GetNote();
    state.alarms = table.GetHardwareAlarms(channel);
    state.firstPhase = PhaseIndexFromLetter(record.GetVLo(), model);
    state.secondPhase = PhaseIndexFromLetter(record.GetVHi(), model);
    state.value = record.GetPTRatio();
    state.ctRating = record.GetCTSize();
    state.ctKind = record.GetCTType() != 0 ? 1 : 0;
    state.secondCT = record.GetPhaseShift();
    state.scale = record.GetScaleValue1();
    state.offset = record.GetScaleValue2();
    state.rangeChoice = record.GetTemperatureUnit();
    state.pulseScale = record.GetRNDCScale();
    state.unit = record.GetLoggerLabel();
    state.shortUnit = record.GetUnits();
    const std::uint8_t single = record.GetOptions();
    state.singleOption =
        AppendOptionMarks(state.type == 4 ? MaskToLettersRNDC(single) : MaskToLettersANXI(single), model,
                          model != 2 && state.alarms.GetAlarm(0).IsOn(), false);
    for (int option = 0; option < kOptionColumns; ++option) {
        state.options[option] =
            AppendOptionMarks(OptionLetters(option, record.GetPowerOptions(option)), model,
                              model == 2 && state.alarms.GetAlarm(option).IsOn(), false);
    }
    return state;
}
