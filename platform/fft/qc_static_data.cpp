// QCStaticData and the map from handles to sets.
#include "platform/fft/qc_static_data.h"

#include <map>
#include <mutex>

#include "platform/fft/spectral_transform.h"

namespace platform {

struct StaticDataSet {
    std::string name;
    std::span<const float> x;
    std::span<const float> y;
};

bool StaticDataRange(StaticDataHandle handle, float& minimum, float& maximum) {
    return handle != nullptr && FloatRange(handle->y, minimum, maximum);
}

}  // namespace platform

namespace {

struct HandleMap {
    std::mutex mutex;
    std::map<platform::StaticDataHandle, QCStaticData*> sets;
};

HandleMap& Sets() {
    static HandleMap map;
    return map;
}

}  // namespace

QCStaticData::QCStaticData(std::string name, std::span<const float> x, std::span<const float> y) {
    if (x.empty() || x.size() != y.size()) {
        return;
    }
    set_ = std::make_unique<platform::StaticDataSet>(platform::StaticDataSet{std::move(name), x, y});
    const std::lock_guard lock(Sets().mutex);
    Sets().sets[set_.get()] = this;
}

QCStaticData::~QCStaticData() {
    if (set_) {
        const std::lock_guard lock(Sets().mutex);
        Sets().sets.erase(set_.get());
    }
}

QCStaticData* QCStaticData::FromHandle(platform::StaticDataHandle handle) {
    const std::lock_guard lock(Sets().mutex);
    const auto found = Sets().sets.find(handle);
    return found != Sets().sets.end() ? found->second : nullptr;
}

std::string QCStaticData::GetName() const {
    return set_ ? set_->name : std::string();
}
