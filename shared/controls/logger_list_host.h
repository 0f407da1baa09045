// What the logger-list windows need of the program that shows them; kivo32 and teldrin each fill it.
#pragma once

#include <filesystem>
#include <string>

#include "shared/controls/logger_list_ids.h"
#include "shared/loggerlist/logger_entry.h"

class LoggerListHost {
public:
    virtual ~LoggerListHost() = default;

    // A fresh entry's baud rate and connection type.
    virtual LoggerDefaults EntryDefaults() const = 0;
    // The data folder new entries take.
    virtual std::string DataFolder() const = 0;
    // The port that direct entries of a converted older list take.
    virtual std::string CurrentComPort() const = 0;
    virtual bool SessionRunning() const = 0;
    // Starts a session to an entry's logger.
    virtual void ConnectDirect(const std::string& port, int baudRate) = 0;
    virtual void ConnectModem(const std::string& phone, int baudRate) = 0;
    virtual void ConnectNetwork(const std::string& address, const std::string& port) = 0;
    // A list view became active (the list's toolbar) or stopped being it (the program's own).
    virtual void ShowListToolbar(bool listActive) = 0;
    // A list opened from `path`: the next open starts there.
    virtual void RememberListPath(const std::filesystem::path& path) = 0;
    virtual LoggerListCommandIds CommandIds() const { return {}; }
    // False where lists are only shown: the program calls from the list as it was saved and holds it
    // meanwhile, so nothing it could change there would be kept.
    virtual bool EditsLists() const { return true; }
};
