// Fuzz target of the logger's text replies: the hex-dump check, hex groups, key-and-value items and the
// network settings, both ways between the dialog's texts and the field form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shared/logger/hex_dump_reply.h"
#include "shared/logger/network_field.h"
#include "shared/logger/network_settings.h"
#include "shared/logger/reply_field.h"
#include "shared/logger/wifi_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const int expected = size > 0 ? static_cast<int>(data[0]) - 1 : -1;
    const HexDumpCheck check = CheckHexDump(reply, expected);
    if (check.ok && ((expected >= 0 && check.bytes.size() != static_cast<std::size_t>(expected)) ||
                     check.bytes.size() > size / 2)) {
        __builtin_trap();
    }
    CheckHexGroups(reply, expected);
    std::string items(reply);
    std::string key;
    std::string value;
    while (ParseReplyField(items, key, value)) {
        if (items.size() >= size) {
            __builtin_trap();  // every item taken must shorten the reply
        }
    }
    NetworkSettings network;
    ApplyNetworkReply(std::string(reply), network);
    WiFiSettings wifi;
    ApplyWiFiReply(std::string(reply), wifi);
    for (int kind = kNetworkAddress; kind <= kNetworkMac; ++kind) {
        if (FormatNetworkField(kind, reply).size() > 12) {
            __builtin_trap();  // the logger's field never grows with the text
        }
        FormatSettingText(kind, reply);
    }
    return 0;
}
