// The min/max pyramid summarises any range exactly as the samples do, gaps left out.
#include "platform/ui/graph/min_max_pyramid.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using platform::MinMaxPyramid;
using platform::SampleSummary;

constexpr float kNull = -9999.0f;

SampleSummary BruteForce(const std::vector<float>& samples, std::size_t first, std::size_t last) {
    SampleSummary summary;
    for (std::size_t i = first; i < std::min(last, samples.size()); ++i) {
        if (samples[i] != kNull) {
            summary.Add(samples[i]);
        }
    }
    return summary;
}

TEST(MinMaxPyramidTest, EveryRangeMatchesTheSamples) {
    std::mt19937 random(17);
    std::uniform_real_distribution<float> value(-100.0f, 100.0f);
    std::vector<float> samples(1000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = i % 37 == 5 ? kNull : value(random);
    }
    const MinMaxPyramid pyramid(samples, kNull);
    // Ranges inside one block, across block edges, aligned, the whole series, past the end, empty.
    const std::pair<std::size_t, std::size_t> ranges[] = {
        {0, 1}, {3, 9}, {15, 17}, {16, 32}, {0, 1000}, {1, 999}, {17, 513}, {250, 1250}, {500, 500}, {999, 1000}};
    for (const auto& [first, last] : ranges) {
        const SampleSummary expected = BruteForce(samples, first, last);
        const SampleSummary actual = pyramid.Summarise(first, last);
        EXPECT_EQ(actual.count, expected.count) << first << ".." << last;
        if (!expected.Empty()) {
            EXPECT_EQ(actual.minimum, expected.minimum) << first << ".." << last;
            EXPECT_EQ(actual.maximum, expected.maximum) << first << ".." << last;
            EXPECT_NEAR(actual.sum, expected.sum, 1e-3) << first << ".." << last;
        }
    }
    // Each block of each level sums up exactly its own samples.
    for (std::size_t level = 0; level < pyramid.LevelCount(); ++level) {
        const std::size_t size = MinMaxPyramid::BlockSamples(level);
        for (std::size_t block = 0; block * size < samples.size(); ++block) {
            const SampleSummary expected = BruteForce(samples, block * size, (block + 1) * size);
            ASSERT_EQ(pyramid.Block(level, block).count, expected.count) << level << "/" << block;
            ASSERT_EQ(pyramid.Block(level, block).maximum, expected.maximum) << level << "/" << block;
        }
    }
    // Every range of a short stretch, to reach each edge case of the climb.
    for (std::size_t first = 0; first < 80; ++first) {
        for (std::size_t last = first; last < 200; last += 7) {
            ASSERT_EQ(pyramid.Summarise(first, last).maximum, BruteForce(samples, first, last).maximum);
        }
    }
}

TEST(MinMaxPyramidTest, OnlyGapsGiveAnEmptySummary) {
    const std::vector<float> samples(40, kNull);
    const MinMaxPyramid pyramid(samples, kNull);
    EXPECT_TRUE(pyramid.Summarise(0, 40).Empty());
    EXPECT_EQ(pyramid.Summarise(0, 40).Average(), 0.0);
    EXPECT_TRUE(MinMaxPyramid({}, kNull).Summarise(0, 10).Empty());
}

TEST(MinMaxPyramidTest, BlocksCostLessThanTheSamples) {
    const std::vector<float> samples(1'000'000, 1.0f);
    const MinMaxPyramid pyramid(samples, kNull);
    EXPECT_LT(pyramid.MemoryBytes(), samples.size() * sizeof(float) * 2);
}

}  // namespace
