// Reading a Quarven's network settings from its "L?MAC" reply.
#include "shared/logger/network_settings.h"

#include "shared/logger/reply_field.h"

void ApplyNetworkReply(const std::string& reply, NetworkSettings& settings) {
    ForEachReplyItem(reply, [&](const std::string& name, const std::string& value) {
        if (name == "IP Address") {
            settings.address = value;
        } else if (name == "Mask") {
            settings.mask = value;
        } else if (name == "TCP Port") {
            settings.port = value;
        } else if (name == "Gateway") {
            settings.gateway = value;
        } else if (name == "MAC") {
            settings.mac = value;
        } else if (name == "Use DHCP") {
            settings.dhcp = value == "True";
        }
    });
}
