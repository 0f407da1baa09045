// Writing the setup form's values into a setup table: the general page and the six channels. The
// caller has checked them; what the form does not carry stays as the table holds it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "kivo32/setuprules/channel_form_state.h"

class CSetupTable;
class CSUTChannelAnalog;

struct GeneralFormValues {
    std::string setupName;
    int intervalCode = 2;
    // 1 ring, 0 linear.
    int memoryMode = 1;
    // 0 "60", 1 "50", 2 "Auto".
    int frequencyChoice = 0;
    std::uint32_t startTime = 0;
    std::uint32_t stopTime = 0;
    // The period list of the models that have one.
    std::optional<int> demandMinutes;
};

// The memory mode a stop mode gives: 3 ring, 4 linear; a timed stop (5) keeps the stored one.
int MemoryModeForStopMode(int stopMode, std::uint8_t storedFlags);

// The header (name, interval, flag byte with the bits the form does not set kept), the start and stop
// times and the period.
void WriteGeneralValues(CSetupTable& table, const GeneralFormValues& values);

// Hardware channels 1-4 and software channels 5-6 with their alarms, and the header's software-alarm
// byte computed from them.
void WriteChannelStates(CSetupTable& table, const std::array<ChannelFormState, 6>& channels);

// An analog input that is off: no ranges, label or unit, and its option byte 0x20.
void ClearAnalogRecord(CSUTChannelAnalog& record);
