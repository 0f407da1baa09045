// teldrin's settings: one table of sections, names and defaults, and the order they are written in.
#include "teldrin/core/registry_values.h"

#include <array>
#include <string_view>

#include "platform/base/windows1252.h"
#include "shared/common/profile_values.h"
#include "shared/common/user_data_folder.h"

namespace teldrin {
namespace {

using RegistryValue = ProfileValue<CRegistryValues>;

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

}  // namespace

bool CRegistryValues::Load(const platform::ProfileStore& store) {
    // Without a home folder the folders stay empty: nothing is then written below the root.
    std::filesystem::path folder;
    GetUserDataFolder(folder);
    // A number that holds none keeps its default: nobody is there to be told.
    std::string damaged;
    LoadProfileValues<CRegistryValues>(*this, kValues, store, platform::PathToWindows1252(folder), damaged);
    if (modemLineName == "Aucun") {
        modemLineName = kNoModem;
    }
    return store.ReadWhole();
}

void CRegistryValues::Save(platform::ProfileStore& store) const {
    SaveProfileValues<CRegistryValues>(*this, kValues, kSaveOrder, store);
}

}  // namespace teldrin
