// Values as text: every value of a record field prints as printf's "%.*f" would print it, ties and signs
// included, whether it takes the quick way of record fields or the general one.
#include "shared/datafile/value_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Printf(double value, int decimals) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string Appended(double value, int decimals) {
    std::string text = "x";
    AppendFixed(text, value, decimals);
    return text.substr(1);
}

TEST(AppendFixedTest, PrintsAsPrintfForEveryKindOfValue) {
    const float largest = std::numeric_limits<float>::max();
    const double chosen[] = {
        0.0,     -0.0,     0.5,     1.5,       2.5,    -2.5,
        0.125,   0.375,    -0.0625, 0.0005,    -0.001, 4.75,
        899.6f,  1.23456f, 1e-30f,  1e17f,     1e18f,  3e19f,
        largest, -largest, 0.1,     1.0 / 3.0, 1e300,  std::numeric_limits<double>::infinity()};
    for (int decimals = 0; decimals <= 4; ++decimals) {
        for (const double value : chosen) {
            ASSERT_EQ(Appended(value, decimals), Printf(value, decimals)) << value << " " << decimals;
        }
    }
    // Every float, from halves and eighths that fall on ties to random bit patterns.
    std::mt19937 random(12345);
    for (int i = 0; i < 200000; ++i) {
        const float value = i % 2 == 0
                                ? static_cast<float>(static_cast<int>(random() % 200001) - 100000) / 1024.0f
                                : std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isnan(value)) {
            continue;
        }
        const int decimals = i % 4;
        ASSERT_EQ(Appended(value, decimals), Printf(value, decimals)) << value << " " << decimals;
    }
}

}  // namespace
