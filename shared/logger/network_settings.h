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

// Takes one named item of a logger reply into the address, mask, port, gateway, MAC address and DHCP
// members of `settings` (the wired settings, or a Wi-Fi module's); false for another name.
template <class Settings>
bool TakeNetworkItem(const std::string& name, const std::string& value, Settings& settings) {
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
    } else {
        return false;
    }
    return true;
}

// Takes the items of a Quarven's "L?MAC" reply ("IP_Address=...,Mask=..." on one line or on several)
// into `settings`; items it does not know are left.
void ApplyNetworkReply(const std::string& reply, NetworkSettings& settings);
