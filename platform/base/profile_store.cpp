// The program's named settings: typed reads and writes over the stored texts.
#include "platform/base/profile_store.h"

#include "platform/base/number_text.h"

namespace platform {

ProfileStore::~ProfileStore() = default;

std::string ProfileStore::GetProfileString(std::string_view section, std::string_view name,
                                           std::string_view defaultValue) const {
    std::optional<std::string> value = ReadValue(section, name);
    return value ? std::move(*value) : std::string(defaultValue);
}

int ProfileStore::GetProfileInt(std::string_view section, std::string_view name, int defaultValue,
                                bool* damaged) const {
    const std::optional<std::string> value = ReadValue(section, name);
    if (!value) {
        return defaultValue;
    }
    int number = defaultValue;
    if (!ParseInt(*value, number) && damaged != nullptr) {
        *damaged = true;
    }
    return number;
}

void ProfileStore::WriteProfileString(std::string_view section, std::string_view name,
                                      std::string_view value) {
    WriteValue(section, name, value);
}

void ProfileStore::WriteProfileInt(std::string_view section, std::string_view name, int value) {
    WriteValue(section, name, std::to_string(value));
}

}  // namespace platform
