// How the values of data records print: decimals by value kind in the grid and in CSV text.
#include "shared/datafile/value_text.h"

#include <charconv>

namespace {

constexpr int kDurationKind = 16;

}  // namespace

int GridDecimals(int valueKind) {
    switch (valueKind) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 7:
        case 14:
            return 3;
        case 6:
        case 15:
        case 17:
        case 18:
            return 2;
        case kDurationKind:
            return 0;
        default:
            return 1;
    }
}

int CsvDecimals(int valueKind) {
    switch (valueKind) {
        case 1:
        case 6:
        case 15:
        case 17:
        case 18:
            return 2;
        case 2:
        case 3:
        case 4:
        case 5:
        case 7:
        case 14:
            return 3;
        case kDurationKind:
            return 0;
        default:
            return 1;
    }
}

double DurationShownAs(double value, long intervalSeconds) {
    const double difference = static_cast<double>(intervalSeconds) - value;
    return difference > -1.0 && difference < 1.0 ? static_cast<double>(intervalSeconds) : value;
}

double ValueShownAs(int valueKind, double value, long intervalSeconds) {
    return valueKind == kDurationKind ? DurationShownAs(value, intervalSeconds) : value;
}

void AppendFixed(std::string& text, double value, int decimals) {
    // Room for the largest double in fixed notation with the few decimals used here.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    text.append(buffer, result.ptr);
}
