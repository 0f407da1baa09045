// Min/max pyramid of one series: sums, minima and maxima over blocks of samples.
#include "platform/ui/graph/min_max_pyramid.h"

#include <algorithm>

namespace platform {

void SampleSummary::Add(float value) {
    minimum = std::min(minimum, value);
    maximum = std::max(maximum, value);
    sum += value;
    ++count;
}

void SampleSummary::Add(const SampleSummary& other) {
    if (other.count == 0) {
        return;
    }
    minimum = std::min(minimum, other.minimum);
    maximum = std::max(maximum, other.maximum);
    sum += other.sum;
    count += other.count;
}

MinMaxPyramid::Node MinMaxPyramid::ToNode(const SampleSummary& summary) {
    return {summary.minimum, summary.maximum, summary.sum, summary.count};
}

MinMaxPyramid::MinMaxPyramid(std::span<const float> samples, float nullValue)
    : samples_(samples.begin(), samples.end()), null_value_(nullValue) {
    std::vector<Node> leaves;
    leaves.reserve(samples_.size() / kLeafSamples + 1);
    for (std::size_t first = 0; first < samples_.size(); first += kLeafSamples) {
        SampleSummary summary;
        const std::size_t last = std::min(first + kLeafSamples, samples_.size());
        for (std::size_t i = first; i < last; ++i) {
            if (samples_[i] != null_value_) {
                summary.Add(samples_[i]);
            }
        }
        leaves.push_back(ToNode(summary));
    }
    levels_.push_back(std::move(leaves));
    while (levels_.back().size() > 1) {
        const std::vector<Node>& below = levels_.back();
        std::vector<Node> level;
        level.reserve((below.size() + 1) / 2);
        for (std::size_t i = 0; i < below.size(); i += 2) {
            SampleSummary summary;
            AddBlock(summary, levels_.size() - 1, i);
            if (i + 1 < below.size()) {
                AddBlock(summary, levels_.size() - 1, i + 1);
            }
            level.push_back(ToNode(summary));
        }
        levels_.push_back(std::move(level));
    }
}

SampleSummary MinMaxPyramid::Block(std::size_t level, std::size_t index) const {
    const auto& block = levels_[level][index];
    return {block.minimum, block.maximum, block.sum, block.count};
}

void MinMaxPyramid::AddBlock(SampleSummary& summary, std::size_t level, std::size_t index) const {
    summary.Add(Block(level, index));
}

SampleSummary MinMaxPyramid::Summarise(std::size_t first, std::size_t last) const {
    SampleSummary summary;
    last = std::min(last, samples_.size());
    const auto addSample = [&](std::size_t i) {
        if (samples_[i] != null_value_) {
            summary.Add(samples_[i]);
        }
    };
    while (first < last && first % kLeafSamples != 0) {
        addSample(first++);
    }
    while (last > first && last % kLeafSamples != 0) {
        addSample(--last);
    }
    // [first, last) now starts and ends on block edges: climb the levels, taking the odd blocks at
    // either end of each level before halving.
    std::size_t low = first / kLeafSamples;
    std::size_t high = last / kLeafSamples;
    for (std::size_t level = 0; low < high; ++level) {
        if (low % 2 != 0) {
            AddBlock(summary, level, low++);
        }
        if (high % 2 != 0) {
            AddBlock(summary, level, --high);
        }
        low /= 2;
        high /= 2;
    }
    return summary;
}

std::size_t MinMaxPyramid::MemoryBytes() const {
    std::size_t bytes = samples_.capacity() * sizeof(float);
    for (const auto& level : levels_) {
        bytes += level.capacity() * sizeof(Node);
    }
    return bytes;
}

}  // namespace platform
