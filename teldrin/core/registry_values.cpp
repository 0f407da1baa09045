// teldrin's settings: one table of sections, names and defaults, and the order they are written in.
#include "teldrin/core/registry_values.h"

#include <array>
#include <string_view>
#include <variant>

#include "platform/base/profile_store.h"
#include "platform/base/windows1252.h"
#include "shared/common/user_data_folder.h"

namespace teldrin {
namespace {

// A folder below the user data folder.
struct FolderDefault {
    const char* name;
};

using TextMember = std::string CRegistryValues::*;
using IntMember = int CRegistryValues::*;

struct RegistryValue {
    const char* section;
    const char* name;
    std::variant<TextMember, IntMember> member;
    std::variant<const char*, int, FolderDefault> defaultValue;
};

constexpr const char* kWindow = "Window Startup State";
constexpr const char* kDirs = "Teldrin Dirs";
constexpr const char* kDirect = "Direct Connect";
constexpr const char* kModem = "Modem Connect";
constexpr const char* kNoModem = "None";

using R = CRegistryValues;

// In the order they are read.
const std::array<RegistryValue, 25> kValues{{
    {kWindow, "Position", &R::position, ""},
    {kWindow, "Iconic", &R::iconic, 0},
    {kWindow, "Maximized", &R::maximized, 0},
    {kDirs, "DataDir", &R::dataDir, FolderDefault{"Data"}},
    {kDirs, "LoggerListDir", &R::loggerListDir, FolderDefault{"Loggers"}},
    {kDirect, "DirectPort", &R::directPort, "ttyUSB0"},
    {kDirect, "DirectBaud", &R::directBaud, 57600},
    {kDirect, "DirectParity", &R::directParity, 0},
    {kDirect, "DirectDataBits", &R::directDataBits, 8},
    {kDirect, "DirectStopBits", &R::directStopBits, 1},
    {kModem, "ModemBaud", &R::modemBaud, 9600},
    {kModem, "ModemParity", &R::modemParity, 0},
    {kModem, "ModemDataBits", &R::modemDataBits, 8},
    {kModem, "ModemStopBits", &R::modemStopBits, 1},
    {kModem, "ModemTimeout", &R::modemTimeout, 30},
    {kModem, "ModemDelay", &R::modemDelay, 2},
    {kModem, "ModemInit", &R::modemInit, "ATE0 L1 S7=120 S11=55 V1 X1 S0=0"},
    {kModem, "ModemDial", &R::modemDial, "ATDT"},
    {kModem, "ModemHangup", &R::modemHangup, "ATH"},
    {kModem, "ModemSuffix", &R::modemSuffix, "!"},
    {kModem, "ModemConnect", &R::modemConnect, "CONNECT"},
    {kModem, "ModemBad1", &R::modemBad1, "BUSY"},
    {kModem, "ModemBad2", &R::modemBad2, "VOICE"},
    // The modem's own words, with their blank.
    {kModem, "ModemBad3", &R::modemBad3, "NO CARRIER"},
    {kModem, "ModemLineName", &R::modemLineName, kNoModem},
}};

// The order in which the kept values are written.
constexpr std::array<std::string_view, 11> kSaveOrder{
    "Position",   "Iconic",       "Maximized", "DataDir",   "LoggerListDir", "DirectPort",
    "DirectBaud", "ModemTimeout", "ModemBaud", "ModemInit", "ModemLineName"};

const RegistryValue& ValueNamed(std::string_view name) {
    for (const RegistryValue& value : kValues) {
        if (value.name == name) {
            return value;
        }
    }
    // Every name of the save order is in the table (the tests write every kept value).
    return kValues.front();
}

std::string DefaultText(const RegistryValue& value, const std::string& userDataFolder) {
    if (const auto* folder = std::get_if<FolderDefault>(&value.defaultValue)) {
        return userDataFolder + "/" + folder->name;
    }
    return std::get<const char*>(value.defaultValue);
}

}  // namespace

bool CRegistryValues::Load(const platform::ProfileStore& store) {
    // Without a home folder the folders stay empty: nothing is then written below the root.
    std::filesystem::path folder;
    const bool hasUserFolder = GetUserDataFolder(folder);
    const std::string userDataFolder = platform::PathToWindows1252(folder);
    for (const RegistryValue& value : kValues) {
        if (const auto* text = std::get_if<TextMember>(&value.member)) {
            const bool folderValue = std::holds_alternative<FolderDefault>(value.defaultValue);
            const std::string defaultText =
                folderValue && !hasUserFolder ? std::string() : DefaultText(value, userDataFolder);
            this->*(*text) = store.GetProfileString(value.section, value.name, defaultText);
        } else {
            this->*std::get<IntMember>(value.member) =
                store.GetProfileInt(value.section, value.name, std::get<int>(value.defaultValue));
        }
    }
    if (modemLineName == "Aucun") {
        modemLineName = kNoModem;
    }
    return store.ReadWhole();
}

void CRegistryValues::Save(platform::ProfileStore& store) const {
    for (const std::string_view name : kSaveOrder) {
        const RegistryValue& value = ValueNamed(name);
        if (const auto* text = std::get_if<TextMember>(&value.member)) {
            store.WriteProfileString(value.section, value.name, this->*(*text));
        } else {
            store.WriteProfileInt(value.section, value.name, this->*std::get<IntMember>(value.member));
        }
    }
}

}  // namespace teldrin
