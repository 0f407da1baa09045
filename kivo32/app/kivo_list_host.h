// What kivo32's logger lists take of the program: its default baud rate and port, its data folder,
// its sessions, its toolbar and the remembered list.
#pragma once

#include "shared/controls/logger_list_host.h"

class CKivoApp;

class CKivoListHost : public LoggerListHost {
public:
    explicit CKivoListHost(CKivoApp& app) : app_(app) {}

    LoggerDefaults EntryDefaults() const override;
    std::string DataFolder() const override;
    std::string CurrentComPort() const override;
    bool SessionRunning() const override;
    void ConnectDirect(const std::string& port, int baudRate) override;
    void ConnectModem(const std::string& phone, int baudRate) override;
    void ConnectNetwork(const std::string& address, const std::string& port) override;
    void ShowListToolbar(bool listActive) override;
    void RememberListPath(const std::filesystem::path& path) override;

private:
    CKivoApp& app_;
};
