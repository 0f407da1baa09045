// Reading a Quarven's network settings from its "L?MAC" reply.
#include "shared/logger/network_settings.h"

#include "shared/logger/reply_field.h"

void ApplyNetworkReply(const std::string& reply, NetworkSettings& settings) {
    ForEachReplyItem(reply, [&](const std::string& name, const std::string& value) {
        TakeNetworkItem(name, value, settings);
    });
}
