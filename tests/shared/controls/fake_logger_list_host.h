// A logger-list host for tests: fixed defaults and a record of the connections asked for.
#pragma once

#include <string>
#include <vector>

#include "shared/controls/logger_list_host.h"

namespace testsupport {

class FakeLoggerListHost : public LoggerListHost {
public:
    LoggerDefaults EntryDefaults() const override { return {57600, 2}; }
    std::string DataFolder() const override { return "/home/me/Data"; }
    std::string CurrentComPort() const override { return "ttyUSB0"; }
    bool SessionRunning() const override { return sessionRunning; }
    void ConnectDirect(const std::string& port, int baudRate) override {
        connections.push_back("direct " + port + " " + std::to_string(baudRate));
    }
    void ConnectModem(const std::string& phone, int baudRate) override {
        connections.push_back("modem " + phone + " " + std::to_string(baudRate));
    }
    void ConnectNetwork(const std::string& address, const std::string& port) override {
        connections.push_back("network " + address + " " + port);
    }
    void ShowListToolbar(bool listActive) override { toolbars.push_back(listActive); }
    void RememberListPath(const std::filesystem::path& path) override { rememberedPath = path; }

    bool sessionRunning = false;
    std::vector<std::string> connections;
    std::vector<bool> toolbars;
    std::filesystem::path rememberedPath;
};

}  // namespace testsupport
