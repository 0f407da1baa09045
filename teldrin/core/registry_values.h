// CRegistryValues of teldrin: its own settings (not kivo32's), kept in ~/.config/TARV/teldrin.ini: the
// main window's start-up state, the data and logger-list folders, and the direct and modem links.
#pragma once

#include <string>

namespace platform {
class ProfileStore;
}

namespace teldrin {

class CRegistryValues {
public:
    // Every value from `store`, each missing one (or a number that holds none) with its default; the
    // folders default to the user data folder's "Data" and "Loggers". False when part of the store could
    // not be read (those values keep their defaults).
    bool Load(const platform::ProfileStore& store);
    // Writes the values the program keeps, in their fixed order; those only read (serial framing, the
    // modem's strings and delay) are never written, so an edit of them in the store stands.
    void Save(platform::ProfileStore& store) const;

    // Texts are Windows-1252, folders included.
    // "Window Startup State".
    std::string position;
    int iconic = 0;
    int maximized = 0;
    // "Teldrin Dirs".
    std::string dataDir;
    std::string loggerListDir;
    // "Direct Connect": the port is a device name.
    std::string directPort;
    int directBaud = 0;
    int directParity = 0;
    int directDataBits = 0;
    int directStopBits = 0;
    // "Modem Connect".
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
    // "None" when no modem line is chosen; the older French "Aucun" reads as "None".
    std::string modemLineName;
};

}  // namespace teldrin
