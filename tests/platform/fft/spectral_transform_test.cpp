// The spectral transform against sums of sines whose bins follow from the mathematics, the bin
// frequencies, ranges, and the static data sets with their handle map.
#include "platform/fft/spectral_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "platform/fft/qc_static_data.h"

namespace {

struct Component {
    int k;       // cycles over the N points; 0 is a constant
    double rms;  // RMS of the sine (the constant's value for k = 0)
    double phase;
};

std::vector<float> Points(int count, const std::vector<Component>& components) {
    std::vector<float> points(count);
    for (int i = 0; i < count; ++i) {
        double value = 0;
        for (const Component& c : components) {
            value += c.k == 0 ? c.rms
                              : c.rms * std::sqrt(2.0) *
                                    std::sin(2 * std::numbers::pi * c.k * i / count + c.phase);
        }
        points[i] = static_cast<float>(value);
    }
    return points;
}

TEST(SpectralTransformTest, EachBinHoldsTheRmsOfItsHarmonic) {
    struct Case {
        int count;
        std::vector<Component> components;
    };
    const Case cases[] = {
        {128, {{1, 230.0, 0.3}}},
        {128, {{0, 2.5, 0}, {1, 10.0, 1.0}, {3, 1.0, 0.2}, {5, 0.5, 2.0}}},
        {256, {{1, 120.0, 0.0}, {7, 12.0, 4.0}, {127, 3.0, 1.0}}},
        {64, {{2, 1.0, 0.5}}},
    };
    for (const Case& c : cases) {
        std::vector<float> points = Points(c.count, c.components);
        std::vector<float> second(c.count, 123.0f);
        ASSERT_TRUE(platform::TransformRealPoints(points, second));
        for (int k = 0; k < c.count / 2; ++k) {
            double expected = 0;
            for (const Component& component : c.components) {
                expected += component.k == k ? std::fabs(component.rms) : 0.0;
            }
            float magnitude = -1;
            ASSERT_TRUE(platform::BinMagnitude(points, second, k, magnitude));
            EXPECT_NEAR(magnitude, expected, 1e-4 * (1 + expected)) << c.count << " points, bin " << k;
        }
    }
}

TEST(SpectralTransformTest, RefusesWhatItCannotTransform) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        std::vector<float> points;
        std::size_t secondSize;
    };
    const Case cases[] = {
        {"odd count", {1, 2, 3}, 3},
        {"one point", {1}, 1},
        {"no points", {}, 0},
        {"second buffer shorter", {1, 2, 3, 4}, 3},
        {"not a number", {1, nan, 3, 4}, 4},
    };
    for (const Case& c : cases) {
        std::vector<float> points = c.points;
        std::vector<float> second(c.secondSize, 7.0f);
        EXPECT_FALSE(platform::TransformRealPoints(points, second)) << c.name;
        const auto same = [](float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); };
        EXPECT_TRUE(std::equal(points.begin(), points.end(), c.points.begin(), c.points.end(), same))
            << c.name;
    }
    std::vector<float> points(8, 1.0f), second(8);
    ASSERT_TRUE(platform::TransformRealPoints(points, second));
    float magnitude = 0;
    EXPECT_TRUE(platform::BinMagnitude(points, second, 4, magnitude));
    EXPECT_FALSE(platform::BinMagnitude(points, second, 5, magnitude));
    EXPECT_FALSE(platform::BinMagnitude(points, second, -1, magnitude));
}

TEST(SpectralTransformTest, BinFrequencyIsKTimesRateOverN) {
    EXPECT_DOUBLE_EQ(platform::BinFrequency(128, 128 * 60.0f, 5), 300.0);
    EXPECT_DOUBLE_EQ(platform::BinFrequency(256, 256 * 50.0f, 31), 1550.0);
    EXPECT_DOUBLE_EQ(platform::BinFrequency(256, 256 * 50.0f, 0), 0.0);
}

TEST(StaticDataTest, ARangeSeesTheArraysAsTheyAreNow) {
    std::vector<float> x = {0, 1, 2, 3};
    std::vector<float> y = {1.5f, -2.0f, 4.0f, 0.0f};
    QCStaticData set("Orig VOLT", x, y);
    ASSERT_NE(set.GetHandle(), nullptr);
    EXPECT_EQ(set.GetName(), "Orig VOLT");
    EXPECT_EQ(QCStaticData::FromHandle(set.GetHandle()), &set);
    float minimum = 0, maximum = 0;
    ASSERT_TRUE(platform::StaticDataRange(set.GetHandle(), minimum, maximum));
    EXPECT_EQ(minimum, -2.0f);
    EXPECT_EQ(maximum, 4.0f);
    y[3] = -9.0f;  // refilled in place, as the harmonics window does before each capture
    ASSERT_TRUE(platform::StaticDataRange(set.GetHandle(), minimum, maximum));
    EXPECT_EQ(minimum, -9.0f);
}

TEST(StaticDataTest, ASetWithoutPointsHasNoHandleAndAGoneSetIsNotFound) {
    std::vector<float> x = {0, 1}, y = {1, 2}, shorter = {1};
    const QCStaticData empty("none", {}, {});
    const QCStaticData uneven("uneven", x, shorter);
    EXPECT_EQ(empty.GetHandle(), nullptr);
    EXPECT_EQ(uneven.GetHandle(), nullptr);
    float minimum = 0, maximum = 0;
    EXPECT_FALSE(platform::StaticDataRange(empty.GetHandle(), minimum, maximum));
    EXPECT_EQ(QCStaticData::FromHandle(nullptr), nullptr);

    platform::StaticDataHandle handle = nullptr;
    {
        const QCStaticData set("Orig AMP", x, y);
        handle = set.GetHandle();
        EXPECT_EQ(QCStaticData::FromHandle(handle), &set);
    }
    EXPECT_EQ(QCStaticData::FromHandle(handle), nullptr);
}

}  // namespace
