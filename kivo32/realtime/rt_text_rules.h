// The rules of the real-time text grid: cell texts by value kind, cell colours by recording flag and
// alarm, row names and count (Windows-1252 texts).
#pragma once

#include <optional>
#include <span>
#include <string>

#include "shared/setup/setup_table.h"

// The Standard variant serves the type code 0, the Lite variant the others.
enum class RtVariant { Standard, Lite };

// The text of a cell of `kind` with `value`; `analogUnit` is the channel's unit text for kind 18.
// Values beyond the variant's limit show asterisks with the unit.
std::string CellText(RtVariant variant, int kind, float value, const std::string& analogUnit);

enum class CellColour { Default, White, Green, Red };

// A quantity's alarm as the channel's setup holds it.
struct CellAlarm {
    bool lowOn = false;
    bool highOn = false;
    float low = 0;
    float high = 0;
};

// The colour of a cell: green when the channel records the quantity (`recorded`); the Lite variant
// turns it red when the value crosses an alarm that is on, as far as the logger's firmware (`firmware`,
// the logger model `typeCode`) watches alarms of that kind.
CellColour CellColourFor(RtVariant variant, int kind, float value, bool recorded,
                         const std::optional<CellAlarm>& alarm, int firmware, int typeCode);

// What the setup says of a quantity of a channel (0-5): whether it is recorded, and its alarm. The
// voltage-and-power quantities of the hardware channels carry both; other quantities count as recorded,
// and nothing does without a setup.
struct CellSetup {
    bool recorded = true;
    std::optional<CellAlarm> alarm;
};
CellSetup CellSetupOf(const CSetupTable* setup, int channel, int kind);

// A quantity shown in a row of the grid.
struct ShownQuantity {
    int kind = 0;
    float value = 0;
};
// The distortion estimate in per cent of a power channel whose row shows all six quantities, from kVA
// (volts x amps / 1000 when the row has none), kW, kVAR and the power factor; nothing when the row is
// not full or the values give no estimate.
std::optional<double> RowDistortion(std::span<const ShownQuantity> shown);

// Grid rows: 4, 5 with two voltage-and-power channels among the first four, 6 with three or four.
int GridRowCount(std::span<const int> channelTypes);
// The row name of a channel type, in capitals; `analogRangeName` serves the analog range codes 15-17.
std::string ChannelTypeName(int channelType, const std::string& analogRangeName);
