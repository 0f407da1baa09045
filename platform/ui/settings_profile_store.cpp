// The program's named settings in its settings file.
#include "platform/ui/settings_profile_store.h"

#include <QSettings>

#include "platform/ui/program_settings.h"
#include "platform/ui/qt_text.h"

namespace platform {

namespace {

QString SettingsKey(std::string_view section, std::string_view name) {
    return ToQString(section) + '/' + ToQString(name);
}

}  // namespace

SettingsProfileStore::SettingsProfileStore() : SettingsProfileStore(OpenProgramSettings()) {}

SettingsProfileStore::SettingsProfileStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

SettingsProfileStore::~SettingsProfileStore() = default;

std::optional<std::string> SettingsProfileStore::ReadValue(std::string_view section,
                                                           std::string_view name) const {
    const QString key = SettingsKey(section, name);
    if (!settings_->contains(key)) {
        return std::nullopt;
    }
    // A value edited by hand with a comma in it comes back as a list.
    const QVariant value = settings_->value(key);
    return FromQString(value.typeId() == QMetaType::QStringList ? value.toStringList().join(", ")
                                                                : value.toString());
}

void SettingsProfileStore::WriteValue(std::string_view section, std::string_view name,
                                      std::string_view value) {
    settings_->setValue(SettingsKey(section, name), ToQString(value));
}

bool SettingsProfileStore::ReadWhole() const {
    return settings_->status() != QSettings::FormatError;
}

}  // namespace platform
