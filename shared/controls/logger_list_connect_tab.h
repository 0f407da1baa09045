// CLoggerListConnectTab: the connection page of the entry configuration dialog: type, serial port or
// phone number or network address and port, baud rate, data folder.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <memory>
#include <string>

#include "shared/loggerlist/logger_entry.h"

class CComboBoxPort;
namespace platform {
class SerialPortSource;
}

class CLoggerListConnectTab : public QWidget {
    Q_OBJECT
public:
    // The type list's order.
    enum TypeIndex { kNetworkIndex, kModemIndex, kDirectIndex };

    CLoggerListConnectTab(const CLogger& entry, std::unique_ptr<platform::SerialPortSource> ports,
                          QWidget* parent = nullptr);

    std::int16_t GetConnectType() const;
    std::int32_t GetBaudRate() const;
    std::string GetDataFolder() const;
    std::string GetComPort() const;
    std::string GetPhoneNumber() const;
    std::string GetIPAddress() const;
    std::string GetIPPort() const;

private:
    void Arrange(int type);
    void SaveShownFields();
    void Browse();
    void CheckFolder();

    QComboBox* type_;
    QLabel* field_label_;
    QLineEdit* field_;
    QLabel* port_label_;
    QLineEdit* port_;
    QLabel* baud_label_;
    QComboBox* direct_baud_;
    QComboBox* modem_baud_;
    CComboBoxPort* com_port_;
    QLineEdit* folder_;
    // The fields of each type while another is shown.
    std::string address_;
    std::string phone_;
    std::string net_port_;
    int shown_type_ = -1;
};
