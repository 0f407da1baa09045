// A program's settings as one table of sections, names, members and defaults: loaded from the settings
// store with each missing value's default, and written back in a fixed order.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "platform/base/profile_store.h"

// A folder below the user data folder; the folder itself when the name is empty.
struct FolderDefault {
    const char* name;
};

template <typename Values>
struct ProfileValue {
    using TextMember = std::string Values::*;
    using IntMember = int Values::*;

    const char* section;
    const char* name;
    std::variant<TextMember, IntMember> member;
    std::variant<const char*, int, FolderDefault> defaultValue;
};

// Every value of `table` into `values`. A folder's default lies below `userDataFolder` (Windows-1252),
// or is empty when there is no user data folder. The names of whole-number values that hold no number
// (which keep their defaults) are added to `damaged` as "section/name" lines.
template <typename Values>
void LoadProfileValues(Values& values, std::span<const ProfileValue<Values>> table,
                       const platform::ProfileStore& store, const std::string& userDataFolder,
                       std::string& damaged) {
    for (const ProfileValue<Values>& value : table) {
        if (const auto* text = std::get_if<typename ProfileValue<Values>::TextMember>(&value.member)) {
            std::string defaultText;
            if (const auto* folder = std::get_if<FolderDefault>(&value.defaultValue)) {
                defaultText = userDataFolder;
                if (!userDataFolder.empty() && *folder->name != '\0') {
                    defaultText.append("/").append(folder->name);
                }
            } else {
                defaultText = std::get<const char*>(value.defaultValue);
            }
            values.*(*text) = store.GetProfileString(value.section, value.name, defaultText);
        } else {
            bool unreadable = false;
            values.*std::get<typename ProfileValue<Values>::IntMember>(value.member) = store.GetProfileInt(
                value.section, value.name, std::get<int>(value.defaultValue), &unreadable);
            if (unreadable) {
                damaged.append(value.section).append("/").append(value.name).append("\n");
            }
        }
    }
}

// The values of `table` named in `saveOrder`, in that order; a name the table lacks is skipped.
template <typename Values>
void SaveProfileValues(const Values& values, std::span<const ProfileValue<Values>> table,
                       std::span<const std::string_view> saveOrder, platform::ProfileStore& store) {
    for (const std::string_view name : saveOrder) {
        for (const ProfileValue<Values>& value : table) {
            if (value.name != name) {
                continue;
            }
            if (const auto* text = std::get_if<typename ProfileValue<Values>::TextMember>(&value.member)) {
                store.WriteProfileString(value.section, value.name, values.*(*text));
            } else {
                store.WriteProfileInt(
                    value.section, value.name,
                    values.*std::get<typename ProfileValue<Values>::IntMember>(value.member));
            }
        }
    }
}
