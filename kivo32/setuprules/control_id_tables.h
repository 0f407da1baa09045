// Which control of the setup form stands for which field of which channel, per logger model: a row per
// channel, a column per field, 0 where the model has no such control.
#pragma once

#include <array>
#include <vector>

// The fields of a channel page, one column each.
enum SetupColumn {
    kColumnLabel = 0,
    kColumnFirstSum = 1,  // software channels: the sum check boxes of hardware channels 1-4 (columns 1-4)
    kColumnFirstPhase = 5,
    kColumnSecondPhase = 6,
    kColumnValue = 7,
    kColumnCTKind = 8,
    kColumnCTRating = 9,
    kColumnSecondCT = 10,
    kColumnFirstOption = 11,  // value-option boxes 1-6 (columns 11-16); box 1 is the single value option
    kColumnNote = 17,
    kColumnShortUnit = 18,
};
inline constexpr int kSetupColumns = 19;
inline constexpr int kOptionColumns = 6;

using ControlIdRow = std::array<int, kSetupColumns>;

struct ControlIdTables {
    std::array<ControlIdRow, 4> hardwareControls{};
    std::array<ControlIdRow, 4> hardwareCaptions{};
    std::array<ControlIdRow, 2> softwareControls{};
    std::array<ControlIdRow, 2> softwareCaptions{};
    // The columns that at least one row of the model fills.
    std::vector<int> hardwareColumns;
    std::vector<int> softwareColumns;

    // Channel 0-3 hardware, 4-5 software; 0 where the model has no control, -1 outside channels 0-5 or
    // columns 0-18.
    int GetValueControlId(int channel, int column) const;
    int GetCaptionId(int channel, int column) const;
    const ControlIdRow& ControlRow(int channel) const;
    const ControlIdRow& CaptionRow(int channel) const;
    const std::vector<int>& Columns(int channel) const {
        return channel < 4 ? hardwareColumns : softwareColumns;
    }
};

// The tables of `model`; all zero for models 0, 1, 11 and 12 (and codes without a form).
ControlIdTables FillControlIdTables(int model);
// Every cell that any model fills, for the controls a section names whatever the model's own table.
const ControlIdTables& AllControlIds();
