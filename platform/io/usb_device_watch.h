// Watches udev for one USB serial device (by vendor and product id) arriving or leaving, and posts
// each to a message target with the device's name text.
#pragma once

#include <optional>
#include <string>

#include "platform/base/message.h"
#include "platform/base/message_target.h"
#include "platform/io/reader_thread.h"
#include "platform/io/udev_handles.h"

namespace platform {

// One tty device added or removed, as udev reports it.
struct UsbTtyEvent {
    bool arrival = false;
    std::string portName;     // "ttyACM0"
    std::string vendorId;     // "03eb" (any case)
    std::string productId;    // "6119"
    std::string description;  // model name, may be empty
};

class UsbDeviceWatch {
public:
    UsbDeviceWatch() = default;
    ~UsbDeviceWatch();
    UsbDeviceWatch(const UsbDeviceWatch&) = delete;
    UsbDeviceWatch& operator=(const UsbDeviceWatch&) = delete;

    // Starts watching; false when udev cannot be watched here (the watch is then silent).
    bool Start(MessageTarget& target, unsigned arrivalMessage, unsigned removalMessage, std::string vendorId,
               std::string productId);
    void Stop();

    // The message for `event`: the arrival or removal id, wParam 0, and the text
    // "<description> (<port>)" (the port alone in parentheses without a description) as payload;
    // nullopt for any other device.
    std::optional<Message> MessageFor(const UsbTtyEvent& event) const;

private:
    void Run();

    MessageTarget* target_ = nullptr;
    unsigned arrival_message_ = 0;
    unsigned removal_message_ = 0;
    std::string vendor_id_;
    std::string product_id_;
    UdevHandle udev_;
    UdevMonitorHandle monitor_;
    ReaderThread reader_;
};

}  // namespace platform
