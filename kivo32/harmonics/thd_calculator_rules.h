// What the THD calculator makes of a meter's five readings: which take part, the THD text and the
// status line. No Qt.
#pragma once

#include <array>
#include <string>
#include <string_view>

// The readings in the order of the window: volts, amps, kW, kVAR, power factor.
enum class THDReading { Volts, Amps, KW, KVAR, PowerFactor };
inline constexpr std::size_t kTHDReadings = 5;
using THDReadingTexts = std::array<std::string, kTHDReadings>;

// The value of a reading's text: its number, or not given (kNotGiven) for an empty text or one that is
// no number.
double ReadQuantity(std::string_view text);

struct THDCalculation {
    std::array<bool, kTHDReadings> used{};  // the indicators of the readings
    bool valid = false;                     // the result's indicator
    std::string result;                     // "%0.2f%%" of the THD, empty when not valid
    unsigned statusId = 0;
};

// The THD of the readings (kVAR wins over the power factor), the indicators and the status.
THDCalculation CalculateFromReadings(const THDReadingTexts& texts);
// The status naming the first reading missing (volts, amps, kW, then kVAR or power factor), 0 when
// none is.
unsigned FirstMissingReading(const THDReadingTexts& texts);
