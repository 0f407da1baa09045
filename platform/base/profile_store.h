// ProfileStore: the program's named settings by section and value name, in place of the registry's
// profile values; the program keeps them in its settings file, tests in memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class ProfileStore {
public:
    virtual ~ProfileStore();

    // The stored text of a value; nullopt when it is not there.
    virtual std::optional<std::string> ReadValue(std::string_view section, std::string_view name) const = 0;
    virtual void WriteValue(std::string_view section, std::string_view name, std::string_view value) = 0;
    // False when part of the stored settings could not be read (a damaged file); what could is kept.
    virtual bool ReadWhole() const { return true; }

    // The value, or `defaultValue` when it is not there.
    std::string GetProfileString(std::string_view section, std::string_view name,
                                 std::string_view defaultValue) const;
    // The value as a whole number (blanks around it allowed), or `defaultValue` when it is not there.
    // A value that is not a whole number of int size also gives `defaultValue` and sets `*damaged`.
    int GetProfileInt(std::string_view section, std::string_view name, int defaultValue,
                      bool* damaged = nullptr) const;
    void WriteProfileString(std::string_view section, std::string_view name, std::string_view value);
    void WriteProfileInt(std::string_view section, std::string_view name, int value);
};

}  // namespace platform
