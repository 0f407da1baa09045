// The wired network settings of a logger as the network settings dialog holds them.
#pragma once

#include <string>

struct NetworkSettings {
    std::string address;
    std::string mask;
    std::string port = "777";
    std::string gateway = "0.0.0.0";
    std::string mac;
    bool dhcp = false;
};

// Takes the items of a Quarven's "L?MAC" reply ("IP_Address=...,Mask=..." on one line or on several)
// into `settings`; items it does not know are left.
void ApplyNetworkReply(const std::string& reply, NetworkSettings& settings);
