// CComboBoxPort: the port list of the direct link, ordered and filtered by the known-port list.
#include "shared/controls/combo_box_port.h"

#include <vector>

#include "platform/base/window_messages.h"
#include "platform/ui/dialog.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"
#include "shared/link/enum_serial_ports.h"
#include "shared/link/port_names.h"

namespace {

// The dialog that a control's notices go to: the nearest dialog among its parents.
platform::Dialog* OwningDialog(QWidget* control) {
    for (QWidget* parent = control->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        if (auto* dialog = qobject_cast<platform::Dialog*>(parent)) {
            return dialog;
        }
    }
    return nullptr;
}

}  // namespace

CComboBoxPort::CComboBoxPort(QWidget* parent, std::unique_ptr<platform::SerialPortSource> source)
    : QComboBox(parent),
      source_(source ? std::move(source) : std::make_unique<platform::UdevSerialPortSource>()) {
    known_ports_.Load();
    // Only a choice of the user notifies, as a list that the program selects in stays quiet.
    connect(this, qOverload<int>(&QComboBox::activated), this, &CComboBoxPort::OnSelectionChange);
}

void CComboBoxPort::FillPortList(int controlId, bool bDescriptive) {
    control_id_ = controlId;
    selected_index_ = -1;
    selected_port_.clear();
    current_port_.clear();
    clear();

    std::vector<std::string> ports;
    EnumSerialPorts(ports, *source_);
    // The device paths the user typed are offered too, although no enumeration finds them.
    for (int i = 0; i < known_ports_.GetCount(); ++i) {
        const std::string& known = known_ports_.Names()[static_cast<std::size_t>(i)];
        if (IsDevicePath(known) && known_ports_.GetFlag(i) == CRecentPortList::kShown) {
            ports.push_back(known);
        }
    }
    known_ports_.OrderPorts(ports, SamePort);
    for (const std::string& entry : ports) {
        if (!entry.empty()) {
            addItem(platform::ToQString(bDescriptive ? DescriptiveEntry(entry) : entry));
        }
    }
    setCurrentIndex(count() > 0 ? 0 : -1);
    current_port_ = ItemText(currentIndex());
}

int CComboBoxPort::FindPortIndex(std::string_view device) const {
    if (device.empty()) {
        return -1;
    }
    for (int i = 0; i < count(); ++i) {
        if (ExtractPortName(ItemText(i)) == device) {
            return i;
        }
    }
    return -1;
}

int CComboBoxPort::FindPort(std::string_view text) const {
    return findText(platform::ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

bool CComboBoxPort::SelectPortName(std::string_view device) {
    const int index = FindPortIndex(device);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    current_port_ = ItemText(index);
    return true;
}

bool CComboBoxPort::SelectPort(std::string_view text) {
    const int index = FindPort(text);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    current_port_ = ItemText(index);
    return true;
}

void CComboBoxPort::OnSelectionChange(int index) {
    selected_index_ = index;
    selected_port_ = ExtractPortName(ItemText(index));
    current_port_ = selected_port_;
    if (platform::Dialog* dialog = OwningDialog(this)) {
        dialog->Target()->PostMessage(
            platform::Message(WM_COMMAND, static_cast<unsigned>(control_id_) | (CBN_SELCHANGE << 16)));
    }
}

std::string CComboBoxPort::ItemText(int index) const {
    return index >= 0 ? platform::FromQString(itemText(index)) : std::string();
}
