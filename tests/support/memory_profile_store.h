// A settings store in memory for tests: the values by section and name, and every write in its order.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/profile_store.h"

namespace testsupport {

class MemoryProfileStore : public platform::ProfileStore {
public:
    using Key = std::pair<std::string, std::string>;

    std::optional<std::string> ReadValue(std::string_view section, std::string_view name) const override {
        const auto found = values.find(Key(section, name));
        return found != values.end() ? std::optional(found->second) : std::nullopt;
    }
    void WriteValue(std::string_view section, std::string_view name, std::string_view value) override {
        values[Key(section, name)] = value;
        writes.emplace_back(section, name);
    }

    bool ReadWhole() const override { return whole; }

    std::map<Key, std::string> values;
    bool whole = true;
    std::vector<Key> writes;
};

}  // namespace testsupport
