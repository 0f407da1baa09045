// SettingsProfileStore: the program's named settings in its settings file (~/.config/TARV/<program>.ini),
// a section per group.
#pragma once

#include <memory>

#include "platform/base/profile_store.h"

class QSettings;

namespace platform {

class SettingsProfileStore : public ProfileStore {
public:
    // The running program's settings file (OpenProgramSettings).
    SettingsProfileStore();
    // The given settings, kept for the store's life.
    explicit SettingsProfileStore(std::unique_ptr<QSettings> settings);
    ~SettingsProfileStore() override;

    std::optional<std::string> ReadValue(std::string_view section, std::string_view name) const override;
    void WriteValue(std::string_view section, std::string_view name, std::string_view value) override;
    bool ReadWhole() const override;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace platform
