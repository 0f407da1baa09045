// Reading the properties of udev tty devices.
#include "platform/io/udev_properties.h"

#include <libudev.h>

#include <algorithm>

namespace platform {

std::string DeviceProperty(udev_device* device, const char* key) {
    const char* value = udev_device_get_property_value(device, key);
    return value ? std::string(value) : std::string();
}

std::string DeviceDescription(udev_device* device) {
    std::string model = DeviceProperty(device, "ID_MODEL_FROM_DATABASE");
    if (model.empty()) {
        model = DeviceProperty(device, "ID_MODEL");
        std::replace(model.begin(), model.end(), '_', ' ');
    }
    return model;
}

std::string DeviceDriver(udev_device* device) {
    for (udev_device* node = device; node != nullptr; node = udev_device_get_parent(node)) {
        if (const char* driver = udev_device_get_driver(node)) {
            return driver;
        }
    }
    return {};
}

}  // namespace platform
