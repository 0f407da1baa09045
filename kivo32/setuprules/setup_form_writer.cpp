// The setup form's values into a setup table.
#include "kivo32/setuprules/setup_form_writer.h"

#include "kivo32/setuprules/setup_transfer_rules.h"
#include "shared/logger/firmware_features.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

namespace {

void WriteHardwareChannel(CSUTChannelHardware& record, const ChannelFormState& state, int model) {
    record.SetType(static_cast<std::uint8_t>(std::max(state.type, 0)));
    record.SetName(state.label);
    record.SetNote(state.note);
    record.SetVLo(PhaseLetterFromIndex(state.firstPhase, model));
    record.SetVHi(PhaseLetterFromIndex(state.secondPhase, model));
    record.SetPTRatio(state.value);
    record.SetCTSize(state.ctRating);
    for (int column = 0; column < kOptionColumns; ++column) {
        record.SetPowerOptions(column, OptionMaskForColumn(column, state.options[column]));
    }
    if (model >= kModelQuarvenRS) {
        // A fixed CT ("RoCoil") takes no second value.
        record.SetCTType(static_cast<std::uint16_t>(state.ctKind));
        record.SetPhaseShift(state.ctKind == 0 ? state.secondCT : 0.0f);
    }
    record.SetScaleValue1(state.scale);
    record.SetScaleValue2(state.offset);
    record.SetRNDCScale(state.pulseScale);
    record.SetTemperatureUnit(static_cast<std::uint16_t>(state.rangeChoice));
    record.SetLoggerLabel(state.unit);
    record.SetUnits(state.shortUnit);
    record.SetOptions(SingleOptionMask(state.type, state.singleOption));
}

void WriteSoftwareChannel(CSUTChannelSoftware& record, const ChannelFormState& state) {
    record.SetType(static_cast<std::uint8_t>(std::max(state.type, 0)));
    record.SetName(state.label);
    record.SetNote(state.note);
    for (int hardware = 0; hardware < 4; ++hardware) {
        record.SetHardwareFlag(hardware, state.sums[hardware] != 0 ? 1 : 0);
    }
    for (int column = 0; column < kOptionColumns; ++column) {
        record.SetPowerOptions(column, OptionMaskForColumn(column, state.options[column]));
    }
}

}  // namespace

int MemoryModeForStopMode(int stopMode, std::uint8_t storedFlags) {
    if (stopMode == 3 || stopMode == 4) {
        return stopMode == 3 ? 1 : 0;
    }
    return (storedFlags & CSUTHeader::kOptionRingMemory) != 0 ? 1 : 0;
}

void WriteGeneralValues(CSetupTable& table, const GeneralFormValues& values) {
    CSUTHeader& header = table.GetHeader();
    header.SetHeaderText(values.setupName);
    header.SetIntervalCode(static_cast<std::uint8_t>(values.intervalCode));
    const bool autoFrequency = IsAutoFrequencySupported(header.GetModelCode(), header.GetFirmwareVersion());
    header.SetOptionByte(
        HeaderFlagByte(header.GetOptionByte(), values.memoryMode, values.frequencyChoice, autoFrequency));
    CSUTExtendedData& extended = table.GetExtendedData();
    extended.SetStartTime(values.startTime);
    extended.SetStopTime(values.stopTime);
    if (values.demandMinutes) {
        extended.SetDemandWindow(static_cast<std::uint32_t>(*values.demandMinutes));
    }
}

void WriteChannelStates(CSetupTable& table, const std::array<ChannelFormState, 6>& channels) {
    const int model = table.GetModelCode();
    for (int channel = 0; channel < 4; ++channel) {
        WriteHardwareChannel(table.GetHardwareChannel(channel), channels[channel], model);
        table.GetHardwareAlarms(channel) = channels[channel].alarms;
    }
    for (int software = 0; software < 2; ++software) {
        WriteSoftwareChannel(table.GetSoftwareChannel(software), channels[4 + software]);
        table.GetSoftwareAlarms(software) = channels[4 + software].alarms;
    }
    table.GetHeader().SetSoftwareAlarmByte(SoftwareAlarmByte(channels));
}

void ClearAnalogRecord(CSUTChannelAnalog& record) {
    record.SetType(kChannelOff);
    record.SetOptions(0x20);
    for (const auto set : {&CSUTChannelAnalog::SetLowSensor, &CSUTChannelAnalog::SetLowOutput,
                           &CSUTChannelAnalog::SetHighSensor, &CSUTChannelAnalog::SetHighOutput}) {
        (record.*set)(0.0f);
    }
    record.SetName({});
    record.SetUnits({});
}
