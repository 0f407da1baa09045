// QCStaticData: a named static data set over a caller's x and y arrays. The set refers to the arrays, so
// its range always reflects their current contents. Each set with a handle is found again by its handle
// (program-wide, from any thread).
#pragma once

#include <memory>
#include <span>
#include <string>

namespace platform {

struct StaticDataSet;
using StaticDataHandle = const StaticDataSet*;

// The smallest and the largest y value of the set; false for no set.
bool StaticDataRange(StaticDataHandle handle, float& minimum, float& maximum);

}  // namespace platform

class QCStaticData {
public:
    // A set named `name` over `x` and `y`, which must outlive it. Without points, or with arrays of
    // different lengths, the set has no handle.
    QCStaticData(std::string name, std::span<const float> x, std::span<const float> y);
    ~QCStaticData();
    QCStaticData(const QCStaticData&) = delete;
    QCStaticData& operator=(const QCStaticData&) = delete;

    platform::StaticDataHandle GetHandle() const { return set_.get(); }
    // The set's name; empty without a handle.
    std::string GetName() const;
    // The set of `handle`, or null when no living set has it.
    static QCStaticData* FromHandle(platform::StaticDataHandle handle);

private:
    std::unique_ptr<platform::StaticDataSet> set_;
};
