// The values the wired network settings and a Wi-Fi module's settings share in their dialogs: address,
// mask, TCP port, gateway, MAC address (shown only) and the DHCP choice.
#pragma once

#include "platform/base/dialog_request.h"

template <class Settings>
void PutNetworkValues(const Settings& settings, platform::DialogRequest& request) {
    request.Set("address", settings.address);
    request.Set("mask", settings.mask);
    request.Set("port", settings.port);
    request.Set("gateway", settings.gateway);
    request.Set("mac", settings.mac);
    request.SetInt("dhcp", settings.dhcp ? 1 : 0);
}

template <class Settings>
void TakeNetworkValues(const platform::DialogRequest& answer, Settings& settings) {
    settings.address = answer.Get("address");
    settings.mask = answer.Get("mask");
    settings.port = answer.Get("port");
    settings.gateway = answer.Get("gateway");
    settings.dhcp = answer.GetInt("dhcp") != 0;
}
