// The settings of kivo32 in the program's settings store: one table of sections, names and defaults.
#include "kivo32/settings/registry_values.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "kivo32/settings/settings_ids.h"
#include "kivo32/update/version_check.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/common/message_box.h"
#include "shared/common/profile_values.h"
#include "shared/common/user_data_folder.h"

namespace {

#ifndef KIVO_UPDATE_URL
#define KIVO_UPDATE_URL ""
#endif

using RegistryValue = ProfileValue<CRegistryValues>;

constexpr const char* kWindow = "Window Startup State";
constexpr const char* kDirs = "KIVO Dirs";
constexpr const char* kDirect = "Direct Connect";
constexpr const char* kModem = "Modem Connect";

using R = CRegistryValues;

// In the order they are read.
const std::array<RegistryValue, 39> kValues{{
    {kWindow, "Position", &R::position, ""},
    {kWindow, "Iconic", &R::iconic, 0},
    {kWindow, "Maximized", &R::maximized, 0},
    {kDirs, "DataDir", &R::dataDir, FolderDefault{"Data"}},
    {kDirs, "SetupTableDir", &R::setupTableDir, FolderDefault{"Setups"}},
    {kDirs, "LoggerListDir", &R::loggerListDir, FolderDefault{"Loggers"}},
    {kDirect, "DirectPort", &R::directPort, "ttyUSB0"},
    {kDirect, "DirectBaud", &R::directBaud, 57600},
    {kDirect, "DirectParity", &R::directParity, 0},
    {kDirect, "DirectDataBits", &R::directDataBits, 8},
    {kDirect, "DirectStopBits", &R::directStopBits, 1},
    {kModem, "ModemPort", &R::modemPort, "ttyS0"},
    {kModem, "ModemBaud", &R::modemBaud, 14400},
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
    {kModem, "ModemLineName", &R::modemLineName, "None"},
    {kKivoMiscSection, "SUTType", &R::sutType, 0},
    {kKivoMiscSection, "RTUpdateThreshold", &R::rtUpdateThreshold, 5},
    {kKivoMiscSection, "PartialDownloads", &R::partialDownloads, 0},
    {kKivoMiscSection, "PerCentOrRMS", &R::perCentOrRMS, 0},
    {kKivoMiscSection, "FirmwareFile", &R::firmwareFile, ""},
    {kKivoMiscSection, "CalibrationDir", &R::calibrationDir, FolderDefault{""}},
    {kKivoMiscSection, "UpdateEnabled", &R::updateEnabled, "1"},
    {kKivoMiscSection, "UpdateDays", &R::updateDays, "7"},
    {kKivoMiscSection, "UpdateNext", &R::updateNext, ""},
    // The build's page, which the program's tests and packagers set.
    {kKivoMiscSection, "UpdateURL", &R::updateURL, KIVO_UPDATE_URL},
    {kKivoMiscSection, "UpdateLatestKIVO", &R::updateLatestKIVO, ""},
    {kKivoMiscSection, "UpdateLatestLoggerVersion", &R::updateLatestLoggerVersion, ""},
}};

// The order in which the kept values are written.
constexpr std::array<std::string_view, 25> kSaveOrder{
    "Position",         "Iconic",       "Maximized",     "DataDir",          "SetupTableDir",
    "LoggerListDir",    "DirectPort",   "DirectBaud",    "ModemPort",        "ModemTimeout",
    "ModemBaud",        "ModemInit",    "ModemLineName", "SUTType",          "RTUpdateThreshold",
    "PartialDownloads", "PerCentOrRMS", "FirmwareFile",  "CalibrationDir",   "UpdateEnabled",
    "UpdateDays",       "UpdateNext",   "UpdateURL",     "UpdateLatestKIVO", "UpdateLatestLoggerVersion"};

}  // namespace

CRegistryValues::~CRegistryValues() = default;

const char* CRegistryValues::BuiltInUpdateUrl() {
    return KIVO_UPDATE_URL;
}

bool CRegistryValues::Load(const platform::ProfileStore& store) {
    const std::string userDataFolder = platform::Utf8ToWindows1252(UserDataFolder().string());
    std::string damaged;
    LoadProfileValues<CRegistryValues>(*this, kValues, store, userDataFolder, damaged);
    const bool readWhole = store.ReadWhole();
    if (!readWhole) {
        ShowMessageBoxId(IDS_SETTINGS_NOT_READ_WHOLE, MB_OK | MB_ICONEXCLAMATION, true);
    }
    if (!damaged.empty()) {
        ShowMessageBox(platform::FormatLoadedText(IDS_SETTINGS_VALUES_NOT_READ, {damaged}),
                       MB_OK | MB_ICONEXCLAMATION, true);
    }
    return readWhole && damaged.empty();
}

void CRegistryValues::Save(platform::ProfileStore& store) const {
    SaveProfileValues<CRegistryValues>(*this, kValues, kSaveOrder, store);
}

void CRegistryValues::HandToVersionCheck(CVersionCheck& check) const {
    check.SetBuiltInAddress(BuiltInUpdateUrl());
    // Only the leading number counts: "0" and "0 (off)" switch the check off.
    check.SetSchedule({std::atoi(updateEnabled.c_str()) != 0, updateDays, updateNext, updateURL});
}

void CRegistryValues::TakeFromVersionCheck(const CVersionCheck& check) {
    const CVersionCheck::Schedule schedule = check.GetSchedule();
    updateEnabled = schedule.enabled ? "1" : "0";
    updateNext = schedule.next;
    updateURL = schedule.pageAddress;
}
