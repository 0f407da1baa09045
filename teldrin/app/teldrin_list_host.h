// What the logger-list view in teldrin's window takes of the program: its settings' defaults and
// teldrin's command ids. teldrin has no interactive session: the connect column only beeps. It only
// shows the list: it calls from the list as it read it, holds the file against writers meanwhile and has
// no Save, so lists are edited and saved in kivo32.
#pragma once

#include "shared/controls/logger_list_host.h"

namespace teldrin {

class CRegistryValues;

class CTeldrinListHost : public LoggerListHost {
public:
    // `settings` must outlive the host.
    explicit CTeldrinListHost(const CRegistryValues& settings) : settings_(settings) {}

    LoggerDefaults EntryDefaults() const override;
    std::string DataFolder() const override;
    std::string CurrentComPort() const override;
    bool SessionRunning() const override { return false; }
    void ConnectDirect(const std::string& port, int baudRate) override;
    void ConnectModem(const std::string& phone, int baudRate) override;
    void ConnectNetwork(const std::string& address, const std::string& port) override;
    void ShowListToolbar(bool) override {}
    void RememberListPath(const std::filesystem::path&) override {}
    LoggerListCommandIds CommandIds() const override { return kTeldrinListCommands; }
    bool EditsLists() const override { return false; }

private:
    const CRegistryValues& settings_;
};

}  // namespace teldrin
