// CComboBoxPort: the serial ports of this machine and the device paths the user typed, in the order the
// known-port list gives them, without the ports it hides.
#pragma once

#include <QComboBox>
#include <memory>
#include <string>
#include <string_view>

#include "platform/io/serial_port_source.h"
#include "shared/link/recent_port_list.h"

class CComboBoxPort : public QComboBox {
    Q_OBJECT

public:
    // `source` lists the ports (none: the ports udev knows). The known-port list is loaded now.
    explicit CComboBoxPort(QWidget* parent = nullptr,
                           std::unique_ptr<platform::SerialPortSource> source = {});

    // Refills the items: each port entry as it is, or with `bDescriptive` as "<description> (<device>)".
    // Selects the first item; a change of selection by the user is posted to the dialog as WM_COMMAND
    // with `controlId` and CBN_SELCHANGE.
    void FillPortList(int controlId, bool bDescriptive);
    // Takes the application's known-port list again, for the next fill.
    void ReloadKnownPorts() { known_ports_.Load(); }

    // The first item that names the port `device`, -1 when none does.
    int FindPortIndex(std::string_view device) const;
    // The item whose text is exactly `text`, -1 when none is.
    int FindPort(std::string_view text) const;
    // Select that item and take its port; false when there is none.
    bool SelectPortName(std::string_view device);
    bool SelectPort(std::string_view text);

    // The device name of the port the user chose last; after a fill or a select, the item's text.
    const std::string& GetCurrentPort() const { return current_port_; }
    // The port and the index of the user's last choice; empty and -1 until the user chose.
    const std::string& GetSelectedPort() const { return selected_port_; }
    int GetSelectedIndex() const { return selected_index_; }

private:
    void OnSelectionChange(int index);
    std::string ItemText(int index) const;

    std::unique_ptr<platform::SerialPortSource> source_;
    CRecentPortList known_ports_;
    int control_id_ = 0;
    int selected_index_ = -1;
    std::string selected_port_;
    std::string current_port_;
};
