// The THD calculator's rules.
#include "kivo32/harmonics/thd_calculator_rules.h"

#include "kivo32/harmonics/harmonics_ids.h"
#include "platform/base/number_text.h"
#include "platform/base/string_format.h"
#include "shared/common/signal_calculations.h"

namespace {

std::size_t Index(THDReading reading) {
    return static_cast<std::size_t>(reading);
}

}  // namespace

double ReadQuantity(std::string_view text) {
    double value = 0;
    return ParseDouble(text, value) ? value : kNotGiven;
}

THDCalculation CalculateFromReadings(const THDReadingTexts& texts) {
    std::array<double, kTHDReadings> values{};
    THDCalculation calculation;
    for (std::size_t i = 0; i < kTHDReadings; ++i) {
        values[i] = ReadQuantity(texts[i]);
        calculation.used[i] = values[i] != kNotGiven;
    }
    if (calculation.used[Index(THDReading::KVAR)]) {
        calculation.used[Index(THDReading::PowerFactor)] = false;
    }
    bool distorted = false;
    const double thd = CalculateTHD(values[Index(THDReading::Volts)], values[Index(THDReading::Amps)],
                                    kNotGiven, values[Index(THDReading::KW)], values[Index(THDReading::KVAR)],
                                    values[Index(THDReading::PowerFactor)], distorted);
    if (thd == kNotGiven) {
        calculation.statusId = IDS_THD_NOT_VALID;
        return calculation;
    }
    calculation.valid = true;
    calculation.result = platform::StringPrintf("%0.2f%%", thd);
    calculation.statusId = distorted ? IDS_THD_VALID_DISTORTED : IDS_THD_VALID;
    return calculation;
}

unsigned FirstMissingReading(const THDReadingTexts& texts) {
    const auto missing = [&texts](THDReading reading) {
        return ReadQuantity(texts[Index(reading)]) == kNotGiven;
    };
    if (missing(THDReading::Volts)) {
        return IDS_THD_ENTER_VOLTS;
    }
    if (missing(THDReading::Amps)) {
        return IDS_THD_ENTER_AMPS;
    }
    if (missing(THDReading::KW)) {
        return IDS_THD_ENTER_KW;
    }
    if (missing(THDReading::KVAR) && missing(THDReading::PowerFactor)) {
        return IDS_THD_ENTER_KVAR_OR_PF;
    }
    return 0;
}
