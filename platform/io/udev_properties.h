// What a udev tty device says about itself: description, driver, USB vendor and product ids.
#pragma once

#include <string>

struct udev_device;

namespace platform {

// The model name from the hardware database, else the one the device reports (underscores as
// blanks); empty when it has none.
std::string DeviceDescription(udev_device* device);
// The driver of the device or of its nearest parent that has one.
std::string DeviceDriver(udev_device* device);
// A udev property, empty when missing.
std::string DeviceProperty(udev_device* device, const char* key);

}  // namespace platform
