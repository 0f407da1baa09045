// The USB device watch's choice of device and the message it posts.
#include "platform/io/usb_device_watch.h"

#include <gtest/gtest.h>

#include "platform/base/message_queue.h"

namespace {

constexpr unsigned kArrival = 0x80F2;
constexpr unsigned kRemoval = 0x80F3;

TEST(UsbDeviceWatchTest, PostsOnlyTheWatchedDeviceWithItsName) {
    platform::MessageQueue queue;
    platform::QueueMessageTarget target(queue);
    platform::UsbDeviceWatch watch;
    // Whether udev can be watched here or not, the choice of device is the same.
    const bool watching = watch.Start(target, kArrival, kRemoval, "03eb", "6119");
    struct Case {
        platform::UsbTtyEvent event;
        std::optional<unsigned> id;
        const char* text;
    };
    const Case cases[] = {
        {{true, "ttyACM0", "03EB", "6119", "Energy Logger"}, kArrival, "Energy Logger (ttyACM0)"},
        {{false, "ttyACM0", "03eb", "6119", "Energy Logger"}, kRemoval, "Energy Logger (ttyACM0)"},
        {{true, "ttyACM1", "03eb", "6119", ""}, kArrival, "(ttyACM1)"},
        {{true, "ttyUSB0", "0403", "6001", "FT232R USB UART"}, std::nullopt, ""},
        {{true, "ttyUSB0", "03eb", "6001", "other product"}, std::nullopt, ""},
        {{true, "", "03eb", "6119", "no port"}, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const auto message = watch.MessageFor(c.event);
        ASSERT_EQ(message.has_value(), c.id.has_value()) << c.event.portName << " " << c.event.vendorId;
        if (message) {
            EXPECT_EQ(message->id, *c.id);
            EXPECT_EQ(message->wParam, 0u);
            ASSERT_NE(platform::PayloadAs<std::string>(*message), nullptr);
            EXPECT_EQ(*platform::PayloadAs<std::string>(*message), c.text);
        }
    }
    watch.Stop();
    (void)watching;
}

}  // namespace
