// Min/max pyramid of one series: sums, minima and maxima over blocks of samples, so that any range of
// samples is summarised by a few blocks instead of every sample.
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace platform {

// Minimum, maximum, sum and count of the samples of a range that are not the null value, and where
// the minimum and maximum lie.
struct SampleSummary {
    float minimum = std::numeric_limits<float>::max();
    float maximum = std::numeric_limits<float>::lowest();
    double sum = 0.0;
    std::size_t count = 0;

    bool Empty() const { return count == 0; }
    double Average() const { return count == 0 ? 0.0 : sum / static_cast<double>(count); }
    void Add(float value);
    void Add(const SampleSummary& other);
};

class MinMaxPyramid {
public:
    // Samples summed up in one block of the finest level.
    static constexpr std::size_t kLeafSamples = 16;

    MinMaxPyramid() = default;
    // Summarises `samples`, leaving out every sample equal to `nullValue`. The samples are copied.
    MinMaxPyramid(std::span<const float> samples, float nullValue);

    std::size_t Size() const { return samples_.size(); }
    float Sample(std::size_t index) const { return samples_[index]; }
    bool IsNull(std::size_t index) const { return samples_[index] == null_value_; }
    float NullValue() const { return null_value_; }

    // The summary of samples [first, last): raw samples up to the next block edge, then the largest
    // aligned blocks of each level. Ranges reaching past the end are cut there.
    SampleSummary Summarise(std::size_t first, std::size_t last) const;

    // Levels of blocks: level n sums kLeafSamples << n samples per block.
    std::size_t LevelCount() const { return levels_.size(); }
    static std::size_t BlockSamples(std::size_t level) { return kLeafSamples << level; }
    // Block `index` of `level`: the samples from index x BlockSamples(level), BlockSamples(level) of them.
    SampleSummary Block(std::size_t level, std::size_t index) const;

    // Bytes held by the samples and the blocks.
    std::size_t MemoryBytes() const;

private:
    struct Node {
        float minimum;
        float maximum;
        double sum;
        std::size_t count;
    };
    static Node ToNode(const SampleSummary& summary);
    void AddBlock(SampleSummary& summary, std::size_t level, std::size_t index) const;

    std::vector<float> samples_;
    float null_value_ = 0.0f;
    // levels_[0] holds one block per kLeafSamples samples; each further level halves the count.
    std::vector<std::vector<Node>> levels_;
};

}  // namespace platform
