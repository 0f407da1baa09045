// The udev monitor thread of the USB device watch.
#include "platform/io/usb_device_watch.h"

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
    if (reader_.Running()) {
        return false;
    }
    target_ = &target;
    arrival_message_ = arrivalMessage;
    removal_message_ = removalMessage;
    vendor_id_ = std::move(vendorId);
    product_id_ = std::move(productId);
    udev_.reset(udev_new());
    monitor_.reset(udev_ ? udev_monitor_new_from_netlink(udev_.get(), "udev") : nullptr);
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_.get(), "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_.get()) < 0 || !reader_.Start([this] { Run(); })) {
        monitor_.reset();
        udev_.reset();
        return false;
    }
    return true;
}

void UsbDeviceWatch::Stop() {
    if (reader_.Stop()) {
        monitor_.reset();
        udev_.reset();
    }
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

void UsbDeviceWatch::Run() {
    while (reader_.WaitReadable(udev_monitor_get_fd(monitor_.get())) == ReaderThread::Wait::Readable) {
        const UdevDeviceHandle received(udev_monitor_receive_device(monitor_.get()));
        udev_device* device = received.get();
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
    }
}

}  // namespace platform
