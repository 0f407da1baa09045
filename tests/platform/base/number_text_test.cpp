// Numbers as text and back.
#include "platform/base/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

TEST(FloatToSignificantTextTest, KeepsTheRequestedSignificantDigits) {
    struct Case {
        float value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {123.456f, 4, "123.5"},
        {123.456f, 3, "123"},
        {123.456f, 6, "123.456"},
        {0.0012345f, 3, "0.00123"},
        {0.5f, 2, "0.50"},
        {-0.5f, 2, "-0.50"},
        {1.0f, 1, "1"},
        {100.0f, 3, "100"},
        {1234.4f, 2, "1234"},
        {9.99f, 2, "10"},
        {0.0999f, 2, "0.10"},
        {99.96f, 3, "100"},
        {0.0f, 3, "0.00"},
        {-0.0f, 2, "0.0"},
        {0.0f, 1, "0"},
        {5.0f, 0, "5"},
        {-1234.5678f, 6, "-1234.57"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloatToSignificantText(c.value, c.digits), c.text) << c.value << " at " << c.digits;
    }
}

TEST(FloatToSignificantTextTest, NeverEndsInAPointOrStartsWithOne) {
    for (float value : {0.001f, 0.01f, 0.1f, 0.95f, 9.5f, 99.5f, 999.5f, 12.0f}) {
        for (int digits = 1; digits <= 7; ++digits) {
            const std::string text = FloatToSignificantText(value, digits);
            ASSERT_FALSE(text.empty());
            EXPECT_NE(text.back(), '.') << value << " at " << digits;
            EXPECT_NE(text.front(), '.') << value << " at " << digits;
            EXPECT_NEAR(std::stod(text), value, std::fabs(value) * 0.5) << text;
        }
    }
}

TEST(NumberTextTest, CountsDecimalsAndLeadingDigits) {
    EXPECT_EQ(CountDecimals("12.345"), 3);
    EXPECT_EQ(CountDecimals("12."), 0);
    EXPECT_EQ(CountDecimals("12"), 0);
    EXPECT_EQ(CountDecimals(".5"), 1);
    EXPECT_EQ(CountLeadingDigits("123abc"), 3);
    EXPECT_EQ(CountLeadingDigits("abc"), 0);
    EXPECT_EQ(CountLeadingDigits(""), 0);
}

TEST(ParseDoubleTest, TakesOnlyAWholeFiniteNumber) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"12.5", true, 12.5}, {"  \t-3", true, -3}, {"0", true, 0},    {"0.000", true, 0},
        {"-0", true, 0},      {".5", true, 0.5},    {"+7", true, 7},   {"1e3 \t", true, 1000},
        {"12.5x", false, 0},  {"12 5", false, 0},   {"", false, 0},    {"  ", false, 0},
        {"abc", false, 0},    {"1,5", false, 0},    {"nan", false, 0}, {"inf", false, 0},
        {"0x1A", false, 0},   {"1e999", false, 0},  {"+-1", false, 0}, {"--1", false, 0},
    };
    for (const Case& c : cases) {
        double value = -99;
        EXPECT_EQ(ParseDouble(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
    }
}

TEST(ParseIntTest, TakesOnlyAWholeNumberOfIntSize) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {" 14 ", true, 14},       {"+7", true, 7},
        {"-57600", true, -57600}, {"2147483647", true, 2147483647},
        {"2147483648", false, 0}, {"1x", false, 0},
        {"12.5", false, 0},       {"", false, 0},
        {"\t", false, 0},         {"+-1", false, 0},
        {"0x10", false, 0},       {"fast", false, 0},
    };
    for (const Case& c : cases) {
        int value = -99;
        EXPECT_EQ(ParseInt(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : -99) << c.text;
    }
}

TEST(ParseDoubleTest, ReadsAPointWhateverTheProgramsLocale) {
    const char* locales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"};
    const char* chosen = nullptr;
    for (const char* locale : locales) {
        if (std::setlocale(LC_NUMERIC, locale) != nullptr) {
            chosen = locale;
            break;
        }
    }
    if (chosen == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    double value = 0;
    const bool ok = ParseDouble("2.5", value);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_TRUE(ok);
    EXPECT_EQ(value, 2.5);
}

}  // namespace
