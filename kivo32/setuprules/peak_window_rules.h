// The peak-demand window of a setup: its settings record, the window lengths a channel may take and the
// check of a typed length.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CSetupTable;

// The window lengths offered, in list order; 15 minutes (index 8) by default.
const std::vector<int>& PeakWindowLengths();
inline constexpr int kDefaultPeakWindowIndex = 8;

// The setup's peak-demand settings: the channel (0 off, 5 or 6), the option switched off (bit 7 of the
// window byte) and the window length (bits 0-6).
struct PeakWindowSettings {
    int channel = 0;
    bool optionOff = true;
    int minutes = 15;
};
PeakWindowSettings ReadPeakWindow(const CSetupTable& table);
// The channel byte, and the window byte (0 when off, else the minutes plus 0x80 with the option off).
void WritePeakWindow(const PeakWindowSettings& settings, CSetupTable& table);

struct WindowLengthCheck {
    bool accepted;
    int minutes;
    unsigned messageId;  // 0 when accepted
};
// The typed length `text`, cut before `unitWord` when that stands after its first character: with no
// channel chosen (`channelChosen` false) any number passes unchecked; with one the number must be a
// window length: above 60 refused with 59533, anything else not listed (an empty text and 0 included)
// with 59534.
WindowLengthCheck GetWindowMinutes(std::string_view text, std::string_view unitWord, bool channelChosen);
