// The udev monitor thread of the USB device watch.
#include "platform/io/usb_device_watch.h"

#include <libudev.h>
#include <poll.h>
#include <strings.h>

#include <cstring>

#include "platform/io/udev_properties.h"

namespace platform {

namespace {

bool SameId(const std::string& a, const std::string& b) {
    return !a.empty() && ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

}  // namespace

UsbDeviceWatch::~UsbDeviceWatch() {
    Stop();
}

bool UsbDeviceWatch::Start(MessageTarget& target, unsigned arrivalMessage, unsigned removalMessage,
                           std::string vendorId, std::string productId) {
    if (thread_.joinable() || !stop_.Valid()) {
        return false;
    }
    target_ = &target;
    arrival_message_ = arrivalMessage;
    removal_message_ = removalMessage;
    vendor_id_ = std::move(vendorId);
    product_id_ = std::move(productId);
    udev_ = udev_new();
    udev_monitor* monitor = udev_ ? udev_monitor_new_from_netlink(udev_, "udev") : nullptr;
    if (monitor == nullptr || udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        if (monitor) {
            udev_monitor_unref(monitor);
        }
        if (udev_) {
            udev_unref(udev_);
            udev_ = nullptr;
        }
        return false;
    }
    stop_.Reset();
    thread_ = std::thread([this, monitor] { Run(monitor); });
    return true;
}

void UsbDeviceWatch::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    stop_.Signal();
    thread_.join();
    udev_unref(udev_);
    udev_ = nullptr;
}

std::optional<Message> UsbDeviceWatch::MessageFor(const UsbTtyEvent& event) const {
    if (!SameId(event.vendorId, vendor_id_) || !SameId(event.productId, product_id_) ||
        event.portName.empty()) {
        return std::nullopt;
    }
    // The main frame takes the port name from between the parentheses.
    std::string name = event.description.empty() ? "(" + event.portName + ")"
                                                 : event.description + " (" + event.portName + ")";
    Message message;
    message.id = event.arrival ? arrival_message_ : removal_message_;
    message.payload = MakePayload(std::move(name));
    return message;
}

void UsbDeviceWatch::Run(udev_monitor* monitor) {
    pollfd watch[2] = {{udev_monitor_get_fd(monitor), POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
    for (;;) {
        if (::poll(watch, 2, -1) < 0 && errno != EINTR) {
            break;
        }
        if (watch[1].revents & POLLIN) {
            break;
        }
        if (!(watch[0].revents & POLLIN)) {
            continue;
        }
        udev_device* device = udev_monitor_receive_device(monitor);
        if (device == nullptr) {
            continue;
        }
        const char* action = udev_device_get_action(device);
        const char* name = udev_device_get_sysname(device);
        if (action && name && (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0)) {
            UsbTtyEvent event{std::strcmp(action, "add") == 0, name, DeviceProperty(device, "ID_VENDOR_ID"),
                              DeviceProperty(device, "ID_MODEL_ID"), DeviceDescription(device)};
            if (auto message = MessageFor(event)) {
                target_->PostMessage(std::move(*message));
            }
        }
        udev_device_unref(device);
    }
    udev_monitor_unref(monitor);
}

}  // namespace platform
