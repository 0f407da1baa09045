// CRegistryValues: the settings of kivo32 kept in the program's settings store: the main window's
// start-up state, the working folders, the direct and modem links, and the miscellaneous values with
// the update-check schedule.
#pragma once

#include <string>

class CVersionCheck;

namespace platform {
class ProfileStore;
}

// The section of the miscellaneous values; the folder set-up writes its first-run markers there too.
inline constexpr const char* kKivoMiscSection = "KIVO Misc";

class CRegistryValues {
public:
    // The version page the update check reads until the settings name another: a build setting
    // (KIVO_UPDATE_URL), empty unless the build names one.
    static const char* BuiltInUpdateUrl();

    CRegistryValues() = default;
    virtual ~CRegistryValues();

    // Every value from `store`, each missing one with its default; the folders default to the user
    // data folder's "Data", "Setups" and "Loggers". A whole-number value that holds no number keeps its
    // default and the others load as usual; false after the user was told which values those were, or
    // that part of the store could not be read (those values keep their defaults too).
    bool Load(const platform::ProfileStore& store);
    // Writes the values the program keeps; those only read (serial framing, modem strings, the modem
    // delay) are never written, so an edit of them in the store stands.
    void Save(platform::ProfileStore& store) const;

    // Hands the update check its schedule and its page address (the built-in one unless "UpdateURL"
    // names another).
    void HandToVersionCheck(CVersionCheck& check) const;
    // The values the update check moved on: whether it is on, its next date and its page address.
    void TakeFromVersionCheck(const CVersionCheck& check);

    // Texts are Windows-1252, folders included.
    // "Window Startup State": the main frame's placement when it last closed.
    std::string position;
    int iconic = 0;
    int maximized = 0;
    // "KIVO Dirs".
    std::string dataDir;
    std::string setupTableDir;
    std::string loggerListDir;
    // "Direct Connect".
    std::string directPort;
    int directBaud = 0;
    int directParity = 0;
    int directDataBits = 0;
    int directStopBits = 0;
    // "Modem Connect".
    std::string modemPort;
    int modemBaud = 0;
    int modemParity = 0;
    int modemDataBits = 0;
    int modemStopBits = 0;
    int modemTimeout = 0;
    int modemDelay = 0;
    std::string modemInit;
    std::string modemDial;
    std::string modemHangup;
    std::string modemSuffix;
    std::string modemConnect;
    std::string modemBad1;
    std::string modemBad2;
    std::string modemBad3;
    std::string modemLineName;
    // "KIVO Misc".
    int sutType = 0;
    int rtUpdateThreshold = 0;
    int partialDownloads = 0;
    int perCentOrRMS = 0;
    std::string firmwareFile;
    // The folder of the calibration record file; the calibration window's save dialog moves it.
    std::string calibrationDir;
    // The update check's schedule and findings, written back as loaded.
    std::string updateEnabled;
    std::string updateDays;
    std::string updateNext;
    std::string updateURL;
    std::string updateLatestKIVO;
    std::string updateLatestLoggerVersion;
};
