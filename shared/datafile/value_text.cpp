// How the values of data records print: decimals by value kind in the grid and in CSV text.
#include "shared/datafile/value_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

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

namespace {

constexpr std::array<double, 4> kPowersOfTen = {1.0, 10.0, 100.0, 1000.0};
// Scaled values below this are rounded and printed as whole numbers.
constexpr double kLargestScaled = 1e18;

// `scaled` (not negative, below kLargestScaled) rounded to a whole number, to even on a tie, without the
// library's rounding call.
std::uint64_t RoundToEven(double scaled) {
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);  // exact
    return whole + (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0) ? 1 : 0);
}

// Writes the `Decimals` last digits of `units` after the point, and returns the whole part.
template <int Decimals>
std::uint64_t SplitDecimals(std::uint64_t units, char* digits) {
    for (int digit = Decimals - 1; digit >= 0; --digit) {
        digits[digit] = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    return units;
}

// The value of a record field (a float) with up to three decimals, as "%.*f" prints it, without the
// general conversion: a float has 24 significant bits and 1000 has 10, so value x 10^decimals is exact
// in a double and its rounding to a whole number (to even on a tie) is the one printf makes. False when
// that does not hold for `value`.
bool AppendFloatFixed(std::string& text, double value, int decimals) {
    if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size()) ||
        static_cast<double>(static_cast<float>(value)) != value) {
        return false;
    }
    const double scaled = std::abs(value) * kPowersOfTen[static_cast<std::size_t>(decimals)];
    if (!(scaled < kLargestScaled)) {
        return false;  // also infinity
    }
    const std::uint64_t units = RoundToEven(scaled);
    char fraction[4];
    std::uint64_t whole = units;
    switch (decimals) {
        case 1:
            whole = SplitDecimals<1>(units, fraction + 1);
            break;
        case 2:
            whole = SplitDecimals<2>(units, fraction + 1);
            break;
        case 3:
            whole = SplitDecimals<3>(units, fraction + 1);
            break;
        default:
            break;
    }
    char buffer[32];
    char* end = buffer;
    if (std::signbit(value)) {
        *end++ = '-';
    }
    end = std::to_chars(end, buffer + sizeof buffer, whole).ptr;
    text.append(buffer, end);
    if (decimals > 0) {
        fraction[0] = '.';
        text.append(fraction, static_cast<std::size_t>(decimals) + 1);
    }
    return true;
}

}  // namespace

void AppendFixed(std::string& text, double value, int decimals) {
    if (AppendFloatFixed(text, value, decimals)) {
        return;
    }
    // Room for the largest double in fixed notation with the few decimals used here.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    text.append(buffer, result.ptr);
}
