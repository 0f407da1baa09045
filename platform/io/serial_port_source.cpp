// Serial ports listed through libudev.
#include "platform/io/serial_port_source.h"

#include <libudev.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "platform/io/udev_handles.h"
#include "platform/io/udev_properties.h"

namespace platform {

SerialPortSource::~SerialPortSource() = default;

namespace {

// The letters of a name and the number that ends it (-1 without one).
std::pair<std::string, long> SplitPortName(const std::string& name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) {
        --digits;
    }
    if (digits == name.size() || name.size() - digits > 9) {
        return {name, -1};
    }
    return {name.substr(0, digits), std::stol(name.substr(digits))};
}

// The standard driver registers its ports whether or not a UART sits behind them; sysfs says "0"
// (no known UART) for the empty ones.
bool HasHardware(udev_device* device, const std::string& driver) {
    if (driver != "serial8250") {
        return true;
    }
    const char* type = udev_device_get_sysattr_value(device, "type");
    return type != nullptr && std::strcmp(type, "0") != 0;
}

}  // namespace

bool PortNameLess(const std::string& a, const std::string& b) {
    return SplitPortName(a) < SplitPortName(b);
}

std::vector<SerialPortInfo> UdevSerialPortSource::Ports() {
    std::vector<SerialPortInfo> ports;
    const UdevHandle context(udev_new());
    if (!context) {
        return ports;
    }
    const UdevEnumerateHandle enumeration(udev_enumerate_new(context.get()));
    if (!enumeration) {
        return ports;
    }
    udev_enumerate_add_match_subsystem(enumeration.get(), "tty");
    udev_enumerate_scan_devices(enumeration.get());
    for (udev_list_entry* entry = udev_enumerate_get_list_entry(enumeration.get()); entry != nullptr;
         entry = udev_list_entry_get_next(entry)) {
        const UdevDeviceHandle device(udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device) {
            continue;
        }
        // Consoles and pseudo-terminals have no device behind them.
        udev_device* parent = udev_device_get_parent(device.get());
        if (parent == nullptr) {
            continue;
        }
        const std::string driver = DeviceDriver(device.get());
        if (!HasHardware(device.get(), driver)) {
            continue;
        }
        const char* name = udev_device_get_sysname(device.get());
        if (name == nullptr) {
            continue;
        }
        ports.push_back({name, DeviceDescription(device.get()), driver});
    }
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortInfo& a, const SerialPortInfo& b) { return PortNameLess(a.name, b.name); });
    return ports;
}

}  // namespace platform
