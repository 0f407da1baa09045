// The peak-demand window rules.
#include "kivo32/setuprules/peak_window_rules.h"

#include <algorithm>
#include <cstdlib>

#include "kivo32/setuprules/setuprules_ids.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr std::uint8_t kOptionOffBit = 0x80;
constexpr std::uint8_t kMinutesMask = 0x7F;
constexpr int kLongestWindow = 60;

}  // namespace

const std::vector<int>& PeakWindowLengths() {
    static const std::vector<int> lengths = {1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};
    return lengths;
}

PeakWindowSettings ReadPeakWindow(const CSetupTable& table) {
    const CSUTExtendedData& extended = table.GetExtendedData();
    return {extended.GetPeakDemandChannel(), extended.IsPeakWindowOptionOff(),
            extended.GetPeakWindowMinutes()};
}

void WritePeakWindow(const PeakWindowSettings& settings, CSetupTable& table) {
    CSUTExtendedData& extended = table.GetExtendedData();
    extended.SetTimeBlockByte1(static_cast<std::uint8_t>(settings.channel));
    const int window = settings.channel == 0
                           ? 0
                           : (settings.minutes & kMinutesMask) | (settings.optionOff ? kOptionOffBit : 0);
    extended.SetTimeBlockByte2(static_cast<std::uint8_t>(window));
}

WindowLengthCheck GetWindowMinutes(std::string_view text, std::string_view unitWord, bool channelChosen) {
    if (!unitWord.empty()) {
        const std::size_t unit = text.find(unitWord);
        if (unit != std::string_view::npos && unit > 0) {
            text = text.substr(0, unit);
        }
    }
    const int minutes = std::atoi(std::string(text).c_str());
    if (!channelChosen) {
        return {true, minutes, 0};
    }
    const std::vector<int>& lengths = PeakWindowLengths();
    if (std::find(lengths.begin(), lengths.end(), minutes) != lengths.end()) {
        return {true, minutes, 0};
    }
    return {false, 0, minutes > kLongestWindow ? IDS_PEAK_TOO_LONG : IDS_PEAK_NOT_A_LENGTH};
}
