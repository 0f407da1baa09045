// Owning handles of libudev objects: each released through its own unref when the owner goes.
#pragma once

#include <libudev.h>

#include <memory>

namespace platform {

template <class T, T* (*Unref)(T*)>
struct UdevUnref {
    void operator()(T* object) const { Unref(object); }
};

using UdevHandle = std::unique_ptr<udev, UdevUnref<udev, udev_unref>>;
using UdevMonitorHandle = std::unique_ptr<udev_monitor, UdevUnref<udev_monitor, udev_monitor_unref>>;
using UdevDeviceHandle = std::unique_ptr<udev_device, UdevUnref<udev_device, udev_device_unref>>;
using UdevEnumerateHandle = std::unique_ptr<udev_enumerate, UdevUnref<udev_enumerate, udev_enumerate_unref>>;

}  // namespace platform
