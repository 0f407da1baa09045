// The rules of the waveform reads of the real-time loop and the capture windows.
#include "kivo32/session/real_time_record.h"

#include <algorithm>

#include "shared/setup/sut_header.h"

int WaveformSampleCount(int typeCode, std::uint8_t optionByte) {
    if (typeCode >= kModelOrnatFirst && typeCode <= kModelOrnatLast) {
        return ConfigTable::kOrnatSamples;
    }
    if (typeCode >= kModelQuarvenRS) {
        return optionByte & CSUTHeader::kOption50Hz ? ConfigTable::kQuarvenWideSamples
                                                    : ConfigTable::kQuarvenSamples;
    }
    return ConfigTable::kStandardSamples;
}

double NominalLineFrequency(std::uint8_t optionByte) {
    return optionByte & CSUTHeader::kOption50Hz ? 50.0 : 60.0;
}

std::optional<float> MeasureLineFrequency(const ConfigTable& table, int count, double nominalHz,
                                          CZeroCrossingHistory& history) {
    count = std::clamp(count, 0, static_cast<int>(ConfigTable::kEntries));
    const std::vector<double> samples(table.voltage.begin(), table.voltage.begin() + count);
    float frequency = 0;
    if (!CalcZeroCrossingFrequency(frequency, nominalHz, history, samples)) {
        return std::nullopt;
    }
    return frequency;
}
