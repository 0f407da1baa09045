// What the setup form writes into the setup table, without widgets: phase letters, the header's flag
// and software-alarm bytes, option bytes per column, the wiring checks and the CT rating check.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "kivo32/setuprules/channel_form_state.h"

// The letter a phase list index is stored as: 'A' + index below 3 (-1, no phase, is one below 'A'),
// 'N' from 3; model 1 lists only "L1" and "N", so any index above 0 is 'N' there.
char PhaseLetterFromIndex(int index, int model);

// The header's flag byte for the form's memory mode (1 ring, 0 linear) and frequency choice (0 "60",
// 1 "50", 2 "Auto"). Only the memory and frequency bits (0x70) are the form's: the others are kept as
// `stored` holds them.
std::uint8_t HeaderFlagByte(std::uint8_t stored, int memoryMode, int frequencyChoice, bool autoFrequency);

// The option byte of value-option column 0-5 from its text: columns 0 and 4 carry A/N/X/I, the others
// A/N/X/H; the form's marks ("L", "D") are not option letters.
std::uint8_t OptionMaskForColumn(int column, std::string_view text);
// The single option byte of a hardware input: R/N/D/C for a pulse input (type 4), A/N/X/I otherwise.
std::uint8_t SingleOptionMask(int type, std::string_view text);

// The header's software-alarm byte, computed afresh: for each software channel that is on, the
// options of columns 2, 3 and 5 that are set give bits 0-2 (channel 5) and 3-5 (channel 6).
std::uint8_t SoftwareAlarmByte(const std::array<ChannelFormState, 6>& channels);

// A doubtful wiring: the question (its text id and the value it names) and the hardware channel (0-3)
// whose first phase to show.
struct WiringDoubt {
    unsigned messageId;
    std::string argument;
    int channel;
};
// Power channels whose two phases are set and equal, in channel order (message 12488 each).
std::optional<WiringDoubt> FindEqualPhases(const std::array<ChannelFormState, 6>& channels, int fromChannel);
// Phase pairs that cannot all hold at once (message 12489), the first doubtful set in the fixed order.
std::optional<WiringDoubt> FindDoubtfulPhasePairs(const std::array<ChannelFormState, 6>& channels);

// A CT rating the Quarven models take (0 to 100000).
bool IsCTRatingAccepted(double rating);

// A date or time field while it is typed: a value above `highest` loses its last digit.
std::string ClampTypedField(const std::string& text, int highest);
